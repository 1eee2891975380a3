#include "results/ui/frmGraphCascade.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "core/settings.h"
#include "core/state.h"
#include "core/ui/pictures.h"
#include "entry/ui/frmDataInput.h"
#include "platform/qt/help_window.h"
#include "platform/qt/window_print.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "power/ui/power_graph_picture.h"
#include "results/cascade_drawing.h"
#include "results/cascade_gradient.h"

namespace kestrelon {

namespace {

constexpr int HelpContext = 2;
constexpr int Tw = TwipsPerPixel;
// Design sizes in twips: the window's width and the picture's height.
constexpr int DesignWidth = 10800;
constexpr int DesignPictureHeight = 7200;
constexpr int CascadeIcon = 3;  // the strip's icon of the cascades

int Px(double twips) { return static_cast<int>(RoundHalfEven(twips / Tw)); }

}  // namespace

frmGraphCascade::frmGraphCascade() : Form("frmGraphCascade", QStringLiteral("Cascade Graph")) {
  setStyleSheet(QStringLiteral("frmGraphCascade { background: rgb(192, 192, 192); }"));
  setAttribute(Qt::WA_StyledBackground);

  MenuBar = new QMenuBar(this);
  CloseCascadeGraph = MenuBar->addAction(QStringLiteral("&Close"));
  PrintCascadeGraph = MenuBar->addAction(QStringLiteral("&Print"));
  SelectGear = MenuBar->addMenu(QStringLiteral("Select &Gear..."));
  const char* gearNames[] = {"Auto",  "First", "Second",  "Third", "Fourth",
                             "Fifth", "Sixth", "Seventh", "Eighth"};
  for (int i = 0; i <= 8; ++i) {
    SelectGearNumber[static_cast<std::size_t>(i)] = SelectGear->addAction(QString::fromLatin1(gearNames[i]));
    SelectGearNumber[static_cast<std::size_t>(i)]->setCheckable(true);
    connect(SelectGearNumber[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { SelectGearNumber_Click(i); });
  }
  SelectGear->addSeparator();
  SelectResCurve = SelectGear->addAction(QStringLiteral("Resistance"));
  SelectResCurve->setCheckable(true);
  Options = MenuBar->addMenu(QStringLiteral("&Options..."));
  Gradients = Options->addMenu(QStringLiteral("&Gradients..."));
  ShowGradients = Gradients->addAction(QStringLiteral("Show &Gradient "));
  ShowGradients->setCheckable(true);
  SetGradient = Gradients->addAction(QStringLiteral("Se&t Gradient"));
  ShiftPointsShow = Options->addAction(QStringLiteral("&Show Shift Points"));
  ShiftPointsShow->setCheckable(true);
  CascHelp = MenuBar->addAction(QStringLiteral("&Help..."));

  CascadePic = new PowerGraphPicture(this);
  CascadePic->setCursor(Qt::CrossCursor);
  Image1 = new QLabel(this);
  Image1->setPixmap(QPixmap::fromImage(IconStripPicture().copy((CascadeIcon - 1) * 32, 0, 32, 32)));
  CurrentGear = new QLabel(this);
  CurrentRPM = new QLabel(this);
  CurrentForce = new QLabel(this);
  CurrentSpeed = new QLabel(this);
  ClearReadout();

  resize(Px(DesignWidth), MenuBar->sizeHint().height() + Px(DesignPictureHeight + 840));
  setMinimumSize(Px(5800), 334 - static_cast<int>(Cfg.CaptionHeight));

  connect(CloseCascadeGraph, &QAction::triggered, this, &frmGraphCascade::CloseCascadeGraph_Click);
  connect(PrintCascadeGraph, &QAction::triggered, this, &frmGraphCascade::PrintCascadeGraph_Click);
  connect(SelectResCurve, &QAction::triggered, this, &frmGraphCascade::SelectResCurve_Click);
  connect(ShowGradients, &QAction::triggered, this, &frmGraphCascade::ShowGradients_Click);
  connect(SetGradient, &QAction::triggered, this, &frmGraphCascade::SetGradient_Click);
  connect(ShiftPointsShow, &QAction::triggered, this, &frmGraphCascade::ShiftPointsShow_Click);
  connect(CascHelp, &QAction::triggered, this, &frmGraphCascade::CascHelp_Click);
  connect(CascadePic, &PowerGraphPicture::MouseMove, this,
          [this](int, double x, double) { CascadePic_MouseMove(x); });
  // A picture resized is a picture cleared: draw it again once the window shows.
  connect(CascadePic, &PictureBox::resized, this, [this] {
    if (isVisible()) Form_Paint();
  });
}

void frmGraphCascade::Form_Load() {
  ready = false;
  showShiftPoints = showGradient = false;
  ShiftPointsShow->setChecked(false);
  ShowGradients->setChecked(false);
  readout = CascadeReadout{};
  CheckGearItems(-1);
  SelectResCurve->setChecked(false);

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const int designHeight = MenuBar->sizeHint().height() + Px(DesignPictureHeight + 840);
  const bool heightKept = Cfg.GraphCascadeHeight >= 0 && Cfg.GraphCascadeHeight <= screen.height() * Tw;
  const bool widthKept = Cfg.GraphCascadeWidth >= 0 && Cfg.GraphCascadeWidth <= screen.width() * Tw;
  // Centring uses the design size.
  setWindowState(windowState() & ~Qt::WindowMaximized);
  resize(Px(DesignWidth), designHeight);
  PlaceAt(Cfg.GraphCascadeTop, Cfg.GraphCascadeLeft);
  resize(widthKept ? Px(Cfg.GraphCascadeWidth) : Px(DesignWidth),
         heightKept ? Px(Cfg.GraphCascadeHeight) : designHeight);
  if (Cfg.GraphCascadeState == 2) setWindowState(windowState() | Qt::WindowMaximized);
  ShowVehicleName();
}

void frmGraphCascade::ShowVehicleName() {
  SetCaption(S.VehicleName.empty() ? QStringLiteral("Cascade Graph")
                                   : QStringLiteral("Cascade Graph for ") + QText(S.VehicleName));
}

void frmGraphCascade::RedrawFromModel() {
  if (S.Calculating != False) return;
  Form_Paint();
}

void frmGraphCascade::Form_Unload() {
  StorePlace();
  ready = false;
}

void frmGraphCascade::StorePlace() {
  SavePlace(Cfg.GraphCascadeTop, Cfg.GraphCascadeLeft);
  Cfg.GraphCascadeWidth = static_cast<Long>(width()) * Tw;
  Cfg.GraphCascadeHeight = static_cast<Long>(height()) * Tw;
  Cfg.GraphCascadeState = IsMinimised() ? 1 : isMaximized() ? 2 : 0;
}

void frmGraphCascade::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  LayOut();
  Form_Paint();
}

void frmGraphCascade::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  MenuBar->setGeometry(0, 0, width(), MenuBar->sizeHint().height());
  if (isVisible() && !IsMinimised()) LayOut();
}

