#pragma once
// The history log window: the ring of history lines listed oldest first from the scroll
// position to the newest, its own scroll bar with Page Up, Page Down and the arrows, Print,
// Clear, Refresh and the listing's font. Place, size and font are kept in the settings.
//
// The listing is rebuilt when the window shows, when it is activated, on Refresh, on every
// scroll and whenever the ring changes behind it (RedrawFromModel: a run, a new vehicle).

#include "platform/qt/form.h"
#include "results/history_font.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;
class QScrollBar;

namespace kestrelon {

class frmHistory : public Form {
  Q_OBJECT

 public:
  frmHistory();

  QMenuBar* MenuBar;
  QAction *HistExit, *Fontset, *HistPrint, *HistRefresh, *HistClear;
  QPlainTextEdit* HistBox;
  QScrollBar* HistVS;

  int ScrollOffset() const { return histScrollOffset; }

  void FillHistory();
  // The ring changed behind the window: the listing is rebuilt.
  Q_INVOKABLE void RedrawFromModel() { FillHistory(); }
  void HistClear_Click();
  void HistPrint_Click();
  void Fontset_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  QPoint DefaultPlace() const override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HistVS_Change();
  void SaveHistPlace();
  HistoryFont BoxFont() const;
  void SetBoxFont(const HistoryFont& font);

  int histScrollOffset = 0;
  bool histReady = false;
};

}  // namespace kestrelon
