#include "results/ui/frmGraphDyn.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/scroll_keys.h"
#include "platform/qt/text.h"
#include "platform/qt/window_print.h"
#include "results/run_graph_readout.h"

namespace kestrelon {
namespace {

constexpr int HelpContext = 15;
constexpr int DesignWidth = 700;      // pixels
constexpr int DesignPlotHeight = 420;
constexpr int DesignExtraHeight = 76;  // menu, strip and margins below the plot

QString ColourName(int paletteColour) {
  const Color c = QBColor(paletteColour);
  return QColor(RedOf(c), GreenOf(c), BlueOf(c)).name();
}

}  // namespace

RunGraphPicture::RunGraphPicture(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void RunGraphPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (image.isNull())
    p.fillRect(rect(), Qt::white);
  else
    p.drawImage(0, 0, image);
}

void RunGraphPicture::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->position().x(), event->position().y());
}

frmGraphDyn::frmGraphDyn() : Form("frmGraphDyn", QStringLiteral("Simulation Results")) {
  MenuBar = new QMenuBar(this);
  DynGraphExit = MenuBar->addAction(QStringLiteral("Clos&e"));
  DynGraphPrint = MenuBar->addAction(QStringLiteral("&Print"));
  DynGraphOptions = MenuBar->addAction(QStringLiteral("&Options..."));
  DynGraphColours = MenuBar->addAction(QStringLiteral("&Colours..."));
  DynGraphHelp = MenuBar->addAction(QStringLiteral("&Help"));

  DynPort = new QWidget(this);
  DynPort->setObjectName(QStringLiteral("DynPort"));
  DynPic = new RunGraphPicture(DynPort);
  DynPic->setObjectName(QStringLiteral("DynPic"));
  ZoomScroll = new QScrollBar(Qt::Horizontal, this);
  ZoomScroll->setObjectName(QStringLiteral("ZoomScroll"));
  TextPic = new QFrame(this);
  TextPic->setObjectName(QStringLiteral("TextPic"));
  TextPic->setFrameShape(QFrame::StyledPanel);
  Image1 = new QLabel(this);
  Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(24, 24));
  DynTime = new QLabel(TextPic);
  DynTime->setObjectName(QStringLiteral("DynTime"));
  for (int k = 1; k <= GraphChannels; ++k) {
    OptValue[k] = new QLabel(TextPic);
    OptValue[k]->setObjectName(QStringLiteral("OptValue%1").arg(k));
  }
  setMinimumSize(5800 / TwipsPerPixel, 354);

  connect(DynGraphExit, &QAction::triggered, this, &frmGraphDyn::DynGraphExit_Click);
  connect(DynGraphPrint, &QAction::triggered, this, &frmGraphDyn::DynGraphPrint_Click);
  connect(DynGraphOptions, &QAction::triggered, this, &frmGraphDyn::DynGraphOptions_Click);
  connect(DynGraphColours, &QAction::triggered, this, &frmGraphDyn::DynGraphColours_Click);
  connect(DynGraphHelp, &QAction::triggered, this, &frmGraphDyn::DynGraphHelp_Click);
  connect(ZoomScroll, &QScrollBar::valueChanged, this, &frmGraphDyn::ZoomScroll_Change);
  connect(DynPic, &RunGraphPicture::mouseMoved, this,
          [this](double px, double) { DynPic_MouseMove(PlotX(px)); });
  // A resize is drawn once it has settled, not at every step of a drag.
  resizeSettled_.setSingleShot(true);
  resizeSettled_.setInterval(60);
  connect(&resizeSettled_, &QTimer::timeout, this, [this] {
    if (isVisible()) Refresh();
  });
}

