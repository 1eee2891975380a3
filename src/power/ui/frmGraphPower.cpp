#include "power/ui/frmGraphPower.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "core/settings.h"
#include "core/state.h"
#include "core/ui/pictures.h"
#include "core/units.h"
#include "entry/entry_chain.h"
#include "platform/qt/help_window.h"
#include "platform/qt/letter_keys.h"
#include "platform/qt/window_print.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "power/curve_graph_commands.h"
#include "power/curve_graph_imports.h"
#include "power/curve_manipulation.h"
#include "power/ui/frmPowerManipulate.h"
#include "power/curve_mouse_edit.h"
#include "power/power_curve.h"
#include "power/rpm_limit_command.h"
#include "power/ui/power_graph_picture.h"

namespace kestrelon {

namespace {

constexpr int HelpContext = 11;
constexpr int Tw = TwipsPerPixel;
// Design sizes in twips: the client area and the picture's height.
constexpr int DesignWidth = 7224;
constexpr int DesignPictureHeight = 4452;
constexpr int CurveIcon = 6;  // the strip's icon of the power curve

QPixmap CurveIconPicture() {
  const QImage strip = IconStripPicture();
  return QPixmap::fromImage(strip.copy((CurveIcon - 1) * 32, 0, 32, 32));
}

int Px(double twips) { return static_cast<int>(RoundHalfEven(twips / Tw)); }

}  // namespace

frmGraphPower::frmGraphPower() : Form("frmGraphPower", QStringLiteral("Graph")) {
  setStyleSheet(QStringLiteral("frmGraphPower { background: rgb(192, 192, 192); }"));
  setAttribute(Qt::WA_StyledBackground);

  MenuBar = new QMenuBar(this);
  PowerCurvePrint = MenuBar->addAction(QStringLiteral("&Print"));
  PowerManipulate = MenuBar->addMenu(QStringLiteral("&Manipulate..."));
  PowerFill = PowerManipulate->addAction(QStringLiteral("&Fill in"));
  PowerErase = PowerManipulate->addMenu(QStringLiteral("&Erase"));
  PowerEraseAll = PowerErase->addAction(QStringLiteral("Entire Power &Curve"));
  PowerEraseOn = PowerErase->addAction(QStringLiteral("O&n"));
  PowerEraseOff = PowerErase->addAction(QStringLiteral("O&ff"));
  PowerEraseOn->setCheckable(true);
  PowerEraseOff->setCheckable(true);
  PowerEraseOff->setChecked(true);
  PowerManipulateOptions = PowerManipulate->addAction(QStringLiteral("&Options..."));
  PowerManipulateRPMlimit = PowerManipulate->addAction(QStringLiteral("&RPM limit"));
  PowerManipulateText = PowerManipulate->addAction(QStringLiteral("&Text Entry..."));
  PowerGet = MenuBar->addMenu(QStringLiteral("&Get..."));
  PowerOriginal = PowerGet->addAction(QStringLiteral("&Original unmodified power curve"));
  PowerNA = PowerGet->addAction(QStringLiteral("&No Nitrous power curve"));
  Power1 = PowerGet->addAction(QStringLiteral("&First Stage power curve"));
  Power2 = PowerGet->addAction(QStringLiteral("&Second Stage power curve"));
  PowerSuper = PowerGet->addAction(QStringLiteral("S&uperFlow power curve..."));
  PowerEA = PowerGet->addAction(QStringLiteral("&Engine Analyser power curve..."));
  PowerUnits = MenuBar->addMenu(QStringLiteral("&Units"));
  PowerUnitsBHP = PowerUnits->addAction(QStringLiteral("&BHP"));
  PowerUnitsKW = PowerUnits->addAction(QStringLiteral("&KW"));
  PowerUnitsBHP->setCheckable(true);
  PowerUnitsKW->setCheckable(true);
  PowerUnitsBHP->setChecked(true);
  PowerHelpDisplay = MenuBar->addAction(QStringLiteral("&Help..."));

  PowerPic = new PowerGraphPicture(this);
  PowerPic->Overlay = [this](Canvas& pic) {
    if (graph.GraphReady) DrawMarkLines(pic, graph);
  };
  CurrentRPM = new QLabel(QStringLiteral("RPM :"), this);
  CurrentBHP = new QLabel(QStringLiteral("BHP :"), this);
  CurrentTorque = new QLabel(QStringLiteral("lb/ft :"), this);
  GraphOKButton = new QPushButton(QStringLiteral("OK"), this);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  GraphOKButton->setDefault(true);  // Enter accepts the curve
  Image1 = new QLabel(this);
  Image1->setPixmap(CurveIconPicture());

  PowerPic->setGeometry(Px(120), Px(120), Px(6972), Px(DesignPictureHeight));
  resize(Px(DesignWidth), MenuBar->sizeHint().height() + Px(DesignPictureHeight + 840));
  setMinimumSize(Px(5800), 334 - static_cast<int>(Cfg.CaptionHeight));

  connect(PowerCurvePrint, &QAction::triggered, this, &frmGraphPower::PowerCurvePrint_Click);
  connect(PowerFill, &QAction::triggered, this, &frmGraphPower::PowerFill_Click);
  connect(PowerEraseAll, &QAction::triggered, this, &frmGraphPower::PowerEraseAll_Click);
  connect(PowerEraseOn, &QAction::triggered, this, &frmGraphPower::PowerEraseOn_Click);
  connect(PowerEraseOff, &QAction::triggered, this, &frmGraphPower::PowerEraseOff_Click);
  connect(PowerManipulateRPMlimit, &QAction::triggered, this,
          &frmGraphPower::PowerManipulateRPMlimit_Click);
  connect(PowerManipulateOptions, &QAction::triggered, this,
          &frmGraphPower::PowerManipulateOptions_Click);
  connect(PowerManipulateText, &QAction::triggered, this,
          &frmGraphPower::PowerManipulateText_Click);
  connect(PowerSuper, &QAction::triggered, this, &frmGraphPower::PowerSuper_Click);
  connect(PowerEA, &QAction::triggered, this, &frmGraphPower::PowerEA_Click);
  connect(PowerOriginal, &QAction::triggered, this, &frmGraphPower::PowerOriginal_Click);
  connect(PowerNA, &QAction::triggered, this, [this] { CopyColumn_Click(0); });
  connect(Power1, &QAction::triggered, this, [this] { CopyColumn_Click(1); });
  connect(Power2, &QAction::triggered, this, [this] { CopyColumn_Click(2); });
  connect(PowerUnitsBHP, &QAction::triggered, this, &frmGraphPower::PowerUnitsBHP_Click);
  connect(PowerUnitsKW, &QAction::triggered, this, &frmGraphPower::PowerUnitsKW_Click);
  connect(PowerHelpDisplay, &QAction::triggered, this, &frmGraphPower::PowerHelpDisplay_Click);
  connect(GraphOKButton, &QPushButton::clicked, this, &frmGraphPower::GraphOKButton_Click);
  connect(CancelButton, &QPushButton::clicked, this, &frmGraphPower::CancelButton_Click);
  connect(PowerPic, &PowerGraphPicture::MouseDown, this, &frmGraphPower::PowerPic_MouseDown);
  connect(PowerPic, &PowerGraphPicture::MouseMove, this, &frmGraphPower::PowerPic_MouseMove);
  // A picture resized is a picture cleared: draw it again once the window shows.
  connect(PowerPic, &PictureBox::resized, this, [this] {
    if (isVisible()) Form_Paint();
  });
  // The window sees its keys before its controls do; open menus keep their own keys.
  for (QWidget* child : findChildren<QWidget*>())
    if (!qobject_cast<QMenu*>(child)) child->installEventFilter(this);
}

void frmGraphPower::Form_Load() {
  graph = PowerGraphState{};
  PowerEraseOn->setChecked(false);
  PowerEraseOff->setChecked(true);
  ApplyPowerUnit(S.PowerUnit);
  SetCurveCaption();
  if (S.AutoAccept != False) {
    GraphOKButton_Click();
    return;
  }
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const bool heightKept = Cfg.GraphPowerHeight >= 0 && Cfg.GraphPowerHeight <= screen.height() * Tw;
  const bool widthKept = Cfg.GraphPowerWidth >= 0 && Cfg.GraphPowerWidth <= screen.width() * Tw;
  const int h = heightKept ? Px(Cfg.GraphPowerHeight)
                           : MenuBar->sizeHint().height() + Px(DesignPictureHeight + 840);
  const int w = widthKept ? Px(Cfg.GraphPowerWidth) : Px(DesignWidth);
  // Centring uses the design size, as the window has it before it is moved.
  resize(Px(DesignWidth), MenuBar->sizeHint().height() + Px(DesignPictureHeight + 840));
  PlaceAt(Cfg.GraphPowerTop, Cfg.GraphPowerLeft);
  resize(w, h);
  if (Cfg.GraphPowerState == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void frmGraphPower::Form_Unload() {
  S.CurveGraphOpen = False;
  if (!graph.GraphReady) return;
  StorePlace();
}

void frmGraphPower::StorePlace() {
  SavePlace(Cfg.GraphPowerTop, Cfg.GraphPowerLeft);
  Cfg.GraphPowerWidth = static_cast<Long>(width()) * Tw;
  Cfg.GraphPowerHeight = static_cast<Long>(height()) * Tw;
  Cfg.GraphPowerState = IsMinimised() ? 1 : isMaximized() ? 2 : 0;
}

void frmGraphPower::SetCurveCaption() {
  static constexpr const char* DefaultCaptions[] = {
      "Power with no Nitrous", "Power with 1st stage Nitrous", "Power with 2nd stage Nitrous"};
  QAction* items[] = {PowerNA, Power1, Power2};
  const int shown = S.PowerCurveIndex;
  for (int c = 0; c < CurveColumns; ++c) {
    items[c]->setEnabled(c != shown);
    if (!Trim(S.PowerDescript[c]).empty()) items[c]->setText(QText(S.PowerDescript[c]));
  }
  const std::string title = Trim(S.PowerDescript[shown]);
  SetCaption(QText(title.empty() ? std::string(DefaultCaptions[shown]) : title));
}

void frmGraphPower::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  LayOut();
  Form_Paint();
}

void frmGraphPower::Form_Paint() {
  graph.GraphReady = false;
  const bool bhp = S.PowerUnit == "BHP";
  PowerUnitsBHP->setChecked(bhp);
  PowerUnitsKW->setChecked(!bhp);
  ApplyPowerUnit(S.PowerUnit);
  graph.EraseKeyHeld = false;
  CurrentTorque->setText(QText(S.TorqueUnits + " :"));
  CurrentBHP->setText(QText(S.PowerUnit + " :"));
  SetCurveCaption();

  Canvas& pic = PowerPic->canvas();
  scale = ComputePowerGraphScale(S.GraphRPMTop, S.CurvePeakValue, S.PowerUnit,
                                 S.PowerUnitDivisor);
  pic.Cls();
  SetPowerGraphUserScale(pic);
  marker = MarkerSizeOf(pic);
  S.GraphXPerUnit = scale.xPerUnit;
  S.GraphYPerUnit = scale.yPerUnit;
  S.GraphXPerRPMIndex = scale.xPerRPMIndex;
  DrawPowerGraphFrame(pic, scale);
  const FontChoice readout = ReadoutFontFor(PowerPic->width());
  for (QLabel* label : {CurrentRPM, CurrentBHP, CurrentTorque}) {
    QFont font = label->font();
    font.setPointSize(readout.size);
    font.setBold(readout.bold);
    label->setFont(font);
  }
  DrawPowerCurve(pic, marker, graph.GraphPrinting);

  graph.GraphReady = true;
  PowerPic->update();  // the marks and the rev-limit line
  PowerPic->setCursor(graph.RPMLimitMode ? Qt::UpArrowCursor : Qt::CrossCursor);
  StorePlace();
}

void frmGraphPower::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  MenuBar->setGeometry(0, 0, width(), MenuBar->sizeHint().height());
  if (isVisible() && !IsMinimised()) Form_Resize();
}

void frmGraphPower::Form_Resize() {
  graph.GraphReady = false;
  const QSize before = PowerPic->size();
  LayOut();
  // A picture of the same size is not cleared, so nothing else draws it again.
  if (PowerPic->size() == before) Form_Paint();
}

void frmGraphPower::LayOut() {
  const int menu = MenuBar->sizeHint().height();
  const double widthTw = static_cast<double>(width()) * Tw;
  PowerPic->setGeometry(Px(120), menu + Px(120), Px(widthTw - 300),
                        std::max(1, Px((height() - menu) * Tw - 840.0)));
  const int bottom = PowerPic->geometry().bottom() + 1;
  const int slot = Px(RoundHalfEven((widthTw - 2530) / 3));
  Image1->setGeometry(Px(120), bottom + Px(120), 32, 32);
  const int labelHeight = Px(372);
  CurrentRPM->setGeometry(Px(720), bottom + Px(180), slot, labelHeight);
  CurrentBHP->setGeometry(Px(720) + slot, bottom + Px(180), slot, labelHeight);
  CurrentTorque->setGeometry(Px(720) + 2 * slot, bottom + Px(180), slot, labelHeight);
  GraphOKButton->setGeometry(Px(widthTw - 880), bottom + Px(120), Px(732), Px(372));
  CancelButton->setGeometry(Px(widthTw - 1720), bottom + Px(120), Px(732), Px(372));
}

void frmGraphPower::PlotRow(int row, bool draw) {
  PlotCurvePoint(PowerPic->canvas(), marker, row, draw);
}

void frmGraphPower::ShowReadouts() {
  CurrentTorque->setText(QText(TorqueReadout(graph)));
  CurrentBHP->setText(QText(PowerReadout(graph)));
}

void frmGraphPower::PowerPic_MouseDown(int button, double x, double y) {
  if (!graph.GraphReady) return;
  MapPointer(graph, static_cast<Single>(x), static_cast<Single>(y));
  const int row = graph.MouseRPMIndex;
  if (graph.RPMLimitMode) {
    if (button == Qt::LeftButton && PickRevLimit(row)) {
      PowerPic->update();
      PowerManipulateRPMlimit_Click();
    }
    return;
  }
  if (button == Qt::LeftButton) {
    SetCurvePoint(graph, 1, [this](int r, bool draw) { PlotRow(r, draw); });
    ShowReadouts();
  } else if (button == Qt::RightButton && ToggleRangeMark(graph, row)) {
    PowerPic->update();
  }
}

void frmGraphPower::PowerPic_MouseMove(int buttons, double x, double y) {
  if (!graph.GraphReady) return;
  MapPointer(graph, static_cast<Single>(x), static_cast<Single>(y));
  if (graph.MouseRPMIndex < 0 || graph.MouseRPMIndex > S.MaxRPMIndex) return;
  CurrentRPM->setText(QText(RPMReadout(graph)));
  if (buttons == 0) FollowCurve(graph);
  if (buttons & Qt::LeftButton)
    SetCurvePoint(graph, 0, [this](int r, bool draw) { PlotRow(r, draw); });
  ShowReadouts();
}

void frmGraphPower::RedrawFromModel() {
  if (graph.GraphReady) Form_Paint();
}

void frmGraphPower::PowerFill_Click() {
  FillPowerCurve(graph, [this](int row, bool draw) { PlotRow(row, draw); });
}

void frmGraphPower::GraphOKButton_Click() {
  const bool fromF2 = graph.AcceptFromF2;
  if (!AcceptPowerCurve(graph, [this](int row, bool draw) { PlotRow(row, draw); })) return;
  ui().RefreshResultWindows();
  if (fromF2) return;
  Unload();
  if (S.InputDataPending != False) InputDataResume();
}

bool frmGraphPower::StoreEdit() {
  if (!graph.GraphReady) return true;  // nothing drawn or typed yet
  graph.AcceptFromF2 = true;
  const bool stored = AcceptPowerCurve(graph, [this](int row, bool draw) { PlotRow(row, draw); });
  graph.AcceptFromF2 = false;
  return stored;
}

void frmGraphPower::CancelButton_Click() {
  if (!graph.GraphReady) return;
  CancelPowerCurve();
  Unload();
}

void frmGraphPower::closeEvent(QCloseEvent* event) {
  // The close box and Alt+F4 are the Cancel button: closed any other way, a top the peak form
  // moved would stay with the curve put back neither accepted nor cancelled.
  event->ignore();
  if (IsLoaded()) CancelButton_Click();
}

void frmGraphPower::PowerOriginal_Click() {
  if (!graph.GraphReady) return;
  RestoreOriginalCurve();
  Form_Paint();
}

void frmGraphPower::CopyColumn_Click(int source) {
  if (!graph.GraphReady || source == S.PowerCurveIndex) return;
  CopyCurveColumn(source);
  Form_Paint();
}

void frmGraphPower::PowerEraseAll_Click() {
  EraseEntireCurve();
  Form_Paint();
}

void frmGraphPower::PowerEraseOn_Click() {
  S.PowerEraseMode = 1;
  PowerEraseOn->setChecked(true);
  PowerEraseOff->setChecked(false);
}

void frmGraphPower::PowerEraseOff_Click() {
  S.PowerEraseMode = 0;
  PowerEraseOff->setChecked(true);
  PowerEraseOn->setChecked(false);
}

void frmGraphPower::PowerManipulateRPMlimit_Click() {
  if (!graph.GraphReady) return;
  kestrelon::PowerManipulateRPMlimit(graph);
  PowerPic->setCursor(graph.RPMLimitMode ? Qt::UpArrowCursor : Qt::CrossCursor);
}

void frmGraphPower::PowerManipulateOptions_Click() {
  if (!graph.GraphReady) return;
  PowerFill_Click();
  if (graph.RangeMark1 > 0) S.LowRPM = static_cast<Integer>(graph.RangeMark1 * 100);
  if (graph.RangeMark2 > 0) S.HighRPM = static_cast<Integer>(graph.RangeMark2 * 100);
  auto* dialog = static_cast<frmPowerManipulate*>(Form::Instance("frmPowerManipulate"));
  dialog->ShowModal();
  const ManipulationRequest request = dialog->Request;
  if (request.ManipulateOK == False) return;
  const std::string& action = request.ManipAction;
  if (action == "FILL") PowerFill_Click();
  if (action == "SHIFT") ShiftCurve(request.ManipShiftRPM);
  if (action == "MULTIPLY") MultiplyCurve(request.ManipFactor);
  if (action == "ADD") AddPowerRange(request.ManipAddAmount);
  if (action == "ADDTORQUE") AddTorqueRange(request.ManipAddAmount);
  graph.RangeMark1 = graph.RangeMark2 = 0;
  S.LowRPM = S.HighRPM = 0;
  Form_Paint();
}

void frmGraphPower::PowerManipulateText_Click() {
  if (!graph.GraphReady) return;
  Form::Instance("frmPowerText")->ShowModal();
  Form_Paint();
}

void frmGraphPower::PowerSuper_Click() {
  if (GetSuperFlowCurve()) Form_Paint();
}

void frmGraphPower::PowerEA_Click() {
  const auto plot = [this](int row, bool draw) { PlotRow(row, draw); };
  if (GetEngineAnalyserCurve(graph, plot)) Form_Paint();
}

void frmGraphPower::PowerUnitsBHP_Click() {
  const bool wasKW = PowerUnitsKW->isChecked();
  ApplyPowerUnit("BHP");
  Cfg.PUnits = "I";
  PowerUnitsBHP->setChecked(true);
  PowerUnitsKW->setChecked(false);
  if (wasKW) Form_Paint();
}

void frmGraphPower::PowerUnitsKW_Click() {
  const bool wasBHP = PowerUnitsBHP->isChecked();
  ApplyPowerUnit("KW");
  Cfg.PUnits = "M";
  PowerUnitsKW->setChecked(true);
  PowerUnitsBHP->setChecked(false);
  if (wasBHP) Form_Paint();
}

void frmGraphPower::PowerHelpDisplay_Click() { ShowHelpTopic(HelpContext); }

void frmGraphPower::PowerCurvePrint_Click() {
  if (graph.GraphReady) PrintPowerGraph();
}

bool frmGraphPower::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && Form_KeyDown(static_cast<QKeyEvent*>(event)))
    return true;
  if (event->type() == QEvent::KeyRelease && Form_KeyUp(static_cast<QKeyEvent*>(event)))
    return true;
  return Form::eventFilter(watched, event);
}

