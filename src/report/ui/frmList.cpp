#include "report/ui/frmList.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "core/menu_gating.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "core/state.h"
#include "files/file_dialog.h"
#include "platform/qt/font_dialog.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/screen_place.h"
#include "platform/qt/scroll_keys.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "report/performance_report.h"
#include "report/report_drawing.h"
#include "report/report_file.h"
#include "report/ui/print_report.h"
#include "simulation/nitrous.h"

namespace kestrelon {
namespace {

constexpr Long DesignWidth = 11400;  // twips: the widest lines at the start-up font
constexpr Long DesignHeight = 7200;

int Px(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

// The listing's font through the program's font dialog; a listing without a font of its own
// offers the picture's.
bool ChooseFont(QWidget* parent, ListingFont& font) {
  QFont current(font.name.empty() ? QFont().family() : QText(font.name));
  current.setPointSizeF(font.size);
  current.setItalic(font.italic);
  QColor colour(RedOf(font.color), GreenOf(font.color), BlueOf(font.color));
  if (!ChooseFontAndColour(parent, current, colour)) return false;
  font.name = StdText(current.family());
  font.size = current.pointSizeF() > 0 ? current.pointSizeF() : font.size;
  font.italic = current.italic();
  font.color = Rgb(colour.red(), colour.green(), colour.blue());
  return true;
}

}  // namespace

frmList::frmList() : Form("frmList", QStringLiteral("Performance Data")) {
  MenuBar = new QMenuBar(this);
  ListExit = MenuBar->addAction(QStringLiteral("&Close"));
  pmenu = MenuBar->addMenu(QStringLiteral("&Print"));
  FilePrint = pmenu->addAction(QStringLiteral("Print to &File"));
  ListPrint = pmenu->addAction(QStringLiteral("Print to &Printer"));
  ListFont = MenuBar->addAction(QStringLiteral("Set &Font..."));
  ListingArea = new QWidget(this);
  Listing = new PictureBox(ListingArea);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  setMinimumSize(Px(3000) + 2 * static_cast<int>(Cfg.BorderWidth),
                 Px(2000) + 2 * static_cast<int>(Cfg.BorderWidth));

  connect(ListExit, &QAction::triggered, this, &frmList::ListExit_Click);
  connect(FilePrint, &QAction::triggered, this, &frmList::FilePrint_Click);
  connect(ListPrint, &QAction::triggered, this, &frmList::ListPrint_Click);
  connect(ListFont, &QAction::triggered, this, &frmList::ListFont_Click);
  connect(VScroll1, &QScrollBar::valueChanged, this, &frmList::VScroll1_Change);
  // A picture resized is a picture cleared: draw the report again.
  connect(Listing, &PictureBox::resized, this, [this] {
    if (isVisible()) Form_Paint();
  });
}

void frmList::Form_Load() {
  font_ = ListingFont{};
  fontSet_ = false;
  const std::string name = Trim(Cfg.ListFontName);
  if (!name.empty() && name != "unknown") {
    // A stored value that cannot be read keeps the picture's own.
    font_.name = name;
    const double colour = LeadingNumber(Cfg.ListColor);
    if (colour >= 0 && colour <= 0xFFFFFF) font_.color = static_cast<Color>(colour);
    font_.italic = Cfg.ListFontItalic != False;
    const double size = LeadingNumber(Cfg.ListFontSize);
    if (size >= 1 && size <= 400) font_.size = size;
    fontSet_ = true;
  }
  PlaceWindow();
}

void frmList::PlaceWindow() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Long screenWidth = static_cast<Long>(screen.width()) * TwipsPerPixel;
  const Long screenHeight = static_cast<Long>(screen.height()) * TwipsPerPixel;
  const Long height =
      Cfg.ListHeight >= 0 && Cfg.ListHeight <= screenHeight ? Cfg.ListHeight : DesignHeight;
  const Long width = Cfg.ListWidth >= 0 && Cfg.ListWidth <= screenWidth ? Cfg.ListWidth : DesignWidth;
  resize(Px(width), Px(height));
  PlaceAt(Cfg.ListTop, Cfg.ListLeft);
}

// Unplaced, the window stands against the right edge of the screen, halfway down.
QPoint frmList::DefaultPlace() const { return RightEdgePlace(frameGeometry().size()); }

Canvas& frmList::ListingCanvas(double size) {
  Canvas& c = Listing->canvas();
  c.FontName = font_.name;
  c.FontItalic = font_.italic;
  c.ForeColor = font_.color;
  c.FontSize = size;
  c.FontBold = false;
  c.FontUnderline = false;
  return c;
}

void frmList::Form_Resize() {
  if (!isEnabled() || IsMinimised()) return;
  const int menu = MenuBar->sizeHint().height();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  MenuBar->setGeometry(0, 0, width(), menu);
  ListingArea->setGeometry(0, menu, std::max(0, width() - bar), std::max(0, height() - menu));
  VScroll1->setGeometry(width() - bar, menu, bar, std::max(0, height() - menu));

  const ReportSizes sizes = ListingSizes(font_.size, fontSet_, TwipsPerPixel);
  Canvas& c = ListingCanvas(sizes.base);
  const double lineHeight = c.TextHeight("W");
  // The report's length in lines, from the curve rows, the nitrous columns, the speed steps
  // and the gears.
  Single top = 0;
  for (int n = 1; n <= LastRunPoint; ++n) top = std::max(top, S.RunResults[PtSpeed][CurrentRun][n]);
  const int stages = NitrousStageAt(CInt(S.GearCount), 0);
  const int lines = CInt((S.MaxRPMIndex - S.MinRPMIndex) / 5.0 + 120 + 5 * stages +
                         top / S.SpeedFactor / 10 + S.GearCount);
  // A report longer than the estimate still shows its last line.
  const double height = std::max(lines * lineHeight, reportBottom_ + lineHeight);
  Listing->resize(static_cast<int>(std::ceil(120 * c.TextWidth("W"))),
                  static_cast<int>(std::ceil(height)));

  const int visible = ListingArea->height();
  VScroll1->setRange(0, std::max(0, Listing->height() - visible));
  VScroll1->setPageStep(std::max(1, static_cast<int>(std::lround(visible * 0.8))));
  VScroll1->setSingleStep(std::max(1, static_cast<int>(std::lround(lineHeight))));
  VScroll1_Change(VScroll1->value());
}

void frmList::Form_Paint() {
  if (Listing->image().size() != Listing->size()) {
    // A picture resized before it was shown keeps its old image until it hears of its size;
    // its resize clears the image and draws the report again.
    QResizeEvent resized(Listing->size(), Listing->image().size());
    QCoreApplication::sendEvent(Listing, &resized);
    if (isVisible()) return;
  }
  const ReportSizes sizes = ListingSizes(font_.size, fontSet_, TwipsPerPixel);
  Canvas& c = ListingCanvas(sizes.base);
  c.Cls();
  reportBottom_ = 0;
  // Without a completed run the model may hold a cleared vehicle beside an earlier run's points.
  if (S.RunDone == False) return;
  reportBottom_ = DrawReport(c, PerformanceReport(ReportSink::Listing, sizes));
  if (reportBottom_ > Listing->height()) Form_Resize();
}

void frmList::RedrawFromModel() {
  if (S.Calculating != False) return;
  const QSize before = Listing->size();
  Form_Resize();
  // A picture of the same size is not cleared, so nothing else draws it again.
  if (Listing->size() == before) Form_Paint();
}

void frmList::VScroll1_Change(int value) { Listing->move(0, -value); }

void frmList::ListFont_Click() {
  ListingFont chosen = font_;
  if (fontSet_ == false) chosen.size = ListingSizes(font_.size, false, TwipsPerPixel).base;
  if (ChooseFont(this, chosen)) ApplyListFont(chosen);
}

void frmList::ApplyListFont(const ListingFont& font) {
  font_ = font;
  fontSet_ = true;
  RedrawFromModel();
}

void frmList::ListPrint_Click() {
  if (CommandAllowed(MenuCommand::DisplayPerf)) PrintPerformanceData(this);
}

void frmList::FilePrint_Click() {
  if (!CommandAllowed(MenuCommand::DisplayPerf)) return;
  const std::string path = SaveFileDialog("*.*", "Save Performance Data to File", "");
  if (path.empty()) return;
  ui().SetBusyCursor(true);
  FilePerformanceData(path);
  ui().SetBusyCursor(false);
}

void frmList::ListExit_Click() { Unload(); }

void frmList::Form_Unload() {
  Cfg.ListLeft = static_cast<Long>(x()) * TwipsPerPixel;
  Cfg.ListTop = static_cast<Long>(y()) * TwipsPerPixel;
  Cfg.ListWidth = static_cast<Long>(width()) * TwipsPerPixel;
  Cfg.ListHeight = static_cast<Long>(height()) * TwipsPerPixel;
  const double size = ListingSizes(font_.size, fontSet_, TwipsPerPixel).base;
  Cfg.ListFontName = font_.name.empty() ? StdText(QFontInfo(QFont()).family()) : font_.name;
  Cfg.ListColor = std::to_string(font_.color);
  Cfg.ListFontSize = NumText(static_cast<Single>(fontSet_ ? font_.size : size));
  Cfg.ListFontItalic = ToFlag(font_.italic);
}

void frmList::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  if (isVisible()) Form_Resize();
}

void frmList::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  RedrawFromModel();
}

// The wheel over the report moves it as the scroll bar does.
void frmList::wheelEvent(QWheelEvent* event) { QCoreApplication::sendEvent(VScroll1, event); }

// So do the keys that move a scroll bar.
void frmList::keyPressEvent(QKeyEvent* event) {
  if (!ScrollByKey(*VScroll1, event)) Form::keyPressEvent(event);
}

// Coming back to the window shows the figures of the latest run.
void frmList::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) Form_Paint();
}

}  // namespace kestrelon