void frmGraphDyn::Form_Load() {
  graph_.Drawn = false;
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  const Long screenW = screen.width() * TwipsPerPixel, screenH = screen.height() * TwipsPerPixel;
  const int h = Cfg.GraphDynHeight >= 0 && Cfg.GraphDynHeight <= screenH
                    ? Cfg.GraphDynHeight / TwipsPerPixel
                    : DesignPlotHeight + DesignExtraHeight;
  const int w = Cfg.GraphDynWidth >= 0 && Cfg.GraphDynWidth <= screenW
                    ? Cfg.GraphDynWidth / TwipsPerPixel
                    : DesignWidth;
  resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
  PlaceAt(Cfg.GraphDynTop, Cfg.GraphDynLeft);
  if (Cfg.GraphDynState == 2) setWindowState(windowState() | Qt::WindowMaximized);
  DecodeChannelColours(Cfg.ProfCols, GraphDisplay);
  ZoomScroll->setValue(0);
  ZoomScroll->setVisible(S.GraphZoom > 1);
  DynPic->move(0, 0);
}

void frmGraphDyn::Form_Unload() {
  StorePlace();
  resizeSettled_.stop();
  graph_.Drawn = false;
}

void frmGraphDyn::StorePlace() {
  SavePlace(Cfg.GraphDynTop, Cfg.GraphDynLeft);
  Cfg.GraphDynWidth = width() * TwipsPerPixel;
  Cfg.GraphDynHeight = height() * TwipsPerPixel;
  Cfg.GraphDynState = (windowState() & Qt::WindowMaximized) ? 2 : 0;
}

void frmGraphDyn::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  Refresh();
}

void frmGraphDyn::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  graph_.Drawn = false;
  resizeSettled_.start();
}

void frmGraphDyn::LayOut() {
  const double zoom = S.GraphZoom > 0 ? S.GraphZoom : 1;
  const bool zoomed = zoom > 1;
  const int menu = MenuBar->sizeHint().height();
  MenuBar->setGeometry(0, 0, width(), menu);
  const int W = width(), H = height() - menu;

  // The read-out strip along the bottom.
  int h = std::max(W / 20, 32);
  h = std::min(h, std::max(H / 10, 1));
  const int stripLeft = 48;
  const int stripWidth = std::max(W - stripLeft - 8, 15 * h);
  const int stripTop = menu + H - h - 10;
  TextPic->setGeometry(stripLeft, stripTop, stripWidth, h);
  Image1->setGeometry(12, stripTop + (h - 24) / 2, 24, 24);

  // The viewport above it, less the scroll bar's height when zoomed.
  const int portWidth = std::max(W - 20, 1);
  int portHeight = std::max(stripTop - menu - 14, 1);
  const int scrollHeight = ZoomScroll->sizeHint().height();
  if (zoomed) portHeight = std::max(portHeight - scrollHeight, 1);
  DynPort->setGeometry(10, menu + 4, portWidth, portHeight);
  DynPic->setGeometry(DynPic->x(), 0, static_cast<int>(std::lround(portWidth * zoom)), portHeight);
  ZoomScroll->setGeometry(10, menu + 4 + portHeight, portWidth, scrollHeight);
  ZoomScroll->setVisible(zoomed);
  if (!zoomed) DynPic->move(0, 0);

  const int inner = stripWidth - 8, half = h / 2;
  DynTime->setGeometry(8, 0, static_cast<int>(inner * 0.14), half);
  const int left1 = DynTime->width() + 8, left3 = static_cast<int>(inner * 0.57) + 8;
  const int valueWidth = static_cast<int>(inner * 0.43);
  OptValue[1]->setGeometry(left1, 0, valueWidth, half);
  OptValue[2]->setGeometry(left1, half, valueWidth, half);
  OptValue[3]->setGeometry(left3, 0, valueWidth, half);
  OptValue[4]->setGeometry(left3, half, valueWidth, half);
  LayoutValueLabels();
}