void frmGraphPower::keyPressEvent(QKeyEvent* event) {
  if (!Form_KeyDown(event)) Form::keyPressEvent(event);
}

void frmGraphPower::keyReleaseEvent(QKeyEvent* event) {
  if (!Form_KeyUp(event)) Form::keyReleaseEvent(event);
}

bool frmGraphPower::Form_KeyDown(QKeyEvent* event) {
  // Alt and Ctrl combinations belong to the menus.
  if (!graph.GraphReady || (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)))
    return false;
  const auto plot = [this](int row, bool draw) { PlotRow(row, draw); };
  const int letter = LetterKey(*event);
  switch (letter ? letter : event->key()) {
    case Qt::Key_E: graph.EraseKeyHeld = true; return true;
    case Qt::Key_R: PowerManipulateRPMlimit_Click(); return true;
    case Qt::Key_F2:
      AcceptAndRun(graph, event->modifiers() & Qt::ShiftModifier, plot);
      return true;
    case Qt::Key_Print:
    case Qt::Key_P: PrintPowerGraph(); return true;
    case Qt::Key_F: PowerFill_Click(); return true;
    case Qt::Key_W:
      if (S.PowerEraseMode != 0)
        PowerEraseOff_Click();
      else
        PowerEraseOn_Click();
      return true;
    default: return false;
  }
}

bool frmGraphPower::Form_KeyUp(QKeyEvent* event) {
  if (LetterKey(*event) != Qt::Key_E || event->isAutoRepeat()) return false;
  graph.EraseKeyHeld = false;
  return true;
}

void frmGraphPower::PrintPowerGraph() {
  if (!graph.GraphReady) return;
  PowerFill_Click();
  graph.GraphPrinting = true;
  Form_Paint();
  // The window below its menu bar, without OK and Cancel, as the run graph prints.
  PrintWindowImage(*this, "Print Power", NotReady::OffersRetry, {GraphOKButton, CancelButton});
  graph.GraphPrinting = false;
  Form_Paint();
}

}  // namespace kestrelon
