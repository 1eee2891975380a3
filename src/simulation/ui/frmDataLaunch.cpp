#include "simulation/ui/frmDataLaunch.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "core/settings.h"
#include "core/state.h"
#include "entry/entry_chain.h"
#include "entry/ui/data_form.h"
#include "platform/qt/help_window.h"
#include "platform/qt/spin_button.h"
#include "platform/qt/text.h"
#include "simulation/calculate_performance.h"

namespace kestrelon {
namespace {

constexpr int HelpContext = 9;
constexpr int MaxSteps = 30000;

// The three options of one trap: position code 0, 1, 2 by index.
using TrapOptions = std::array<QRadioButton*, 3>;

Integer ChosenPosition(const TrapOptions& options) {
  for (std::size_t i = 0; i < options.size(); ++i)
    if (options[i]->isChecked()) return static_cast<Integer>(i);
  return NoTrapPosition;
}

void ChoosePosition(const TrapOptions& options, Integer code) {
  // Exclusive options cannot all be cleared while they are exclusive.
  for (QRadioButton* option : options) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
  if (code >= 0 && code < static_cast<Integer>(options.size()))
    options[static_cast<std::size_t>(code)]->setChecked(true);
}

// The spin steps from the value its box shows: its arrows then move what the racer reads.
void SpinFollowsBox(SpinButton* spin, const QLineEdit* box) {
  const QSignalBlocker quiet(spin);
  spin->setValue(CInt(LeadingNumber(StdText(box->text()))));
}

}  // namespace

frmDataLaunch::frmDataLaunch() : Form("frmDataLaunch", QStringLiteral("Launch Information")) {
  auto* launchGrid = new QGridLayout;
  int row = 0;
  const auto field = [&](QGridLayout* grid, const char* caption, QLineEdit*& box, QWidget* owner,
                         SpinButton* spin = nullptr) {
    grid->addWidget(new QLabel(QString::fromLatin1(caption), owner), row, 0);
    box = new QLineEdit(owner);
    grid->addWidget(box, row, 1);
    if (spin) grid->addWidget(spin, row, 2);
    ++row;
  };
  // Their ranges follow the curve and the step rate at load.
  LaunchRPMSpin = new SpinButton(this, 0, 0, 100);
  LaunchATSpin = new SpinButton(this, 0, 0, 2);
  field(launchGrid, "Initial Throttle opening (%)", LaunchThrottle, this);
  field(launchGrid, "Rise-time to full power (seconds)", LaunchRisetime, this);
  field(launchGrid, "Launch RPM", LaunchRPM, this, LaunchRPMSpin);
  field(launchGrid, "Analysis time (seconds)", LaunchTime, this, LaunchATSpin);
  field(launchGrid, "Staging distance (rollout)", LaunchStage, this);

  TrackFrame = new QGroupBox(QStringLiteral("Track Characteristics"), this);
  auto* trackGrid = new QGridLayout(TrackFrame);
  row = 0;
  const auto trapFrame = [&](QGroupBox*& frame, QRadioButton*& before, QRadioButton*& straddle,
                             QRadioButton*& after) {
    frame = new QGroupBox(QStringLiteral("Speed trap position"), TrackFrame);
    auto* options = new QHBoxLayout(frame);
    before = new QRadioButton(QStringLiteral("Before"), frame);
    straddle = new QRadioButton(QStringLiteral("Straddle"), frame);
    after = new QRadioButton(QStringLiteral("After"), frame);
    for (QRadioButton* option : {before, straddle, after}) options->addWidget(option);
    trackGrid->addWidget(frame, row++, 0, 1, 2);
  };
  field(trackGrid, "Height of 1/4 mile finish line above start line", LaunchHeight, TrackFrame);
  field(trackGrid, "Length of 1/8 mile speed trap", Launch8Trap, TrackFrame);
  trapFrame(Trap8Frame, Trap8Before, Trap8Straddle, Trap8After);
  field(trackGrid, "Length of 1/4 mile speed trap", Launch4Trap, TrackFrame);
  trapFrame(Trap4Frame, Trap4Before, Trap4Straddle, Trap4After);

  LaunchCalculateButton = new QPushButton(QStringLiteral("Calculate"), this);
  LaunchCancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  LaunchHelpButton = new QPushButton(QStringLiteral("Help"), this);
  LaunchCalculateButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {LaunchCalculateButton, LaunchCancelButton, LaunchHelpButton})
    buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(launchGrid);
  layout->addWidget(TrackFrame);
  layout->addLayout(buttons);

