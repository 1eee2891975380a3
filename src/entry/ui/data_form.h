#pragma once
// The life every vehicle data form shares, on top of the window base (platform/qt/form.h).
//
// A data form derives from DataForm, passes its form name, caption, message title, section
// flag, first-focus one-shot, saved place and help context id (DataSection), builds its controls
// in its constructor and implements:
//
//   FillFromModel()     load: the controls from the vehicle texts, the display-only values (a
//                       default it shows for a blank box reaches the vehicle through the OK);
//   Accept()            the OK's checks in order, writing the model and, when every field has
//                       passed, the vehicle texts (usually a GUI-free Accept... function of
//                       entry/); it returns the refused field, if any;
//   FieldControl(n)     the control of field n, which gets the focus after a refusal;
//   FirstField()        the control the first paint focuses.
// and, where it needs to, OKAllowed() (an extra guard), BeforeAutoAccept() (work before the
// load accepts the form), AfterAccepted() (work after an accepted OK, before the hand-on) and
// Painted() (work of every paint).
//
// The pattern then gives: Form_Load (place, fill, AutoAccept runs the OK, tooltips), the paint
// with its first focus, RunOK (guard, checks, refusal, section flag, place, hand-on to the entry
// chain, unload), F2 and Shift+F2 (Form_KeyDown), CancelButton_Click, HelpButton_Click and the
// unload. A refused OK puts the model and the vehicle texts back as they were when it began.
// During the automatic pass a refusing form shows itself, switches AutoAccept off and waits for
// the user; its accepted OK restores AutoAccept so the pass goes on.
//
// Buttons: wire the OK button to RunOK, Cancel to CancelButton_Click, Help to HelpButton_Click.

#include <QLineEdit>
#include <QString>
#include <functional>
#include <map>

#include "entry/field_reading.h"
#include "platform/qt/form.h"
#include "platform/qt/text.h"

class QGridLayout;

namespace kestrelon {

struct DataSection {
  Integer* entered = nullptr;    // the section flag an accepted OK sets
  Integer* focusDone = nullptr;  // the first-focus one-shot; nullptr when the form has none
  Long* top = nullptr;           // the saved place
  Long* left = nullptr;
  int helpContext = 0;
  const char* messageTitle = "";  // title of the form's message boxes
};

class DataForm : public Form {
  Q_OBJECT

 public:
  DataForm(const char* formName, const QString& caption, DataSection section);

  // The OK button.
  void RunOK();
  void CancelButton_Click();
  void HelpButton_Click();
  // Fills the controls from the vehicle again, when a command changed it behind the form.
  Q_INVOKABLE void ShowVehicleData();
  // F2 accepts and runs (or re-runs); Shift+F2 accepts and goes to the run pre-check.
  void Form_KeyDown(int keyCode, int shift);

  // The pattern's flags, -1 True, 0 False.
  Integer FormReady = False;
  Integer KeyboardAccept = False;
  Integer FieldRejected = True;

 protected:
  virtual void FillFromModel() = 0;
  virtual Verdict Accept() = 0;
  virtual QWidget* FieldControl(int field) = 0;
  virtual QWidget* FirstField() = 0;
  virtual bool OKAllowed() { return true; }
  virtual void BeforeAutoAccept() {}
  virtual void AfterAccepted() {}
  virtual void Painted() {}
  // Cancel, Esc or the close box: puts back what the form's own handlers changed in the model
  // since it opened.
  virtual void Cancelled() {}
  // After an accepted OK (not under F2): hands on to the entry chain and unloads the form.
  virtual void HandOn();

  void Form_Load() override;
  void Form_Unload() override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

  // Shows a refusal: during the automatic pass the form first comes forward for correction.
  void ShowRefusal(const Refusal& refusal);

  const DataSection& Section() const { return section_; }
  // Runs the handler whenever the control loses the focus (its LostFocus).
  void OnLostFocus(QWidget* control, std::function<void()> handler);
  // A labelled text box in row `row` of a grid, named as the form names it, with its Tag.
  QLineEdit* AddBox(QGridLayout* grid, int row, const char* name, const QString& label,
                    const QString& tag = QString());

 private:
  DataSection section_;
  Integer autoAcceptAtLoad_ = False;
  std::map<QObject*, std::function<void()>> lostFocus_;
  bool inLostFocus_ = false;  // a LostFocus handler is running
  bool accepting_ = false;    // the OK or F2 is running: a second press waits for it
};

}  // namespace kestrelon