void frmGraphCascade::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  // Back at the cascade after changing the vehicle elsewhere: show the vehicle as it is now.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && ready) Form_Paint();
}

void frmGraphCascade::LayOut() {
  const int menu = MenuBar->sizeHint().height();
  const double widthTw = static_cast<double>(width()) * Tw;
  const int top = menu + Px(120);
  const double W = widthTw - 300;
  const double H = std::max(15.0, (height() - menu) * double(Tw) - 840);
  CascadePic->setGeometry(Px(120), top, std::max(1, Px(W)), std::max(1, Px(H)));
  const int below = top + Px(H);
  Image1->setGeometry(Px(120), below + Px(120), 32, 32);
  const double w = W - 100;
  const int labelHeight = CurrentGear->sizeHint().height();
  CurrentGear->setGeometry(Px(720), below + Px(180), Px(w * 0.18), labelHeight);
  CurrentRPM->setGeometry(Px(w * 0.18 + 720), below + Px(180), Px(w * 0.26), labelHeight);
  CurrentForce->setGeometry(Px(w * 0.44 + 720), below + Px(180), Px(w * 0.26), labelHeight);
  CurrentSpeed->setGeometry(Px(w * 0.7 + 720), below + Px(180), Px(w * 0.3), labelHeight);
}