  SetTag(LaunchThrottle, QStringLiteral("How far open is the throttle in stage"));
  SetTag(LaunchRisetime, QStringLiteral("How long does it take for the engine to deliver full "
                                        "power immediately following the launch"));
  SetTag(LaunchTime, QStringLiteral("How many seconds of run time do you want to calculate"));
  SetTag(LaunchStage, QStringLiteral("The distance from your staging position to the point "
                                     "where you break the start beam"));
  SetTag(LaunchHeight, QStringLiteral("If the track is not level, how high is the finish "
                                      "relative to the start"));
  SetTag(Launch8Trap, QStringLiteral("How long is the speed trap at the 1/8th mile"));
  SetTag(Launch4Trap, QStringLiteral("How long is the speed trap at the 1/4 mile"));

  connect(LaunchCalculateButton, &QPushButton::clicked, this,
          &frmDataLaunch::LaunchCalculateButton_Click);
  connect(LaunchCancelButton, &QPushButton::clicked, this,
          &frmDataLaunch::LaunchCancelButton_Click);
  connect(LaunchHelpButton, &QPushButton::clicked, this, &frmDataLaunch::LaunchHelpButton_Click);
  connect(LaunchRPM, &QLineEdit::textChanged, this, [this] { SpinFollowsBox(LaunchRPMSpin, LaunchRPM); });
  connect(LaunchTime, &QLineEdit::textChanged, this, [this] { SpinFollowsBox(LaunchATSpin, LaunchTime); });
  connect(LaunchRPMSpin, &SpinButton::valueChanged, this, &frmDataLaunch::LaunchRPMSpin_Change);
  connect(LaunchATSpin, &SpinButton::valueChanged, this, &frmDataLaunch::LaunchATSpin_Change);
}

void frmDataLaunch::Form_Load() {
  PlaceAt(S.LaunchFormTop, S.LaunchFormLeft);
  // Each opening starts afresh: empty boxes and no trap option, unless the vehicle refills them.
  LaunchBoxes boxes;
  boxes.Trap8Position = boxes.Trap4Position = NoTrapPosition;
  OpenLaunchSetup(boxes);
  ShowBoxes(boxes);

  // Setting the spins' ranges must not touch the boxes; the spins then start from the boxes.
  for (SpinButton* spin : {LaunchRPMSpin, LaunchATSpin}) spin->blockSignals(true);
  LaunchRPMSpin->setRange(S.MinRPMIndex * 100, S.MaxRPMIndex * 100);
  LaunchATSpin->setRange(2, CInt(static_cast<double>(MaxSteps) / S.StepsPerSecond));
  for (SpinButton* spin : {LaunchRPMSpin, LaunchATSpin}) spin->blockSignals(false);
  SpinFollowsBox(LaunchRPMSpin, LaunchRPM);
  SpinFollowsBox(LaunchATSpin, LaunchTime);

  Ready = false;
  FocusPending = true;
  if (S.AutoAccept != False) {
    LaunchCalculateButton_Click();
    return;
  }
  for (QWidget* control : findChildren<QWidget*>()) control->setToolTip({});
  if (Cfg.ShowToolTips != False) ApplyTags();
}

void frmDataLaunch::Form_Unload() { S.CalcRequested = True; }

void frmDataLaunch::paintEvent(QPaintEvent* event) {
  Form::paintEvent(event);
  if (FocusPending) {
    FocusPending = false;
    LaunchThrottle->setFocus();
  }
  Ready = true;
}

