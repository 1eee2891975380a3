#include "results/ui/frmSimDisplay.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings.h"
#include "core/state.h"
#include "platform/qt/help_window.h"
#include "platform/qt/spin_button.h"
#include "platform/qt/text.h"
#include "platform/ui_seam.h"
#include "results/set_baseline.h"

namespace kestrelon {
namespace {

constexpr int HelpContext = 15;
const QString None = QStringLiteral("(none)");
// The zoom spin moves in tens of per cent from 10 % up to the limit the screen sets.
constexpr int ZoomSpinLowest = 10;
constexpr int ZoomSpinStep = 10;

}  // namespace

frmSimDisplay::frmSimDisplay() : Form("frmSimDisplay", QStringLiteral("Display Options")) {
  auto* traces = new QGroupBox(QStringLiteral("Data traces"), this);
  traces->setObjectName(QStringLiteral("Frame2"));
  auto* traceGrid = new QGridLayout(traces);
  for (int k = 0; k < GraphChannels; ++k) {
    Trace[k] = new QComboBox(traces);
    Trace[k]->setObjectName(QStringLiteral("Trace%1").arg(k));
    Trace[k]->setEditable(false);
    Trace[k]->setMinimumContentsLength(22);
    traceGrid->addWidget(new QLabel(QString::number(k + 1), traces), k, 0);
    traceGrid->addWidget(Trace[k], k, 1);
  }

  auto* xAxis = new QGroupBox(QStringLiteral("X-axis"), this);
  xAxis->setObjectName(QStringLiteral("Frame6"));
  XTime = new QRadioButton(QStringLiteral("Time"), xAxis);
  XDistance = new QRadioButton(QStringLiteral("Distance"), xAxis);
  auto* xLayout = new QHBoxLayout(xAxis);
  xLayout->addWidget(XTime);
  xLayout->addWidget(XDistance);

  CheckRollout = new QCheckBox(QStringLiteral("Align time to rollout"), this);
  CheckGridLines = new QCheckBox(QStringLiteral("Show grid lines"), this);
  CheckGearChange = new QCheckBox(QStringLiteral("Show gear shifts"), this);
  CheckPerfBox = new QCheckBox(QStringLiteral("Show Performance stats."), this);
  CheckBaseline = new QCheckBox(QStringLiteral("Show Baseline data"), this);
  CheckBaseline->setObjectName(QStringLiteral("CheckBaseline"));

  auto* units = new QGroupBox(QStringLiteral("Units"), this);
  units->setObjectName(QStringLiteral("Frame1"));
  SimImperial = new QRadioButton(QStringLiteral("Imperial"), units);
  SimMetric = new QRadioButton(QStringLiteral("Metric"), units);
  auto* unitLayout = new QHBoxLayout(units);
  unitLayout->addWidget(SimImperial);
  unitLayout->addWidget(SimMetric);

  ZoomText = new QLineEdit(this);
  ZoomText->setObjectName(QStringLiteral("ZoomText"));
  ZoomText->setMaximumWidth(60);
  ZoomSpin = new SpinButton(this, ZoomSpinLowest, ZoomSpinLowest, ZoomSpinStep);
  ZoomSpin->setObjectName(QStringLiteral("ZoomSpin"));
  SimDistance = new QLineEdit(this);
  SimDistance->setObjectName(QStringLiteral("SimDistance"));
  SimDistance->setMaximumWidth(100);

  SimOKButton = new QPushButton(QStringLiteral("Display"), this);
  SimOKButton->setDefault(true);
  SimBaselineButton = new QPushButton(QStringLiteral("Set Baseline"), this);
  SimHelpButton = new QPushButton(QStringLiteral("Help"), this);
  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("Image1"));
  image->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(32, 32));

  auto* checks = new QVBoxLayout;
  checks->addWidget(xAxis);
  for (QCheckBox* box : {CheckRollout, CheckGridLines, CheckGearChange, CheckPerfBox, CheckBaseline})
    checks->addWidget(box);
  checks->addWidget(units);
  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(new QLabel(QStringLiteral("Horizontal axis zoom%"), this));
  zoomRow->addWidget(ZoomText);
  zoomRow->addWidget(ZoomSpin);
  zoomRow->addStretch();
  zoomRow->addWidget(new QLabel(QStringLiteral("Spot distance"), this));
  zoomRow->addWidget(SimDistance);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(image);
  buttons->addStretch();
  for (QPushButton* b : {SimOKButton, SimBaselineButton, SimHelpButton}) buttons->addWidget(b);
  auto* top = new QHBoxLayout;
  top->addWidget(traces);
  top->addLayout(checks);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(zoomRow);
  layout->addLayout(buttons);

  SetTag(ZoomText, QStringLiteral("Change this to increas or decrease the zoom factor for the graph"));
  SetTag(CheckBaseline, QStringLiteral("Show baseline data on the graph alongside current run data"));
  SetTag(SimBaselineButton,
         QStringLiteral("Sets the current run and setup data as a baseline that you can restore later."));
  SetTag(CheckRollout, QStringLiteral("Set the start time on the graph to the start time for the run"));
  SetTag(CheckGridLines, QStringLiteral("Show grid lines on the graph"));
  SetTag(CheckGearChange, QStringLiteral("Mark the gear shift points on the graph"));
  SetTag(CheckPerfBox, QStringLiteral("Show the timing ticket information on the graph"));
  SetTag(SimDistance, QStringLiteral(
      "Enter a distance here to view the time and speed values for that point in the run"));
  SetTag(SimOKButton, QStringLiteral("Refresh the graphical display"));

  connect(XTime, &QRadioButton::clicked, this, &frmSimDisplay::SetXAxisLabels);
  connect(XDistance, &QRadioButton::clicked, this, &frmSimDisplay::SetXAxisLabels);
  connect(CheckPerfBox, &QCheckBox::toggled, this, [](bool on) { Cfg.ShowPerfBox = ToFlag(on); });
  connect(CheckGearChange, &QCheckBox::toggled, this, [](bool on) { Cfg.ShowGearShift = ToFlag(on); });
  connect(CheckGridLines, &QCheckBox::toggled, this, [](bool on) { Cfg.ShowGridLines = ToFlag(on); });
  // The listing's times and distances follow the alignment as soon as the box changes it.
  connect(CheckRollout, &QCheckBox::toggled, this, [](bool on) {
    Cfg.AlignRollout = ToFlag(on);
    ui().RefreshResultWindows();
  });
  connect(CheckBaseline, &QCheckBox::clicked, this, [](bool on) { S.ShowBaseline = ToFlag(on); });
  connect(ZoomSpin, &SpinButton::valueChanged, this,
          [this](int value) { ZoomText->setText(QString::number(value)); });
  connect(SimOKButton, &QPushButton::clicked, this, &frmSimDisplay::SimOKButton_Click);
  connect(SimBaselineButton, &QPushButton::clicked, this, &frmSimDisplay::SimBaselineButton_Click);
  connect(SimHelpButton, &QPushButton::clicked, this, &frmSimDisplay::SimHelpButton_Click);
}

