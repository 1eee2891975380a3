#include "power/ui/frmGraphPower.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "core/commands.h"
#include "power/ui/power_graph_picture.h"
#include "power_window_fixture.h"

namespace kestrelon {
namespace {

class CurveGraphWindow : public test::PowerWindowTest {
 protected:
  void SetUp() override {
    PowerWindowTest::SetUp();
    S.MinRPMIndex = 30;
    S.MaxRPMIndex = 70;
    S.GraphRPMTop = 8000;
    S.CurvePeakValue = 500;
    S.PowerCurve[0][30] = 300;
    S.PowerCurve[0][50] = 400;
    S.PowerCurve[0][70] = 350;
    for (int r = 1; r <= CurveTopRow; ++r) S.PowerCurveBackup[r] = S.PowerCurve[0][r];
    S.PowerMaxRPMIndexBackup = 70;
    graph = static_cast<frmGraphPower*>(Form::Instance("frmGraphPower"));
    graph->Show();
    ASSERT_TRUE(graph->Graph().GraphReady);
  }
  // The picture's pixel of a row and a value in lb-ft.
  QPoint At(int row, double torque) const {
    const Canvas& pic = graph->PowerPic->canvas();
    return QPoint(static_cast<int>(pic.ToPixelX(row * S.GraphXPerRPMIndex)),
                  static_cast<int>(pic.ToPixelY(torque * S.GraphYPerUnit)));
  }
  void Click(Qt::MouseButton button, QPoint p) {
    QTest::mouseClick(graph->PowerPic, button, Qt::NoModifier, p);
  }
  void DragTo(QPoint p) {
    QMouseEvent move(QEvent::MouseMove, p, graph->PowerPic->mapToGlobal(p), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(graph->PowerPic, &move);
  }
  frmGraphPower* graph = nullptr;
};

TEST_F(CurveGraphWindow, DrawsTorqueDotsAndPowerCrosses) {
  const QImage& image = graph->PowerPic->image();
  const QPoint dot = At(50, 400);
  EXPECT_EQ(image.pixelColor(dot), QColor(128, 0, 0));
  const QPoint cross = At(50, 400 * 50 / 52.52);
  EXPECT_EQ(image.pixelColor(cross + QPoint(2, 0)), QColor(0, 128, 0));
  EXPECT_EQ(image.pixelColor(cross + QPoint(0, 2)), QColor(0, 128, 0));
  EXPECT_EQ(graph->windowTitle(), QStringLiteral("Power with no Nitrous"));
  EXPECT_FALSE(graph->PowerNA->isEnabled());

  // The KW switch redraws in the other units, for the whole program.
  graph->PowerUnitsKW->trigger();
  EXPECT_EQ(Cfg.PUnits, "M");
  EXPECT_EQ(graph->CurrentBHP->text(), QStringLiteral("KW :"));
  EXPECT_EQ(image.pixelColor(At(50, 400 / 0.7371)), QColor(128, 0, 0));
  graph->PowerUnitsBHP->trigger();
  EXPECT_EQ(S.PowerUnit, "BHP");
  EXPECT_EQ(graph->CurrentTorque->text(), QStringLiteral("lb/ft :"));
}

TEST_F(CurveGraphWindow, ClickSetsAPointAndEraseModeDragErases) {
  Click(Qt::LeftButton, At(40, 300));
  EXPECT_NEAR(S.PowerCurve[0][40], 300, 3);
  EXPECT_EQ(S.PowerCurve[0][39], 0);
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(40, S.PowerCurve[0][40])), QColor(128, 0, 0));

  graph->PowerEraseOn->trigger();
  EXPECT_TRUE(graph->PowerEraseOn->isChecked());
  EXPECT_FALSE(graph->PowerEraseOff->isChecked());
  QTest::mousePress(graph->PowerPic, Qt::LeftButton, Qt::NoModifier, At(40, 100));
  DragTo(At(50, 100));
  QTest::mouseRelease(graph->PowerPic, Qt::LeftButton, Qt::NoModifier, At(50, 100));
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  EXPECT_EQ(S.PowerCurve[0][50], 0);
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(50, 400)), QColor(255, 255, 255));
}

TEST_F(CurveGraphWindow, RightClicksSetAndClearTheRangeMarks) {
  Click(Qt::RightButton, At(55, 100));
  Click(Qt::RightButton, At(35, 100));
  EXPECT_EQ(graph->Graph().RangeMark1, 35);
  EXPECT_EQ(graph->Graph().RangeMark2, 55);
  // The mark shows as a black line over the graph.
  const QImage shown = graph->PowerPic->grab().toImage();
  EXPECT_EQ(shown.pixelColor(At(35, 250)), QColor(0, 0, 0));
  Click(Qt::RightButton, At(55, 200));
  EXPECT_EQ(graph->Graph().RangeMark1, 0);
  EXPECT_EQ(graph->Graph().RangeMark2, 0);
}

