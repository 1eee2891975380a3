#include "results/ui/frmHistory.h"

#include <QAction>
#include <QDate>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "platform/canvas.h"
#include "platform/qt/font_dialog.h"
#include "platform/qt/printer.h"
#include "platform/qt/screen_place.h"
#include "platform/qt/text.h"
#include "results/history_listing.h"
#include "results/history_print.h"

namespace kestrelon {

namespace {

constexpr int Tw = TwipsPerPixel;
constexpr int DesignWidth = 600, DesignHeight = 400;  // pixels
constexpr int MinimumWidth = 2900 / Tw, MinimumHeight = 2000 / Tw;

QColor ColourOf(Long vbColour) {
  return QColor(vbColour & 0xFF, (vbColour >> 8) & 0xFF, (vbColour >> 16) & 0xFF);
}
Long VbColourOf(const QColor& c) { return c.red() + 256 * c.green() + 65536 * c.blue(); }

int KeyCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Down: return KeyDown;
    default: return 0;
  }
}

}  // namespace

frmHistory::frmHistory() : Form("frmHistory", QStringLiteral("History Log")) {
  MenuBar = new QMenuBar(this);
  HistExit = MenuBar->addAction(QStringLiteral("&Close"));
  Fontset = MenuBar->addAction(QStringLiteral("Set &Font..."));
  HistPrint = MenuBar->addAction(QStringLiteral("&Print"));
  HistRefresh = MenuBar->addAction(QStringLiteral("&Refresh"));
  HistClear = MenuBar->addAction(QStringLiteral("C&lear"));

  HistBox = new QPlainTextEdit(this);
  HistBox->setReadOnly(true);
  HistBox->setLineWrapMode(QPlainTextEdit::NoWrap);
  HistBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont courier(QStringLiteral("Courier"));
  courier.setStyleHint(QFont::TypeWriter);
  courier.setPointSizeF(9.6);
  HistBox->setFont(courier);
  HistVS = new QScrollBar(Qt::Vertical, this);
  HistVS->setRange(0, HistorySize - 1);
  HistVS->setSingleStep(1);
  HistVS->setPageStep(10);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(MenuBar);
  auto* row = new QHBoxLayout;
  row->setSpacing(0);
  row->addWidget(HistBox, 1);
  row->addWidget(HistVS);
  layout->addLayout(row, 1);
  setMinimumSize(MinimumWidth, MinimumHeight);
  resize(DesignWidth, DesignHeight);

  connect(HistExit, &QAction::triggered, this, [this] { Unload(); });
  connect(Fontset, &QAction::triggered, this, &frmHistory::Fontset_Click);
  connect(HistPrint, &QAction::triggered, this, &frmHistory::HistPrint_Click);
  connect(HistRefresh, &QAction::triggered, this, &frmHistory::FillHistory);
  connect(HistClear, &QAction::triggered, this, &frmHistory::HistClear_Click);
  connect(HistVS, &QScrollBar::valueChanged, this, &frmHistory::HistVS_Change);
  HistBox->installEventFilter(this);
  HistBox->viewport()->installEventFilter(this);
}

void frmHistory::Form_Load() {
  histReady = false;
  HistVS->setMaximum(S.HistoryHead < 2 ? std::max(0, S.HistoryNext - 1) : HistorySize - 1);
  HistVS->setValue(0);
  histScrollOffset = 0;

  HistoryFont font = BoxFont();
  RestoreHistoryFont(Cfg, font);
  SetBoxFont(font);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int h = Cfg.HistHeight >= 0 && Cfg.HistHeight <= screen.height() * Tw ? Cfg.HistHeight / Tw : DesignHeight;
  const int w = Cfg.HistWidth >= 0 && Cfg.HistWidth <= screen.width() * Tw ? Cfg.HistWidth / Tw : DesignWidth;
  resize(std::max(w, MinimumWidth), std::max(h, MinimumHeight));
  PlaceAt(Cfg.HistTop, Cfg.HistLeft);
  histReady = true;
}

void frmHistory::Form_Unload() { SaveHistPlace(); }

// Unplaced, the window stands against the right edge of the screen, halfway down.
QPoint frmHistory::DefaultPlace() const { return RightEdgePlace(frameGeometry().size()); }

void frmHistory::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  FillHistory();
  SaveHistPlace();
}

void frmHistory::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  if (isVisible() && !IsMinimised()) SaveHistPlace();
}

void frmHistory::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && IsLoaded()) FillHistory();
}