std::array<int, GraphChannels> frmSimDisplay::ListTraces() const {
  std::array<int, GraphChannels> traces{};
  for (int k = 0; k < GraphChannels; ++k) {
    const int p = Trace[k]->currentIndex();
    traces[k] = p >= 0 && p < offered_ ? sort_.order[p] : -1;
  }
  return traces;
}

void frmSimDisplay::FillLists(const std::array<int, GraphChannels>& traces) {
  for (int k = 0; k < GraphChannels; ++k) {
    QComboBox* list = Trace[k];
    const QSignalBlocker quiet(list);
    list->clear();
    for (int j = 0; j < offered_; ++j) list->addItem(QText(GraphDisplay.TraceTitles[sort_.order[j]]));
    list->addItem(None);
    list->setCurrentIndex(traces[k] >= 0 && traces[k] < offered_ ? sort_.position[traces[k]] : offered_);
  }
}

void frmSimDisplay::Form_Load() {
  silentApply_ = S.NewRunPending != False;
  offered_ = OfferedTraceCount();
  adjustSize();
  PlaceAt(Cfg.DispTop, Cfg.DispLeft);

  DecodeTraceChoice(S.VehicleData[8][9], Cfg.ProfOpts, offered_, GraphDisplay.TraceChoice);
  SetTraceTitles(true, offered_);
  sort_ = SortTraceNames(offered_);
  std::array<int, GraphChannels> traces{};
  for (int k = 0; k < GraphChannels; ++k) traces[k] = GraphDisplay.TraceChoice[k + 1] - 1;
  FillLists(traces);
  EncodeTraceChoice(ListTraces());
  if (GraphDisplay.TraceCount == 0) {
    // Rear wheel speed, engine speed, acceleration and distance (or time).
    FillLists({3, 9, 0, 2});
    GraphDisplay.TraceCount = 4;
  }

  XTime->setChecked(Cfg.XAxisTime != False);
  XDistance->setChecked(Cfg.XAxisTime == False);
  // The box tells what the graph shows: a baseline still shown from an earlier opening is ticked.
  CheckBaseline->setChecked(S.BaselineSet != False && S.ShowBaseline != False);
  CheckBaseline->setVisible(S.BaselineSet != False);

  const double screenTwips = QApplication::primaryScreen()->geometry().width() * double(TwipsPerPixel);
  maxZoomPercent_ = MaxZoomSpin(screenTwips);
  {
    const QSignalBlocker quiet(ZoomSpin);
    ZoomSpin->setRange(ZoomSpinLowest, std::max(maxZoomPercent_, ZoomSpinLowest));
    ZoomSpin->setValue(CLng(S.GraphZoom * 100.0));
  }
  ZoomText->setText(QText(NumText(static_cast<Single>(S.GraphZoom * 100))));

  if (Cfg.ShowToolTips != False) ApplyTags();
  if (S.NewRunPending != False) {
    Form_Paint();
    SimOKButton_Click();
    silentApply_ = false;
  }
}

