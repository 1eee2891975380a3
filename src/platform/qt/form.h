#pragma once
// The life every window of the program shares. A window class derives from Form, gives its form
// name ("frmDataChassis") and caption, builds its controls in its constructor and does its
// start-of-life work in Form_Load:
//
//   Load()       runs Form_Load once without showing the window (the automatic entry pass relies
//                on this); a listed window's caption goes into the Window list first.
//   Show()       loads when needed, brings a minimised window back to normal (a maximised one
//                stays maximised), shows it modeless and brings it to the front.
//   ShowModal()  the same, then waits until the window is unloaded or hidden with Hide().
//   Unload()     asks Form_QueryUnload (which may refuse), runs Form_Unload, withdraws the
//                caption and hides the window. Closing the window's frame does the same.
//   Hide()       hides the window and keeps it loaded; a ShowModal waiting for it returns.
//
// Every opening (a show of a hidden window) starts from the focus the window's load gave it, so
// Enter presses the window's OK as at its first show, whatever moved the focus while it was
// hidden (a late activation by the window system, a Cancel clicked at its last opening). It is
// fitted into its screen before it shows, and again once its first paint has settled what its
// controls hold and the window system has put its frame around it.
//
// Waits: each ShowModal owns its wait, which ends when that life of the window ends (its
// unload or Hide), even when the window is loaded and waited for again before the first wait has
// returned (a curve graph whose OK carries the entry on to the next curve's graph). A window
// waited for takes the program's input; a window shown modeless while another is waited for
// takes input above it (the run set-up or the progress window opened from a waiting graph) until
// it goes. No window stays modal once nothing waits for it.
//
// One shared instance per form name: Register(name, factory) once at start-up, Instance(name)
// to reach it (nullptr while no such window is registered). LoadedForms() walks the loaded
// windows in load order. Places are in twips, as they are saved: PlaceAt(top, left) with a
// negative value taking the window's default place (centred unless the window says otherwise),
// SavePlace(top, left) to keep it. A stored place that would leave the caption bar off every
// screen gives the default place too.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "core/numbers.h"

class QEventLoop;
class QPushButton;

namespace kestrelon {

inline constexpr int TwipsPerPixel = 15;

class Form : public QWidget {
  Q_OBJECT

 public:
  Form(const char* formName, const QString& caption, bool listed = true);
  ~Form() override;

  void Load();
  void Show();
  void ShowModal();
  // False when Form_QueryUnload kept the window.
  bool Unload();
  // Hides the window and keeps it loaded, its caption in the Window list; a ShowModal waiting
  // for it returns.
  void Hide();

  bool IsLoaded() const { return loaded_; }
  bool IsMinimised() const { return windowState() & Qt::WindowMinimized; }
  // Neither minimised nor maximised.
  void SetNormalState();
  QString FormName() const { return objectName(); }
  QString Caption() const;
  // Renames the window; a loaded, listed window's Window list entry is renamed in its place.
  // The same caption again changes nothing.
  void SetCaption(const QString& caption);

  static const std::vector<Form*>& LoadedForms();
  static Form* FindLoaded(const QString& formName);
  static void Register(const std::string& formName, std::function<Form*()> factory);
  static Form* Instance(const std::string& formName);
  // The names of every registered window, in name order.
  static std::vector<std::string> RegisteredNames();
  // Destroys every shared instance made so far (end of the program, end of a test).
  static void DeleteInstances();

  // Every control with a "Tag" property gets its text as tooltip; windows call it on load when
  // tooltips are switched on.
  void ApplyTags();
  static void SetTag(QWidget* control, const QString& tag);

  // The width a window needs for its caption to show whole in its title bar, beside the
  // window manager's icon and buttons.
  static int CaptionWidth(const QString& caption);

  // The button the Escape key presses (none unless a window names one). Enter presses the
  // focused button, else the window's default button (QPushButton::setDefault).
  void SetCancelButton(QPushButton* button) { cancelButton_ = button; }
  QPushButton* CancelButton() const { return cancelButton_; }
  // Shown modal and waiting for its unload.
  bool IsShownModal() const { return !waits_.empty(); }

 protected:
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(bool& /*cancel*/) {}
  virtual void Form_Unload() {}

  // The window takes the program's input whenever it shows, waited for or not (a run's
  // progress, beneath which the run goes on), until told to give it back; a window already
  // shown takes or gives it back at once, shown again with its new modality.
  void HoldInputWhenShown(bool hold = true);

  void CentreOnScreen();
  void PlaceAt(Long top, Long left);
  // Where the window's frame stands when no place is stored, in pixels.
  virtual QPoint DefaultPlace() const;
  void SavePlace(Long& top, Long& left) const;

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Forget();
  // Ends every wait for this life of the window.
  void EndWaits();
  void SetTitle(const QString& caption);
  // A window narrower than its caption is widened to show it whole.
  void WidenToCaption();
  // Shows the window modal or modeless; a change of modality takes effect only on a hidden window.
  void ShowWithModality(Qt::WindowModality modality);
  // Puts the focus back where the window's load left it (nowhere, for most windows).
  void RestoreOpeningFocus();

  bool listed_;
  bool loaded_ = false;
  bool holdsInput_ = false;
  // The waits for this life of the window, innermost last.
  std::vector<QEventLoop*> waits_;
  QPushButton* cancelButton_ = nullptr;
  // The control the window's load gave the focus, if any.
  QPointer<QWidget> openingFocus_;
  // Shown, and not yet fitted after its first paint.
  bool fitAfterPaint_ = false;
};

}  // namespace kestrelon
