// The practice tree window driven as a racer drives it: the space bar, Pre-Stage, Close. The
// tree's random source is fixed at 0: the other lane stages 1 s after the user and the tree
// starts 1 s after both lanes are staged. Its clock is the test's: the run's time moves only when
// a test sets it, whatever the machine's load.
#include "tree/ui/frmTree.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "support/recording_qt_ui.h"
#include "tree/ui/tree_picture.h"

namespace kestrelon {
namespace {

class frmTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    Form::Register("frmTree", [this] { return new frmTree([] { return 0.0; }, [this] { return clock; }); });
    previous_ = setUi(&ui);
  }
  void TearDown() override {
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    Form::DeleteInstances();
    setUi(previous_);
  }
  frmTree* Open() {
    auto* tree = static_cast<frmTree*>(Form::Instance("frmTree"));
    tree->Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(tree));
    return tree;
  }
  // The space bar as the racer's keyboard sends it: to the control with the focus.
  static void Space(frmTree* tree, QEvent::Type type, bool autoRepeat = false) {
    QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(tree->focusWidget() ? tree->focusWidget() : tree, &key);
  }

  test::RecordingQtUi ui;
  double clock = 0;  // s, the tree's clock

 private:
  UiSeam* previous_ = nullptr;
};

TEST_F(frmTreeTest, OpeningShowsTheSettingsAndTheRollout) {
  S.CancelFlag = 1;  // left by another command: the tree opens all the same
  Cfg.TreeType = 7;
  Cfg.LanePointer = 3;
  Cfg.DelayTime = 0.5f;
  frmTree* tree = Open();
  EXPECT_TRUE(tree->IsLoaded());
  EXPECT_EQ(tree->DelayTime->text(), ".500");
  EXPECT_EQ(tree->HandicapDelay->text(), ".000");
  EXPECT_TRUE(tree->Pro4Tree->isChecked() && tree->RightLane->isChecked());
  EXPECT_EQ(Cfg.TreeType, 2);
  EXPECT_EQ(Cfg.LanePointer, 1);

  // Without a simulated run the rollout starts at 0.2 s at every opening.
  EXPECT_EQ(tree->RolloutTime->text(), ".200");
  tree->RolloutTime->setText(".350");
  tree->PreStage->click();
  QTest::keyClick(tree, Qt::Key_Escape);
  tree = Open();
  EXPECT_EQ(tree->RolloutTime->text(), ".200");
  // After a run, the run's rollout, whatever was typed.
  tree->RolloutTime->setText("0.5");
  tree->hide();
  S.RunDone = True;  // a run that never moved: its rollout time reads 0
  tree->Show();
  EXPECT_EQ(tree->RolloutTime->text(), ".000");
  // The open tree follows each later run without a click; an armed start keeps what was typed.
  for (const bool armed : {false, true}) {
    tree->RolloutTime->setText(".350");
    if (armed) tree->PreStage->click();
    ASSERT_EQ(tree->Tree().Armed(), armed);
    ui.RefreshResultWindows();  // what the end of a run asks
    QApplication::processEvents();
    EXPECT_EQ(tree->RolloutTime->text(), armed ? ".350" : ".000");
  }
  // Coming back to the tree from another window, once the start is over; leaving it changes
  // nothing.
  QTest::keyClick(tree, Qt::Key_Escape);
  tree = Open();
  QWidget other;
  other.show();
  QWidget *away = &other, *back = tree;
  for (QWidget* window : {away, back, away}) {
    tree->RolloutTime->setText(".350");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(tree->RolloutTime->text(), window == back ? ".000" : ".350");
  }
}

TEST_F(frmTreeTest, SpaceBarStagesAndLaunchesButNeverPressesAButton) {
  frmTree* tree = Open();
  QTest::mouseClick(tree->PreStage, Qt::LeftButton);
  ASSERT_TRUE(tree->Tree().Armed());
  EXPECT_TRUE(tree->StageLabel->isVisible());
  EXPECT_FALSE(tree->PreStage->isEnabled());
  EXPECT_NE(tree->focusWidget(), tree->ClearButton);
  Space(tree, QEvent::KeyPress);
  EXPECT_TRUE(tree->Tree().Lit(0, TreeBulb::Stage1));
  Space(tree, QEvent::KeyRelease, true);  // a held key's repeat
  Space(tree, QEvent::KeyPress, true);
  // Unmarked release and press pairs of a held key on X11.
  Space(tree, QEvent::KeyRelease);
  Space(tree, QEvent::KeyPress);
  clock = 0.15;
  QTest::qWait(150);
  EXPECT_TRUE(tree->Tree().Armed());
  // Released before the other lane staged.
  Space(tree, QEvent::KeyRelease);
  clock = 0.3;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !tree->Tree().Armed(); }));
  EXPECT_EQ(tree->LastRun->text(), "Aborted");
  EXPECT_TRUE(tree->PreStage->isEnabled());

  // Between runs the space bar is the focused control's: with the focus where the window left
  // it nothing happens; on a choice it ticks it.
  for (QWidget* focus : {static_cast<QWidget*>(nullptr), static_cast<QWidget*>(tree->UseDelay)}) {
    if (focus) focus->setFocus();
    Space(tree, QEvent::KeyPress);
    Space(tree, QEvent::KeyRelease);
    QTest::qWait(150);
  }
  EXPECT_EQ(tree->RunNumber->text(), "Runs: 1");
  EXPECT_EQ(tree->RedNumber->text(), "Reds: 1");
  EXPECT_TRUE(tree->UseDelay->isChecked());

  // Clear Stats keeps the last result; a tree closed and opened again starts without it.
  tree->ClearButton->click();
  EXPECT_EQ(tree->LastRun->text(), "Aborted");
  QTest::keyClick(tree, Qt::Key_Escape);
  tree = Open();
  tree->PreStage->click();
  ASSERT_TRUE(tree->Tree().Armed());
  EXPECT_EQ(tree->LastRun->text(), "");
  EXPECT_EQ(tree->RunNumber->text(), "Runs: 0");

  // The reopened tree made the active window, as a desktop makes it; staged, then off to
  // another window with the bar still held: its release there is never seen here, so the car
  // has left the beams.
  QWidget other;
  other.show();
  for (QWidget* window : {static_cast<QWidget*>(&other), static_cast<QWidget*>(tree)}) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow(); }));
  }
  Space(tree, QEvent::KeyPress);
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_FALSE(tree->Tree().Armed());
  EXPECT_EQ(tree->LastRun->text(), "Aborted");
  EXPECT_EQ(tree->RedNumber->text(), "Reds: 1");
}

