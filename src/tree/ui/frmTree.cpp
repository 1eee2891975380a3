#include "tree/ui/frmTree.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <cmath>

#include "core/settings.h"
#include "core/state.h"
#include "platform/qt/help_window.h"
#include "platform/qt/text.h"
#include "simulation/timing_points.h"
#include "tree/ui/tree_picture.h"

namespace kestrelon {
namespace {

constexpr int TreeHelpContext = 13;

QGroupBox* Frame(const QString& caption, QWidget* parent, std::initializer_list<QWidget*> controls) {
  auto* frame = new QGroupBox(caption, parent);
  auto* column = new QVBoxLayout(frame);
  for (QWidget* control : controls) column->addWidget(control);
  return frame;
}

QWidget* Labelled(const QString& label, QLineEdit* box, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(label, row));
  layout->addWidget(box);
  return row;
}

void Exclusive(QWidget* parent, std::initializer_list<QRadioButton*> options) {
  auto* group = new QButtonGroup(parent);
  for (QRadioButton* option : options) group->addButton(option);
}

// Seconds of a monotonic clock: no jump at midnight, microsecond resolution.
double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

frmTree::frmTree(std::function<double()> random, std::function<double()> clock)
    : Form("frmTree", QStringLiteral("Practice Tree")),
      tree_(random ? std::move(random)
                   : [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }),
      clock_(clock ? std::move(clock) : SteadySeconds) {
  SportTree = new QRadioButton(QStringLiteral("Sportsman"), this);
  Pro5Tree = new QRadioButton(QStringLiteral("Pro (.500)"), this);
  Pro4Tree = new QRadioButton(QStringLiteral("Pro (.400)"), this);
  Exclusive(this, {SportTree, Pro5Tree, Pro4Tree});
  LeftLane = new QRadioButton(QStringLiteral("Left"), this);
  RightLane = new QRadioButton(QStringLiteral("Right"), this);
  Exclusive(this, {LeftLane, RightLane});
  UseDelay = new QCheckBox(QStringLiteral("Use Delay "), this);
  DelayTime = new QLineEdit(this);
  UseHandicap = new QCheckBox(QStringLiteral("Use Handicap"), this);
  HandicapDelay = new QLineEdit(this);
  RolloutTime = new QLineEdit(this);
  Daytime = new QRadioButton(QStringLiteral("Day"), this);
  Eveningtime = new QRadioButton(QStringLiteral("Evening"), this);
  Nighttime = new QRadioButton(QStringLiteral("Night"), this);
  Exclusive(this, {Daytime, Eveningtime, Nighttime});
  TreePic = new TreePicture(tree_, this);
  StageLabel = new QLabel(QStringLiteral("Press SPACE BAR to stage, then release it to launch"), this);
  StageLabel->setWordWrap(true);
  StageLabel->setVisible(false);
  LastRun = new QLabel(this);
  QFont big = LastRun->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  LastRun->setFont(big);
  RunNumber = new QLabel(this);
  RedNumber = new QLabel(this);
  AverageRT = new QLabel(this);
  PreStage = new QPushButton(QStringLiteral("Pre-Stage"), this);
  PreStage->setDefault(true);
  ClearButton = new QPushButton(QStringLiteral("Clear Stats"), this);
  ExitButton = new QPushButton(QStringLiteral("Close"), this);
  HelpButton = new QPushButton(QStringLiteral("Help"), this);
  SetCancelButton(ExitButton);

  auto* choices = new QVBoxLayout;
  choices->addWidget(Frame(QStringLiteral("Type of Tree"), this, {SportTree, Pro5Tree, Pro4Tree}));
  choices->addWidget(Frame(QStringLiteral("Lane Choice"), this, {LeftLane, RightLane}));
  choices->addWidget(Frame(QStringLiteral("Delay Box"), this,
                           {UseDelay, Labelled(QStringLiteral("Delay"), DelayTime, this)}));
  choices->addWidget(Frame(QStringLiteral("Handicap"), this,
                           {UseHandicap, Labelled(QStringLiteral("Handicap"), HandicapDelay, this)}));
  choices->addWidget(Labelled(QStringLiteral("Rollout"), RolloutTime, this));
  choices->addWidget(Frame(QStringLiteral("Time of day"), this, {Daytime, Eveningtime, Nighttime}));
  choices->addStretch();

  // A column of its own width, so the window keeps its layout whatever the results read.
  auto* resultColumn = new QWidget(this);
  resultColumn->setFixedWidth(180);
  auto* results = new QVBoxLayout(resultColumn);
  results->setContentsMargins(0, 0, 0, 0);
  results->addWidget(StageLabel);
  results->addWidget(new QLabel(QStringLiteral("Last Run"), resultColumn));
  results->addWidget(LastRun);
  results->addWidget(RunNumber);
  results->addWidget(RedNumber);
  results->addWidget(AverageRT);
  results->addStretch();
  for (QPushButton* button : {PreStage, ClearButton, ExitButton, HelpButton}) results->addWidget(button);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(TreePic);
  layout->addWidget(resultColumn);

  deadline_ = new QTimer(this);
  deadline_->setSingleShot(true);
  deadline_->setTimerType(Qt::PreciseTimer);
  connect(deadline_, &QTimer::timeout, this, &frmTree::Tick);
  connect(PreStage, &QPushButton::clicked, this, &frmTree::PreStage_Click);
  connect(ClearButton, &QPushButton::clicked, this, &frmTree::ClearButton_Click);
  connect(ExitButton, &QPushButton::clicked, this, &frmTree::ExitButton_Click);
  connect(HelpButton, &QPushButton::clicked, this, [] { ShowHelpTopic(TreeHelpContext); });
  connect(Daytime, &QRadioButton::clicked, this, [this] { LightType_Click(0); });
  connect(Eveningtime, &QRadioButton::clicked, this, [this] { LightType_Click(1); });
  connect(Nighttime, &QRadioButton::clicked, this, [this] { LightType_Click(2); });
}

void frmTree::Form_Load() {
  TreeReady = false;
  random_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  CentreOnScreen();

  UseDelay->setChecked(Cfg.UseDelay != False);
  UseHandicap->setChecked(Cfg.UseHandicap != False);
  if (Cfg.TreeType == 0) {
    SportTree->setChecked(true);
  } else if (Cfg.TreeType == 1) {
    Pro5Tree->setChecked(true);
  } else {
    Pro4Tree->setChecked(true);
    Cfg.TreeType = 2;
  }
  if (Cfg.LanePointer != 0) {
    RightLane->setChecked(true);
    Cfg.LanePointer = 1;
  } else {
    LeftLane->setChecked(true);
  }
  RolloutValue = 0.2;
  ShowRollout();
  DelayTime->setText(QText(Format(Cfg.DelayTime, "#.000")));
  HandicapDelay->setText(QText(Format(Cfg.HandicapTime, "##.000")));

  tree_.Stop();
  tree_.ClearStats();
  tree_.ClearLastRun();
  TreePic->SetShowingRun(false);
  LastRun->clear();
  ShowStats();
  TreeReady = true;

  const int light = Cfg.LightType == 2 ? 2 : Cfg.LightType == 1 ? 1 : 0;
  (light == 2 ? Nighttime : light == 1 ? Eveningtime : Daytime)->setChecked(true);
  LightType_Click(light);
  if (Cfg.ShowToolTips != False) ApplyTags();
  qApp->installEventFilter(this);
}

void frmTree::Form_Unload() {
  // Closing during a run stops it: no timer or deadline survives the window.
  tree_.Stop();
  deadline_->stop();
  qApp->removeEventFilter(this);
  StageLabel->setVisible(false);
  PreStage->setEnabled(true);
}

// The practice rollout follows the last simulated run's; without one it is 0.2 s. A start the
// racer has armed keeps the rollout typed for it.
void frmTree::ShowRollout() {
  if (tree_.Armed()) return;
  if (S.RunDone != False) {
    CalcTimingPoints();
    RolloutValue = S.RunRolloutTime;
  }
  RolloutTime->setText(QText(Format(RolloutValue, "#.000")));
}

void frmTree::RedrawFromModel() {
  if (S.Calculating == False) ShowRollout();
}

void frmTree::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (IsLoaded()) ShowRollout();
}