void frmHistory::FillHistory() {
  histReady = false;
  const HistoryListing listing = BuildHistoryListing(histScrollOffset);
  HistVS->setMaximum(listing.ScrollMax);
  HistVS->setValue(listing.ScrollOffset);
  histScrollOffset = listing.ScrollOffset;
  QStringList lines;
  for (const std::string& line : listing.Lines) lines << QText(line);
  HistBox->setPlainText(lines.join(QLatin1Char('\n')));
  // The listing itself starts at the scroll position: the box always shows it from its top.
  HistBox->moveCursor(QTextCursor::Start);
  HistBox->verticalScrollBar()->setValue(0);
  histReady = true;
}

void frmHistory::HistVS_Change() {
  if (!histReady) return;
  histScrollOffset = HistVS->value();
  FillHistory();
}

bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
  if (watched == HistBox && event->type() == QEvent::KeyPress) {
    const int code = KeyCodeOf(static_cast<QKeyEvent*>(event)->key());
    if (code != 0) {
      HistVS->setValue(ScrollForKey(code, HistVS->value(), HistVS->minimum(), HistVS->maximum()));
      return true;
    }
  }
  // The wheel over the listing turns the listing's own scroll bar.
  if (watched == HistBox->viewport() && event->type() == QEvent::Wheel) {
    QCoreApplication::sendEvent(HistVS, event);
    return true;
  }
  return Form::eventFilter(watched, event);
}

void frmHistory::HistClear_Click() {
  histReady = false;
  if (ClearHistoryRecords()) {
    HistBox->clear();
    HistVS->setValue(0);
    HistVS->setMaximum(BuildHistoryListing(0).ScrollMax);
    histScrollOffset = 0;  // the next listing starts at the oldest line again
  }
  histReady = true;
}

void frmHistory::HistPrint_Click() {
  histReady = false;
  const std::string heading =
      HistoryPrintHeading(S.VehicleName, StdText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
  const std::vector<std::string> rows = HistoryPrintRows();
  QFont font = HistBox->font();
  PrintJob(this, "Print History Log", [&](QPainter& painter) {
    QPrinter& printer = ProgramPrinter();
    const double pageHeight = painter.viewport().height();
    double y = 0;
    const auto line = [&](const std::string& text) {
      painter.setFont(font);
      const QFontMetricsF metrics(font, &printer);
      if (y > 0 && y + metrics.lineSpacing() > pageHeight) {
        printer.newPage();
        y = 0;
      }
      painter.drawText(QPointF(0, y + metrics.ascent()), QText(text));
      y += metrics.lineSpacing();
    };
    const auto setFont = [&](double size, bool bold, bool underline) {
      font.setPointSizeF(size);
      font.setBold(bold);
      font.setUnderline(underline);
      font.setItalic(false);
      font.setStrikeOut(false);
    };
    setFont(10, false, false);
    line(" ");
    setFont(14, true, true);
    line(heading);
    setFont(10, false, false);
    line(" ");
    for (const std::string& row : rows) line(row);
  });
  histReady = true;
}

void frmHistory::Fontset_Click() {
  QFont chosen = HistBox->font();
  QColor colour = HistBox->palette().color(QPalette::Text);
  if (!ChooseFontAndColour(this, chosen, colour)) return;
  HistoryFont font;
  font.Name = StdText(chosen.family());
  font.Size = static_cast<Single>(chosen.pointSizeF());
  font.Bold = chosen.bold();
  font.Italic = chosen.italic();
  font.Underline = chosen.underline();
  font.StrikeThru = chosen.strikeOut();
  font.Colour = VbColourOf(colour);
  SetBoxFont(font);
}

HistoryFont frmHistory::BoxFont() const {
  const QFont f = HistBox->font();
  HistoryFont font;
  font.Name = StdText(f.family());
  font.Bold = f.bold();
  font.Underline = f.underline();
  font.Colour = VbColourOf(HistBox->palette().color(QPalette::Text));
  font.Size = static_cast<Single>(f.pointSizeF());
  font.Italic = f.italic();
  font.StrikeThru = f.strikeOut();
  return font;
}

void frmHistory::SetBoxFont(const HistoryFont& font) {
  QFont f(QText(font.Name));
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSizeF(font.Size);
  f.setBold(font.Bold);
  f.setItalic(font.Italic);
  f.setUnderline(font.Underline);
  f.setStrikeOut(font.StrikeThru);
  HistBox->setFont(f);
  QPalette palette = HistBox->palette();
  palette.setColor(QPalette::Text, ColourOf(font.Colour));
  HistBox->setPalette(palette);
}

void frmHistory::SaveHistPlace() {
  SavePlace(Cfg.HistTop, Cfg.HistLeft);
  Cfg.HistWidth = static_cast<Long>(width()) * Tw;
  Cfg.HistHeight = static_cast<Long>(height()) * Tw;
  StoreHistoryFont(Cfg, BoxFont());
}

}  // namespace kestrelon