void frmDataLaunch::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: LaunchCalculateButton->click(); break;
    case Qt::Key_Escape: LaunchCancelButton->click(); break;
    default: Form::keyPressEvent(event);
  }
}

LaunchBoxes frmDataLaunch::ReadBoxes() const {
  LaunchBoxes boxes;
  boxes.LaunchThrottle = BoxText(LaunchThrottle);
  boxes.LaunchRisetime = BoxText(LaunchRisetime);
  boxes.LaunchRPM = BoxText(LaunchRPM);
  boxes.LaunchTime = BoxText(LaunchTime);
  boxes.LaunchStage = BoxText(LaunchStage);
  boxes.LaunchHeight = BoxText(LaunchHeight);
  boxes.Launch8Trap = BoxText(Launch8Trap);
  boxes.Launch4Trap = BoxText(Launch4Trap);
  boxes.Trap8Position = ChosenPosition({Trap8Before, Trap8Straddle, Trap8After});
  boxes.Trap4Position = ChosenPosition({Trap4Before, Trap4Straddle, Trap4After});
  return boxes;
}

void frmDataLaunch::ShowBoxes(const LaunchBoxes& boxes) {
  LaunchThrottle->setText(QText(boxes.LaunchThrottle));
  LaunchRisetime->setText(QText(boxes.LaunchRisetime));
  LaunchRPM->setText(QText(boxes.LaunchRPM));
  LaunchTime->setText(QText(boxes.LaunchTime));
  LaunchStage->setText(QText(boxes.LaunchStage));
  LaunchHeight->setText(QText(boxes.LaunchHeight));
  Launch8Trap->setText(QText(boxes.Launch8Trap));
  Launch4Trap->setText(QText(boxes.Launch4Trap));
  ChoosePosition({Trap8Before, Trap8Straddle, Trap8After}, boxes.Trap8Position);
  ChoosePosition({Trap4Before, Trap4Straddle, Trap4After}, boxes.Trap4Position);
}

QLineEdit* frmDataLaunch::BoxOf(LaunchField field) const {
  switch (field) {
    case LaunchField::LaunchThrottle: return LaunchThrottle;
    case LaunchField::LaunchRisetime: return LaunchRisetime;
    case LaunchField::LaunchRPM: return LaunchRPM;
    case LaunchField::LaunchTime: return LaunchTime;
    case LaunchField::LaunchStage: return LaunchStage;
    case LaunchField::LaunchHeight: return LaunchHeight;
    case LaunchField::Launch8Trap: return Launch8Trap;
    case LaunchField::Launch4Trap: return Launch4Trap;
    case LaunchField::None: break;
  }
  return nullptr;
}

void frmDataLaunch::LaunchCalculateButton_Click() {
  if (!Ready && S.AutoAccept == False) return;
  if (S.Calculating != False) return;  // one run at a time; the run lets clicks through
  // The checks that opened the dialog: a curve or vehicle entered since may still be waiting.
  if (!RunSimulationReady()) return;
  LaunchBoxes boxes = ReadBoxes();
  const LaunchCheck check = AcceptLaunchSetup(boxes);
  if (!check.accepted) {
    if (QLineEdit* box = BoxOf(check.refused)) {
      FocusPending = false;
      box->setFocus();
    }
    return;
  }
  LaunchTime->setText(QText(boxes.LaunchTime));  // the longest allowed time, when offered
  Ready = false;
  SavePlace(S.LaunchFormTop, S.LaunchFormLeft);
  CalculatePerformance(S.ShowCalcProgress);
  Unload();
}

void frmDataLaunch::LaunchCancelButton_Click() { Unload(); }

void frmDataLaunch::LaunchHelpButton_Click() { ShowHelpTopic(HelpContext); }

void frmDataLaunch::LaunchATSpin_Change() { LaunchTime->setText(QString::number(LaunchATSpin->value())); }

void frmDataLaunch::LaunchRPMSpin_Change() { LaunchRPM->setText(QString::number(LaunchRPMSpin->value())); }

}  // namespace kestrelon