void frmTree::changeEvent(QEvent* event) {
  Form::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !IsLoaded()) return;
  if (isActiveWindow()) {
    ShowRollout();
    return;
  }
  // The space bar's release now goes to another window, unseen here.
  tree_.WindowLeft(spaceBar_.Leave(), Now());
  Follow();
}

void frmTree::ShowStats() {
  RunNumber->setText(QText(tree_.RunsText()));
  RedNumber->setText(QText(tree_.RedsText()));
  AverageRT->setText(QText(tree_.AverageText()));
}

void frmTree::LightType_Click(int lightType) {
  TreePic->SetLightType(lightType);
  Cfg.LightType = static_cast<Integer>(lightType);
}

void frmTree::PreStage_Click() {
  if (!TreeReady) return;
  TreeFields fields;
  fields.rollout = StdText(RolloutTime->text());
  fields.delay = StdText(DelayTime->text());
  fields.handicap = StdText(HandicapDelay->text());
  fields.useDelay = UseDelay->isChecked();
  fields.useHandicap = UseHandicap->isChecked();
  fields.treeType = SportTree->isChecked() ? 0 : Pro5Tree->isChecked() ? 1 : 2;
  fields.lane = LeftLane->isChecked() ? 0 : 1;
  const TreeFieldCheck check = ReadTreeSettings(fields);
  if (!check.accepted) {
    QLineEdit* box = check.refused == TreeField::Rollout ? RolloutTime
                     : check.refused == TreeField::Delay ? DelayTime
                                                         : HandicapDelay;
    box->setFocus();
    return;
  }
  RightLane->setChecked(check.run.lane == 1);
  RolloutValue = check.run.rollout;
  spaceBar_.Reset();
  tree_.Arm(check.run, Now());
  TreePic->SetShowingRun(true);
  Follow();
}