void frmGraphDyn::LayoutValueLabels() {
  const double twips = TwipsPerPixel;
  Integer size = std::min(CInt(TextPic->width() * twips / 750), CInt(TextPic->height() * twips / 60));
  bool bold = true;
  if (size / twips <= 0.5) {
    bold = false;
    size = CInt(twips / 2);
  }
  QFont font = DynTime->font();
  font.setPointSize(std::max<int>(size, 1));
  font.setBold(bold);
  DynTime->setFont(font);
  for (int k = 1; k <= GraphChannels; ++k) OptValue[k]->setFont(font);
}

void frmGraphDyn::Refresh() {
  graph_.Drawn = false;
  LayOut();
  PrepareRunGraph(graph_);
  for (int k = 1; k <= GraphChannels; ++k) OptValue[k]->clear();

  QImage image(std::max(DynPic->width(), 1), std::max(DynPic->height(), 1), QImage::Format_RGB32);
  {
    QPainter painter(&image);
    QtCanvas pic(painter);
    DrawRunGraph(pic, graph_, height());
    scaleLeft_ = pic.ScaleLeft();
    scaleWidth_ = pic.ScaleWidth();
  }
  DynPic->image = image;
  DynPic->update();

  const double zoom = S.GraphZoom > 0 ? S.GraphZoom : 1;
  if (zoom > 1) {
    const int range = std::max(DynPic->width() - DynPort->width(), 0);
    ZoomScroll->setRange(0, range);
    const int large = CInt(range / (2 * zoom));
    ZoomScroll->setPageStep(std::max(large, 1));
    ZoomScroll->setSingleStep(std::max<int>(CInt(large / 10.0), 1));
  }
  for (int k = 1; k <= GraphChannels; ++k) {
    if (GraphDisplay.TraceChoice[k] <= 0) continue;
    OptValue[k]->setText(QText(graph_.ChannelTitle[k] + " :"));
    OptValue[k]->setStyleSheet(
        QStringLiteral("color: %1").arg(ColourName(GraphDisplay.ChannelColour[k])));
  }
  DynTime->clear();
  StorePlace();
  Cfg.ProfCols = EncodeChannelColours(GraphDisplay);
}

double frmGraphDyn::PlotX(double px) const {
  const int w = DynPic->image.isNull() ? DynPic->width() : DynPic->image.width();
  return w > 0 ? scaleLeft_ + px * scaleWidth_ / w : 0;
}

void frmGraphDyn::DynPic_MouseMove(double x) {
  const std::optional<ReadOut> readOut = ReadOutAt(graph_, x);
  if (!readOut) return;
  DynTime->setText(QText(readOut->position));
  for (int k = 1; k <= GraphChannels; ++k) OptValue[k]->setText(QText(readOut->values[k]));
}

void frmGraphDyn::ZoomScroll_Change(int value) { DynPic->move(-value, 0); }

void frmGraphDyn::keyPressEvent(QKeyEvent* event) {
  if (!ScrollByKey(*ZoomScroll, event)) Form::keyPressEvent(event);
}

void frmGraphDyn::DynGraphExit_Click() {
  if (GraphDrawn()) Unload();
}

void frmGraphDyn::DynGraphPrint_Click() {
  if (GraphDrawn()) PrintSimulation();
}

// The print job shows the hourglass itself, once any PDF file is chosen.
bool frmGraphDyn::PrintSimulation() { return PrintWindowImage(*this, "Print Simulation"); }

void frmGraphDyn::DynGraphOptions_Click() {
  if (!GraphDrawn()) return;
  if (Form* options = Form::Instance("frmSimDisplay")) options->Show();
}

void frmGraphDyn::DynGraphColours_Click() {
  if (!GraphDrawn()) return;
  if (Form* colours = Form::Instance("frmGraphColours")) colours->ShowModal();
  Cfg.ProfCols = EncodeChannelColours(GraphDisplay);
  if (isVisible()) Refresh();
}

void frmGraphDyn::DynGraphHelp_Click() { ShowHelpTopic(HelpContext); }

}  // namespace kestrelon
