#include "simulation/ui/frmCalcProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/state.h"
#include "platform/qt/qt_canvas.h"

namespace kestrelon {
namespace {

// The bar's scale: one unit across per recorded point, 20 units high, y upward.
constexpr double BarPoints = 1000;
constexpr double BarHeight = 20;
constexpr int BarColour = 9;  // light blue

void SetBarScale(Canvas& canvas) { canvas.Scale(0, BarHeight, BarPoints, 0); }

}  // namespace

frmCalcProgress::frmCalcProgress()
    : Form("frmCalcProgress", QStringLiteral("Running Simulation"), false) {
  Image1 = new QLabel(this);
  Image1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
  CalcPic = new PictureBox(this);
  CalcPic->setFixedSize(300, 20);
  CalcCancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  // The run lets window events through while this window shows; only its Cancel may take
  // them, so no other command (a second run, an edit of the model) starts meanwhile.
  HoldInputWhenShown();

  auto* top = new QHBoxLayout;
  top->addWidget(Image1);
  top->addWidget(CalcPic);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(CalcCancelButton, 0, Qt::AlignHCenter);

  connect(CalcCancelButton, &QPushButton::clicked, this, &frmCalcProgress::CalcCancelButton_Click);
  // A resized picture starts clear; it keeps the bar's scale.
  connect(CalcPic, &PictureBox::resized, this, [this] { SetBarScale(CalcPic->canvas()); });
}

void frmCalcProgress::Form_Load() {
  CentreOnScreen();
  // Every run that shows progress starts with an empty bar.
  Canvas& bar = CalcPic->canvas();
  SetBarScale(bar);
  bar.BackColor = QBColor(15);
  bar.Cls();
}

void frmCalcProgress::SetRunProgress(int point) {
  CalcPic->canvas().FillBox(0, 0, point, BarHeight, QBColor(BarColour));
}

void frmCalcProgress::CalcCancelButton_Click() {
  S.CancelFlag = 1;
  Unload();
}

void frmCalcProgress::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (IsLoaded()) CalcCancelButton_Click();
}

void frmCalcProgress::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    CalcCancelButton->click();
  else
    Form::keyPressEvent(event);
}

}  // namespace kestrelon
