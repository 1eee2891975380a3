// The practice tree window driven as a racer drives it: the space bar, Pre-Stage, Close.
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
#include "tree/ui/tree_windows.h"

namespace kestrelon {
namespace {

class frmTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitTables();
    S = SharedState{};
    Cfg = Settings{};
    RegisterTreeWindows();
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
    EXPECT_TRUE(QTest::qWaitForWindowExposed(tree));
    return tree;
  }
  static void Space(QWidget* target, QEvent::Type type, bool autoRepeat = false) {
    QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(target, &key);
  }

  test::RecordingQtUi ui;

 private:
  UiSeam* previous_ = nullptr;
};

TEST_F(frmTreeTest, FreshWindowShowsItsChoicesAndNoRun) {
  S.CancelFlag = 1;  // left by another command: the tree opens all the same
  Cfg.TreeType = 7;
  Cfg.LanePointer = 3;
  Cfg.DelayTime = 0.5f;
  frmTree* tree = Open();
  EXPECT_TRUE(tree->IsLoaded());
  EXPECT_EQ(tree->RolloutTime->text(), ".200");
  EXPECT_EQ(tree->DelayTime->text(), ".500");
  EXPECT_EQ(tree->HandicapDelay->text(), ".000");
  EXPECT_TRUE(tree->Pro4Tree->isChecked());
  EXPECT_EQ(Cfg.TreeType, 2);
  EXPECT_TRUE(tree->RightLane->isChecked());
  EXPECT_EQ(Cfg.LanePointer, 1);
  EXPECT_EQ(tree->RunNumber->text(), "Runs: 0");
  EXPECT_EQ(tree->AverageRT->text(), "Average RT:");
  EXPECT_FALSE(tree->StageLabel->isVisible());
}

TEST_F(frmTreeTest, SpaceBarStagesAndLaunchesWhateverHasTheFocus) {
  frmTree* tree = Open();
  tree->PreStage->click();
  ASSERT_TRUE(tree->Tree().Armed());
  EXPECT_TRUE(tree->StageLabel->isVisible());
  EXPECT_FALSE(tree->PreStage->isEnabled());
  tree->ClearButton->setFocus();
  Space(tree->ClearButton, QEvent::KeyPress);
  EXPECT_TRUE(tree->Tree().Lit(0, TreeBulb::Stage1));
  Space(tree->ClearButton, QEvent::KeyRelease, true);  // a held key's repeat
  Space(tree->ClearButton, QEvent::KeyPress, true);
  EXPECT_TRUE(tree->Tree().Armed());
  // Unmarked release and press pairs of a held key on X11.
  Space(tree->ClearButton, QEvent::KeyRelease);
  Space(tree->ClearButton, QEvent::KeyPress);
  QTest::qWait(150);
  EXPECT_TRUE(tree->Tree().Armed());
  // Released before the other lane staged (it waits at least a second).
  Space(tree->ClearButton, QEvent::KeyRelease);
  QTest::qWait(150);
  EXPECT_FALSE(tree->Tree().Armed());
  EXPECT_EQ(tree->LastRun->text(), "Aborted");
  EXPECT_EQ(tree->RunNumber->text(), "Runs: 1");
  EXPECT_EQ(tree->RedNumber->text(), "Reds: 1");
  EXPECT_TRUE(tree->PreStage->isEnabled());
}

TEST_F(frmTreeTest, RefusedFieldKeepsTheTreeIdleWithTheFocusOnIt) {
  frmTree* tree = Open();
  tree->RolloutTime->setText("1.001");
  tree->PreStage->click();
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Rollout time too long");
  EXPECT_FALSE(tree->Tree().Armed());
  EXPECT_TRUE(tree->RolloutTime->hasFocus());
}

TEST_F(frmTreeTest, ClosingMidRunStopsEveryTimer) {
  frmTree* tree = Open();
  tree->PreStage->click();
  ASSERT_TRUE(tree->Tree().NextDeadline());
  QTest::keyClick(tree, Qt::Key_Escape);
  EXPECT_FALSE(tree->IsLoaded());
  EXPECT_FALSE(tree->Tree().NextDeadline());
  EXPECT_FALSE(tree->findChild<QTimer*>()->isActive());
}

TEST_F(frmTreeTest, RolloutFollowsTheLastRunOnShow) {
  frmTree* tree = Open();
  tree->RolloutTime->setText("0.5");
  tree->hide();
  S.RunDone = True;  // a run that never moved: its rollout time reads 0
  tree->Show();
  EXPECT_EQ(tree->RolloutTime->text(), ".000");
}

TEST_F(frmTreeTest, BulbsTakeTheLightTypesColours) {
  frmTree* tree = Open();
  for (int light = 0; light < 3; ++light) {
    (light == 0 ? tree->Daytime : light == 1 ? tree->Eveningtime : tree->Nighttime)->click();
    EXPECT_EQ(Cfg.LightType, light);
    tree->PreStage->click();  // pre-stage bulbs lit
    const QImage image = tree->TreePic->grab().toImage();
    const TreeColours colours = LightColours(light);
    const BulbPlace& pre = PlaceOf(TreeBulb::Prestage1);
    const BulbPlace& amber = PlaceOf(TreeBulb::Amber1);
    auto at = [&](int x, int y) { return image.pixel(x / TwipsPerPixel, y / TwipsPerPixel) & 0xFFFFFF; };
    const int r = pre.diameter / 2, a = amber.diameter / 2;
    EXPECT_EQ(at(pre.left[0] + r, pre.top + r), colours.amber) << light;
    EXPECT_EQ(at(pre.left[1] + r, pre.top + r), colours.amber) << light;
    EXPECT_EQ(at(amber.left[0] + a, amber.top + a), colours.background) << light;  // unlit
    EXPECT_EQ(at(60, 6000), colours.background) << light;
    QTest::keyClick(tree, Qt::Key_Escape);
    tree = Open();
  }
}

}  // namespace
}  // namespace kestrelon