TEST_F(CurveGraphWindow, RevLimitPickWritesTheLimitText) {
  QTest::keyClick(graph, Qt::Key_R);
  EXPECT_TRUE(graph->Graph().RPMLimitMode);
  Click(Qt::LeftButton, At(30, 100));  // MinRPMIndex is not allowed
  EXPECT_TRUE(graph->Graph().RPMLimitMode);
  Click(Qt::LeftButton, At(65, 100));
  EXPECT_EQ(S.RevLimitIndex, 65);
  EXPECT_EQ(S.VehicleData[9][2], " 6500");
  EXPECT_FALSE(graph->Graph().RPMLimitMode);
  ASSERT_EQ(seam.asked.size(), 2u);
  EXPECT_EQ(seam.asked[0].text, "Click at an RPM value to set new RPM limiter");
  EXPECT_EQ(seam.asked[1].text, "New RPM limit now set");
  EXPECT_EQ(seam.asked[1].style, Msg::OKOnly);
  EXPECT_EQ(S.PowerCurve[0][65], 0);  // the pick sets no point
  const QImage shown = graph->PowerPic->grab().toImage();
  EXPECT_EQ(shown.pixelColor(At(65, 200)), QColor(255, 0, 0));
}

TEST_F(CurveGraphWindow, FillAndOriginal) {
  QTest::keyClick(graph, Qt::Key_F);
  EXPECT_FLOAT_EQ(S.PowerCurve[0][40], 350);
  EXPECT_EQ(graph->PowerPic->image().pixelColor(At(40, 350)), QColor(128, 0, 0));
  S.MaxRPMIndex = 80;  // as a manipulation of the span would
  graph->PowerOriginal->trigger();
  EXPECT_EQ(S.PowerCurve[0][40], 0);
  EXPECT_EQ(S.MaxRPMIndex, 70);
  EXPECT_EQ(S.CurvePeakValue, 466);  // 350 lb-ft at 7000 rpm
  EXPECT_TRUE(graph->isVisible());
}

TEST_F(CurveGraphWindow, OkAcceptsAndResumesTheGuidedEntry) {
  std::vector<int> opened;
  Hooks.EnterPowerCurve = [&](Integer column, Integer) { opened.push_back(column); };
  S.InputDataPending = True;
  S.InputDataMode = 0;
  S.InputDataOption = True;
  QTest::mouseClick(graph->GraphOKButton, Qt::LeftButton);
  EXPECT_FALSE(graph->IsLoaded());
  EXPECT_EQ(S.CurveEntered[0], True);
  EXPECT_EQ(opened, std::vector<int>{1});  // the sequence goes on to the first stage
  EXPECT_GE(Cfg.GraphPowerWidth, 0);       // the place is kept
}

TEST_F(CurveGraphWindow, F2AcceptsKeepsTheWindowAndRuns) {
  int checks = 0;
  Hooks.RunSimulationCheck = [&] { ++checks; };
  QTest::keyClick(graph, Qt::Key_F2);  // no run yet: the pre-check
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(S.CurveEntered[0], True);
  EXPECT_TRUE(graph->isVisible());

  S.RunDone = True;
  S.Calculating = True;  // the run itself is not under test here
  S.CalcRequested = False;
  QTest::keyClick(graph, Qt::Key_F2);
  EXPECT_EQ(checks, 1);
  EXPECT_EQ(S.CalcRequested, True);
  QTest::keyClick(graph, Qt::Key_F2, Qt::ShiftModifier);
  EXPECT_EQ(checks, 2);
  EXPECT_TRUE(graph->isVisible());
}

TEST_F(CurveGraphWindow, CancelRestoresTheCurveAndAbandonsTheEntry) {
  Click(Qt::LeftButton, At(60, 450));
  QTest::keyClick(graph, Qt::Key_F2);  // an accepted summary of the edited curve
  S.InputDataPending = True;
  S.DataSequence = True;
  QTest::mouseClick(graph->CancelButton, Qt::LeftButton);
  EXPECT_FALSE(graph->IsLoaded());
  EXPECT_FLOAT_EQ(S.PowerCurve[0][60], 375);  // the original, filled
  EXPECT_FLOAT_EQ(S.EngineSummary[0][0], 400);
  EXPECT_EQ(S.DataSequence, False);
}

}  // namespace
}  // namespace kestrelon