void frmSimDisplay::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  Form_Paint();
}

void frmSimDisplay::SetUnitOption(bool imperial, bool metric) {
  // Both options may be cleared, which an exclusive pair does not allow by itself.
  auto* group = SimImperial->group();
  if (group) group->setExclusive(false);
  SimImperial->setAutoExclusive(false);
  SimMetric->setAutoExclusive(false);
  SimImperial->setChecked(imperial);
  SimMetric->setChecked(metric);
  SimImperial->setAutoExclusive(true);
  SimMetric->setAutoExclusive(true);
}

void frmSimDisplay::ShowUnitsInForce() {
  unitsShown_ = Cfg.DUnits;
  if (Cfg.DUnits == "M")
    SetUnitOption(false, true);
  else if (Cfg.DUnits == "I")
    SetUnitOption(true, false);
  if (!SimImperial->isChecked() && !SimMetric->isChecked()) SetUnitOption(true, false);
}

// A choice not yet applied with Display stays until the units in force change.
void frmSimDisplay::RedrawFromModel() {
  if (Cfg.DUnits != unitsShown_) ShowUnitsInForce();
}

void frmSimDisplay::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  // A dialog minimised while Setup changed the units follows them as it comes back.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) RedrawFromModel();
}

void frmSimDisplay::Form_Paint() {
  ShowUnitsInForce();
  SimDistance->setText(QText(Trim(S.VehicleData[4][8])));
  CheckPerfBox->setChecked(Cfg.ShowPerfBox != False);
  CheckGearChange->setChecked(Cfg.ShowGearShift != False);
  CheckGridLines->setChecked(Cfg.ShowGridLines != False);
  CheckRollout->setChecked(Cfg.AlignRollout != False);
  SetXAxisLabels();
}

void frmSimDisplay::SetXAxisLabels() {
  const std::array<int, GraphChannels> traces = ListTraces();
  const bool distance = XDistance->isChecked();
  Cfg.XAxisTime = ToFlag(!distance);
  SetTraceTitles(!distance, offered_);
  CheckRollout->setText(distance ? QStringLiteral("Align distance to rollout")
                                 : QStringLiteral("Align time to rollout"));
  sort_ = SortTraceNames(offered_);
  FillLists(traces);
}

void frmSimDisplay::SimOKButton_Click() {
  DisplayChoice choice;
  choice.listTraces = ListTraces();
  choice.xDistance = XDistance->isChecked();
  choice.imperial = SimImperial->isChecked();
  choice.metric = SimMetric->isChecked();
  choice.spotText = StdText(SimDistance->text());
  choice.zoomText = StdText(ZoomText->text());
  choice.maxZoomPercent = maxZoomPercent_;
  choice.perfBox = CheckPerfBox->isChecked();
  choice.gridLines = CheckGridLines->isChecked();
  choice.gearChange = CheckGearChange->isChecked();
  choice.rollout = CheckRollout->isChecked();
  switch (ApplyDisplayChoice(choice, silentApply_)) {
    case DisplayRefusal::None: break;
    case DisplayRefusal::Traces: if (!silentApply_) Trace[0]->setFocus(); return;
    case DisplayRefusal::Units: if (!silentApply_) SimImperial->setFocus(); return;
    case DisplayRefusal::SpotDistance: if (!silentApply_) SimDistance->setFocus(); return;
    case DisplayRefusal::Zoom: if (!silentApply_) ZoomText->setFocus(); return;
  }
  SavePlace(Cfg.DispTop, Cfg.DispLeft);
  Form* graph = Form::Instance("frmGraphDyn");
  if (!graph) return;
  // A graph on screen is shown anew, drawn with the new settings and brought to the front.
  if (graph->isVisible()) graph->hide();
  graph->Show();
}

void frmSimDisplay::SimBaselineButton_Click() {
  CheckBaseline->setVisible(true);
  SetBaseline();
}

void frmSimDisplay::SimHelpButton_Click() { ShowHelpTopic(HelpContext); }

void frmSimDisplay::Form_QueryUnload(bool&) { SavePlace(Cfg.DispTop, Cfg.DispLeft); }

}  // namespace kestrelon