TEST_F(frmTreeTest, RedLightStaysRedWhenTheRacerPressesAndReleasesAgain) {
  // Pro (.500), handicap -1.0, rollout .2, staged at 0.1 s: the racer's ambers at 2.1 s and the
  // green at 2.6 s, the other lane's ambers at 3.1 s and its green at 3.6 s.
  frmTree* tree = Open();
  tree->Pro5Tree->setChecked(true);
  tree->UseHandicap->setChecked(true);
  tree->HandicapDelay->setText("-1");
  QTest::mouseClick(tree->PreStage, Qt::LeftButton);
  const PracticeTree& run = tree->Tree();
  clock = 0.1;
  Space(tree, QEvent::KeyPress);
  clock = 2.2;
  ASSERT_TRUE(QTest::qWaitFor([&] { return run.Lit(0, TreeBulb::Amber3); }));
  Space(tree, QEvent::KeyRelease);  // before the green: the car leaves the beams at 2.4 s
  clock = 2.5;
  ASSERT_TRUE(QTest::qWaitFor([&] { return run.Lit(0, TreeBulb::Red); }));
  Space(tree, QEvent::KeyPress);
  clock = 3.2;
  Space(tree, QEvent::KeyRelease);  // after the green
  clock = 3.7;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !run.Armed(); }));
  EXPECT_TRUE(run.Lit(0, TreeBulb::Red));
  EXPECT_EQ(tree->RedNumber->text(), "Reds: 1");
  EXPECT_EQ(tree->AverageRT->text(), "Average RT:");
}

TEST_F(frmTreeTest, RefusedFieldKeepsTheTreeIdleAndClosingMidRunStopsEveryTimer) {
  frmTree* tree = Open();
  tree->RolloutTime->setText("1.001");
  tree->PreStage->click();
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Rollout time too long");
  EXPECT_FALSE(tree->Tree().Armed());
  EXPECT_TRUE(tree->RolloutTime->hasFocus());

  tree->RolloutTime->setText("1");
  tree->PreStage->click();
  ASSERT_TRUE(tree->Tree().NextDeadline());
  QTest::keyClick(tree, Qt::Key_Escape);
  EXPECT_FALSE(tree->IsLoaded());
  EXPECT_FALSE(tree->Tree().NextDeadline());
  EXPECT_FALSE(tree->findChild<QTimer*>()->isActive());
}

TEST_F(frmTreeTest, BulbsTakeTheLightTypesColours) {
  // Lit pre-stage bulb and background, as red-green-blue: pale by day, pure in the evening
  // and at night, on a white, light cyan or black tree.
  const QRgb lit[] = {0xFFFF80, 0xFFFF00, 0xFFFF00}, background[] = {0xFFFFFF, 0x80FFFF, 0x000000};
  frmTree* tree = Open();
  for (int light = 0; light < 3; ++light) {
    (light == 0 ? tree->Daytime : light == 1 ? tree->Eveningtime : tree->Nighttime)->click();
    EXPECT_EQ(Cfg.LightType, light);
    tree->PreStage->click();
    const QImage image = tree->TreePic->grab().toImage();
    auto at = [&](int x, int y) { return image.pixel(x / TwipsPerPixel, y / TwipsPerPixel) & 0xFFFFFF; };
    EXPECT_EQ(at(960 + 186, 360 + 186), lit[light]) << light;   // left lane's pre-stage
    EXPECT_EQ(at(2760 + 186, 360 + 186), lit[light]) << light;  // right lane's
    EXPECT_EQ(at(1080 + 366, 1560 + 366), background[light]) << light;  // an unlit amber
    EXPECT_EQ(at(60, 6000), background[light]) << light;
    QTest::keyClick(tree, Qt::Key_Escape);
    tree = Open();
  }
}

}  // namespace
}  // namespace kestrelon
