#pragma once
// "Practice Tree": a two-lane start-light tree for practising launches with the space bar. The
// window holds the choices (tree type, lane, delay box, handicap, rollout, light type), the tree
// picture, the last reaction time and the statistics; the run itself is the PracticeTree state
// machine, which this window feeds with the clock, the space bar and its deadlines.

#include <functional>
#include <random>

#include "platform/qt/form.h"
#include "tree/practice_tree.h"
#include "tree/space_bar.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace kestrelon {

class TreePicture;

class frmTree : public Form {
  Q_OBJECT

 public:
  // random() gives the tree's random numbers (0 <= r < 1); by default a generator seeded from
  // the clock at each load. clock() gives the seconds the run is timed in; by default those of
  // the steady clock.
  explicit frmTree(std::function<double()> random = {}, std::function<double()> clock = {});

  QRadioButton *SportTree, *Pro5Tree, *Pro4Tree;
  QRadioButton *LeftLane, *RightLane;
  QCheckBox *UseDelay, *UseHandicap;
  QLineEdit *DelayTime, *HandicapDelay, *RolloutTime;
  QRadioButton *Daytime, *Eveningtime, *Nighttime;
  TreePicture* TreePic;
  QLabel *StageLabel, *LastRun, *RunNumber, *RedNumber, *AverageRT;
  QPushButton *PreStage, *ClearButton, *ExitButton, *HelpButton;

  const PracticeTree& Tree() const { return tree_; }

  void PreStage_Click();
  void ClearButton_Click();
  void ExitButton_Click();
  void LightType_Click(int lightType);
  // A run ended or the vehicle changed behind the open tree: it shows the last run's rollout
  // as the other result windows show the run.
  Q_INVOKABLE void RedrawFromModel();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  double Now() const { return clock_(); }
  void ShowRollout();
  void ShowStats();
  // Brings the window up to date with the run and waits for the run's next deadline.
  void Follow();
  void Tick();

  PracticeTree tree_;
  SpaceBar spaceBar_;
  std::mt19937 random_;
  std::function<double()> clock_;
  QTimer* deadline_;
  bool TreeReady = false;
  double RolloutValue = 0.2;  // s, the practice rollout
};

}  // namespace kestrelon
