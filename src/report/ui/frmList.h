#pragma once
// The performance listing window: the report drawn into a tall picture that a scroll bar moves,
// with Close, Print to File, Print to Printer and Set Font. It keeps its place, size and font
// in the settings.

#include <QString>

#include "platform/canvas.h"
#include "platform/qt/form.h"

class QAction;
class QMenu;
class QMenuBar;
class QScrollBar;

namespace kestrelon {

class PictureBox;

// The listing's font: what Set Font chooses and the settings keep.
struct ListingFont {
  std::string name;  // empty = the picture's own font
  double size = 8.25;
  bool italic = false;
  Color color = QBColor(0);
};

class frmList : public Form {
  Q_OBJECT

 public:
  frmList();

  QMenuBar* MenuBar;
  QAction* ListExit;
  QMenu* pmenu;
  QAction* FilePrint;
  QAction* ListPrint;
  QAction* ListFont;
  QWidget* ListingArea;  // the window's inner area the picture moves in
  PictureBox* Listing;
  QScrollBar* VScroll1;

  const ListingFont& Font() const { return font_; }
  // Where the last drawing of the report ended, in picture pixels.
  double ReportBottom() const { return reportBottom_; }

  void Form_Resize();
  // The report of the model, or nothing before a run has completed.
  void Form_Paint();
  // The model changed behind the window: laid out and drawn again. A run being calculated
  // draws nothing of itself here; its end asks again.
  Q_INVOKABLE void RedrawFromModel();
  void VScroll1_Change(int value);
  void ListFont_Click();
  // Set Font confirmed: the new font, then the window laid out and drawn again.
  void ApplyListFont(const ListingFont& font);
  // Both print commands refuse, as the Display menu does, until a run has completed.
  void ListPrint_Click();
  void FilePrint_Click();
  void ListExit_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  QPoint DefaultPlace() const override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PlaceWindow();
  // The picture's canvas with the listing font at the given size.
  Canvas& ListingCanvas(double size);

  ListingFont font_;
  bool fontSet_ = false;  // a font was stored or chosen
  double reportBottom_ = 0;
};

}  // namespace kestrelon