void frmGraphCascade::Form_Paint() {
  ready = false;
  // Whatever brings the drawing up to date (a redraw asked for, a show after Restore all, a
  // click) names the vehicle drawn.
  ShowVehicleName();
  ui().SetBusyCursor(true);
  CascadeOptions options;
  options.WindowPixelHeight = height();
  options.ShowShiftPoints = showShiftPoints;
  options.ShowGradient = showGradient;
  scene = ComputeCascadeScene(options);
  ++paints;
  DrawCascade(CascadePic->canvas(), scene);
  ui().SetBusyCursor(false);
  if (!scene.Drawable) {
    // Nothing drawn: no figures of an earlier vehicle stay beneath it.
    ClearReadout();
    return;
  }

  // Gears the vehicle has are offered; the rest are hidden.
  const int gears = static_cast<int>(scene.Gears.size());
  for (int g = 1; g <= 8; ++g) {
    SelectGearNumber[static_cast<std::size_t>(g)]->setEnabled(g <= gears);
    SelectGearNumber[static_cast<std::size_t>(g)]->setVisible(g <= gears);
  }
  readout.ReadoutGearShown = -1;
  RefreshReadoutFactor(readout, scene);
  const FontChoice font = CascadeReadoutFont(CascadePic->width());
  for (QLabel* label : {CurrentGear, CurrentRPM, CurrentSpeed, CurrentForce}) {
    QFont f = label->font();
    f.setPointSize(font.size);
    f.setBold(font.bold);
    label->setFont(f);
  }
  StorePlace();
  ready = true;

  if (readout.SelectedGear == 0 && !readout.ShowResistance)
    SelectGearNumber_Click(0);
  else if (readout.SelectedGear > gears)
    SelectGearNumber_Click(gears);
  else if (readout.SelectedGear > 0)
    SelectGearNumber_Click(readout.SelectedGear);
}

void frmGraphCascade::CheckGearItems(int checked) {
  for (int i = 0; i <= 8; ++i) SelectGearNumber[static_cast<std::size_t>(i)]->setChecked(i == checked);
}

void frmGraphCascade::ClearReadout() {
  CurrentGear->setText(QStringLiteral("Gear :"));
  CurrentRPM->setText(QStringLiteral("RPM :"));
  CurrentForce->setText(QStringLiteral("Force : "));
  CurrentSpeed->setText(QStringLiteral("Speed : "));
}

void frmGraphCascade::ShowTexts(const ReadoutTexts& t) {
  if (t.Gear) CurrentGear->setText(QText(*t.Gear));
  if (t.RPM) CurrentRPM->setText(QText(*t.RPM));
  if (t.Force) CurrentForce->setText(QText(*t.Force));
  if (t.Speed) CurrentSpeed->setText(QText(*t.Speed));
}

void frmGraphCascade::SelectGearNumber_Click(int index) {
  if (!ready) {
    // A menu check follows the choice only once the choice is taken.
    CheckGearItems(readout.ShowResistance ? -1 : readout.SelectedGear);
    return;
  }
  CheckGearItems(index);
  SelectResCurve->setChecked(false);
  CurrentGear->setText(QText(SelectReadoutGear(readout, scene, index)));
}

void frmGraphCascade::SelectResCurve_Click() {
  if (!ready) {
    SelectResCurve->setChecked(readout.ShowResistance);
    return;
  }
  CheckGearItems(-1);
  SelectResCurve->setChecked(true);
  CurrentGear->setText(QText(SelectReadoutResistance(readout)));
}

void frmGraphCascade::ShiftPointsShow_Click() {
  if (ready) showShiftPoints = !showShiftPoints;
  ShiftPointsShow->setChecked(showShiftPoints);
  if (ready) Form_Paint();
}

void frmGraphCascade::ShowGradients_Click() {
  if (ready) showGradient = !showGradient;
  ShowGradients->setChecked(showGradient);
  if (ready) Form_Paint();
}

void frmGraphCascade::SetGradient_Click() {
  auto* dialog = static_cast<frmDataInput*>(Form::Instance("frmDataInput"));
  if (!dialog) return;
  S.InputItemValue = GradientDialogText();
  S.InputItemMax = 50;
  S.InputItemMin = -50;
  dialog->ItemLabel->setText(QStringLiteral("Percentage gradient"));
  dialog->ShowModal();
  if (S.CancelFlag == 1) {
    S.CancelFlag = 0;
    return;
  }
  if (ApplyGradientAnswer(S.InputItemValue) == GradientAnswer::Changed && isVisible()) Form_Paint();
}

void frmGraphCascade::CloseCascadeGraph_Click() {
  if (ready) Unload();
}

void frmGraphCascade::PrintCascadeGraph_Click() {
  if (ready) PrintWindowImage(*this, "Print Cascades");
}

void frmGraphCascade::CascHelp_Click() { ShowHelpTopic(HelpContext); }

void frmGraphCascade::CascadePic_MouseMove(double x) {
  if (!ready) return;
  ShowTexts(PointerReadout(readout, scene, x, showGradient));
}

}  // namespace kestrelon
