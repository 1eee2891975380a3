#include "results/ui/frmGraphColours.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrelon {
namespace {

QColor ToQColor(Color c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

ChannelSampleLine::ChannelSampleLine(QWidget* parent) : QWidget(parent) {
  setMinimumSize(120, 16);
}

void ChannelSampleLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QPen pen(ToQColor(colour));
  pen.setWidth(lineType >= 3 ? 2 : 1);
  pen.setStyle(lineType == 1 ? Qt::DashLine : lineType == 2 ? Qt::DotLine : Qt::SolidLine);
  p.setPen(pen);
  p.drawLine(4, height() / 2, width() - 4, height() / 2);
}

PalettePicture::PalettePicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(128, 128);
  setCursor(Qt::PointingHandCursor);
}

void PalettePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const double cw = width() / 4.0, ch = height() / 4.0;
  for (int i = 0; i < 16; ++i)
    p.fillRect(QRectF((i % 4) * cw, (i / 4) * ch, cw, ch), ToQColor(QBColor(i)));
}

void PalettePicture::mousePressEvent(QMouseEvent* event) {
  emit pressedAt(event->position().x() * 256.0 / width(), event->position().y() * 256.0 / height());
}

frmGraphColours::frmGraphColours()
    : Form("frmGraphColours", QStringLiteral("Colours and Line Types")) {
  ColourPic = new PalettePicture(this);
  ColourPic->setObjectName(QStringLiteral("ColourPic"));
  Picture1 = new QFrame(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setAutoFillBackground(true);
  QPalette white = Picture1->palette();
  white.setColor(QPalette::Window, Qt::white);
  Picture1->setPalette(white);
  Picture1->setFrameShape(QFrame::StyledPanel);
  auto* samples = new QGridLayout(Picture1);
  for (int k = 1; k <= GraphChannels; ++k) {
    TraceLabel[k] = new QLabel(QStringLiteral("Channel %1").arg(k), Picture1);
    TraceLabel[k]->setObjectName(QStringLiteral("TraceLabel%1").arg(k));
    TraceLabel[k]->setFrameShape(QFrame::Box);
    TraceLabel[k]->setCursor(Qt::PointingHandCursor);
    TraceLabel[k]->installEventFilter(this);
    TraceLine[k] = new ChannelSampleLine(Picture1);
    samples->addWidget(TraceLabel[k], k - 1, 0);
    samples->addWidget(TraceLine[k], k - 1, 1);
  }

  auto* lineType = new QGroupBox(QStringLiteral("Line type"), this);
  lineType->setObjectName(QStringLiteral("Frame1"));
  LineThin = new QRadioButton(QStringLiteral("Thin"), lineType);
  LineThick = new QRadioButton(QStringLiteral("Thick"), lineType);
  auto* typeLayout = new QHBoxLayout(lineType);
  typeLayout->addWidget(LineThin);
  typeLayout->addWidget(LineThick);

  ColourSet = new QPushButton(QStringLiteral("Set"), this);
  ColourSet->setDefault(true);
  ColourCancel = new QPushButton(QStringLiteral("Cancel"), this);
  SetCancelButton(ColourCancel);

  auto* top = new QHBoxLayout;
  top->addWidget(ColourPic);
  top->addWidget(Picture1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lineType);
  buttons->addStretch();
  buttons->addWidget(ColourSet);
  buttons->addWidget(ColourCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);

  connect(ColourPic, &PalettePicture::pressedAt, this, &frmGraphColours::ColourPic_MouseDown);
  connect(LineThin, &QRadioButton::toggled, this, [this](bool on) {
    if (on) LineThin_Click();
  });
  connect(LineThick, &QRadioButton::toggled, this, [this](bool on) {
    if (on) LineThick_Click();
  });
  connect(ColourSet, &QPushButton::clicked, this, &frmGraphColours::ColourSet_Click);
  connect(ColourCancel, &QPushButton::clicked, this, &frmGraphColours::ColourCancel_Click);
}

void frmGraphColours::Form_Load() {
  adjustSize();
  CentreOnScreen();
  edit_ = ChannelColourEdit::From(GraphDisplay);
  edit_.SelectedChannel = 0;
  for (int k = 1; k <= GraphChannels; ++k) TraceLabel[k]->setLineWidth(0);
}

void frmGraphColours::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  Form_Paint();
}

bool frmGraphColours::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress)
    for (int k = 1; k <= GraphChannels; ++k)
      if (watched == TraceLabel[k]) {
        TraceLabel_Click(k);
        return true;
      }
  return Form::eventFilter(watched, event);
}

void frmGraphColours::ShowChannel(int k) {
  const Color colour = QBColor(edit_.PendingColour[k]);
  TraceLabel[k]->setStyleSheet(QStringLiteral("color: %1").arg(ToQColor(colour).name()));
  TraceLine[k]->colour = colour;
  TraceLine[k]->lineType = edit_.PendingWidth[k];
  TraceLine[k]->update();
}

void frmGraphColours::Form_Paint() {
  for (int k = 1; k <= GraphChannels; ++k) ShowChannel(k);
  ColourPic->update();
  TraceLabel_Click(1);
}

void frmGraphColours::TraceLabel_Click(int n) {
  if (edit_.SelectedChannel != 0) TraceLabel[edit_.SelectedChannel]->setLineWidth(0);
  TraceLabel[n]->setLineWidth(1);  // the frame marks the channel being edited
  edit_.SelectedChannel = static_cast<Integer>(n);
  QRadioButton* option = edit_.PendingWidth[n] != 0 ? LineThick : LineThin;
  option->setChecked(true);
  option->setFocus();
}

void frmGraphColours::ColourPic_MouseDown(double x, double y) {
  edit_.PickColour(PaletteColourAt(x, y));
  if (edit_.SelectedChannel != 0) ShowChannel(edit_.SelectedChannel);
}

void frmGraphColours::LineThin_Click() {
  edit_.PickWidth(false);
  if (edit_.SelectedChannel != 0) ShowChannel(edit_.SelectedChannel);
}

void frmGraphColours::LineThick_Click() {
  edit_.PickWidth(true);
  if (edit_.SelectedChannel != 0) ShowChannel(edit_.SelectedChannel);
}

void frmGraphColours::ColourSet_Click() {
  edit_.SetInto(GraphDisplay);
  Unload();
}

void frmGraphColours::ColourCancel_Click() { Unload(); }

}  // namespace kestrelon