void frmTree::ClearButton_Click() {
  tree_.ClearStats();
  ShowStats();
}

void frmTree::ExitButton_Click() {
  if (TreeReady) Unload();
}

// A release that proved real is handed on at the moment it happened, after whatever the tree
// did up to then.
void frmTree::Tick() {
  const double now = Now();
  if (const auto released = spaceBar_.ReleasedBy(now)) {
    tree_.Advance(*released);
    tree_.SpaceUp(*released);
  }
  tree_.Advance(now);
  Follow();
}

void frmTree::Follow() {
  const bool armed = tree_.Armed();
  StageLabel->setVisible(armed);
  // Disabling the focused Pre-Stage would hand the focus on to the next button ("Clear Stats");
  // the window keeps it instead.
  if (armed && focusWidget() == PreStage) setFocus();
  PreStage->setEnabled(!armed);
  TreePic->update();
  LastRun->setText(QText(tree_.LastRun()));
  const Color colour = QBColor(tree_.LastRunColour());
  LastRun->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3)")
                             .arg(RedOf(colour)).arg(GreenOf(colour)).arg(BlueOf(colour)));
  ShowStats();
  std::optional<double> next = tree_.NextDeadline();
  if (const auto release = spaceBar_.Deadline(); release && (!next || *release < *next)) next = release;
  if (next) {
    const double wait = std::ceil((*next - Now()) * 1000);
    deadline_->start(static_cast<int>(std::max(0.0, wait)));
  } else {
    deadline_->stop();
  }
}

// While a run is armed the space bar belongs to the tree, whichever control has the focus: it
// stages and launches and never presses a button; a held key's repeats neither stage again nor
// launch. Between runs it is the focused control's, which ticks "Use Delay" or "Use Handicap".
bool frmTree::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Space) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || (widget != this && !isAncestorOf(widget))) return false;
  const double now = Now();  // the release is timed before anything else
  if (!tree_.Armed()) return false;
  if (event->type() == QEvent::KeyPress) {
    if (spaceBar_.Press()) tree_.SpaceDown(now);
  } else if (!key->isAutoRepeat()) {
    spaceBar_.Release(now);
  }
  Follow();
  return true;
}

}  // namespace kestrelon
