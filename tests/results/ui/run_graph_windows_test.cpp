// The run graph's windows as a racer uses them: the end of a run opening the options, which
// open the graph; the next run redrawing it; the read-out under the mouse; the options' lists,
// zoom and refusals; the colours dialog; the baseline box; a run that leaves no run closing
// both; the picture and its print.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "core/ui/frmsetup.h"
#include "platform/qt/printer.h"
#include "results/run_graph_readout.h"
#include "run_graph_window_fixture.h"
#include "simulation/ui/frmCalcProgress.h"
#include "platform/qt/spin_button.h"
#include "support/spin_presses.h"

namespace kestrelon::test {
namespace {

QStringList ListTexts(const frmSimDisplay& options) {
  QStringList shown;
  for (QComboBox* list : options.Trace) shown << list->currentText();
  return shown;
}

TEST_F(RunGraphWindowTest, RunEndOpensTheOptionsWhichShowTheGraphThenRunsRedrawIt) {
  RunExample();
  ASSERT_NE(Options(), nullptr);
  ASSERT_NE(Graph(), nullptr);
  EXPECT_TRUE(Options()->isVisible());
  EXPECT_TRUE(Graph()->isVisible());
  EXPECT_TRUE(Graph()->GraphDrawn());
  EXPECT_TRUE(ui.asked.empty());  // applied silently
  // The four default traces, stored as the vehicle's choice.
  EXPECT_EQ(GraphDisplay.TraceChoice, (std::array<Integer, 5>{0, 4, 10, 1, 3}));
  EXPECT_EQ(S.VehicleData[8][9], " " + std::to_string(4 + 10 * 256 + 1 * 65536 + 3 * 16777216));
  EXPECT_EQ(Graph()->OptValue[2]->text(), QStringLiteral("Engine RPM :"));
  EXPECT_FLOAT_EQ(Graph()->Graph().AxisEnd, 16);  // no staging distance: nothing to align

  // A shorter run with the graph open: the graph is redrawn for it, the options untouched.
  RunExample(8);
  EXPECT_FLOAT_EQ(Graph()->Graph().AxisEnd, 8);
  EXPECT_EQ(S.GraphDynRecalc, False);
  EXPECT_TRUE(ui.asked.empty());
  // Setup's metric units reach the open options: their Display keeps them.
  frmsetup setup;
  setup.Load();
  setup.OptMetric->setChecked(true);
  setup.OKButton_Click();
  QApplication::processEvents();
  Options()->SimOKButton->click();
  EXPECT_EQ(Cfg.DUnits, "M");
}

TEST_F(RunGraphWindowTest, ReadOutUnderTheMouse) {
  Cfg.AlignRollout = False;
  RunExample();
  frmGraphDyn* graph = Graph();
  ASSERT_NE(graph, nullptr);
  const RunGraph& g = graph->Graph();
  graph->DynPic_MouseMove(3.25 * g.XPerUnit);
  EXPECT_EQ(graph->DynTime->text(), QStringLiteral("3.25 sec"));
  const std::string value = graph->OptValue[2]->text().toStdString();
  EXPECT_EQ(value.substr(0, 13), "Engine RPM : ");
  // Beyond the run nothing changes.
  graph->DynPic_MouseMove(-50);
  EXPECT_EQ(graph->DynTime->text(), QStringLiteral("3.25 sec"));

  // With a baseline shown the baseline's value follows in brackets.
  Options()->SimBaselineButton_Click();
  EXPECT_EQ(ui.asked.back().text, "Baseline run has been set");
  EXPECT_TRUE(Options()->CheckBaseline->isVisibleTo(Options()));
  EXPECT_FALSE(Options()->CheckBaseline->isChecked());
  Options()->CheckBaseline->click();
  EXPECT_NE(S.ShowBaseline, False);
  Options()->SimOKButton_Click();
  graph = Graph();
  graph->DynPic_MouseMove(3.25 * graph->Graph().XPerUnit);
  EXPECT_EQ(graph->OptValue[2]->text().toStdString(), value + " (" + value.substr(13) + ")");

  // Opened again, the box still says the baseline is shown.
  Options()->Unload();
  Form::Instance("frmSimDisplay")->Show();
  EXPECT_TRUE(Options()->CheckBaseline->isChecked());
}

TEST_F(RunGraphWindowTest, OptionsListsFollowTheStoredChoice) {
  S.VehicleData[8][9] = " 513";
  Form::Instance("frmSimDisplay")->Show();
  frmSimDisplay* options = Options();
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(ListTexts(*options), (QStringList{"Acceleration", "Vehicle speed", "(none)", "(none)"}));
  EXPECT_EQ(options->Trace[0]->count(), 25);  // 24 offered without a clutch plate calculation
  options->Unload();

  // As at program start: nothing stored, nothing chosen.
  S.VehicleData[8][9] = "";
  Cfg.ProfOpts = 0;
  GraphDisplay = RunGraphDisplay{};
  Form::Instance("frmSimDisplay")->Show();
  EXPECT_EQ(ListTexts(*Options()),
            (QStringList{"Rear Wheel speed", "Engine RPM", "Acceleration", "Distance Travelled"}));
  // The distance axis names trace 3 "Time" and keeps every list on its trace.
  Options()->XDistance->click();
  EXPECT_EQ(Cfg.XAxisTime, False);
  EXPECT_EQ(Options()->Trace[3]->currentText(), QStringLiteral("Time"));
  EXPECT_EQ(Options()->CheckRollout->text(), QStringLiteral("Align distance to rollout"));
  // Display stores the packed choice back.
  LoadWestfield(4);
  CalculatePerformance(0);  // the options are open: they are only refreshed
  EXPECT_EQ(Graph(), nullptr);
  Options()->SimOKButton_Click();
  EXPECT_EQ(S.VehicleData[8][9], " " + std::to_string(4 + 10 * 256 + 1 * 65536 + 3 * 16777216));
  ASSERT_NE(Graph(), nullptr);
  EXPECT_TRUE(Graph()->isVisible());
}

TEST_F(RunGraphWindowTest, OptionsZoomTooltipsAndRefusals) {
  Cfg.ShowToolTips = True;
  Form::Instance("frmSimDisplay")->Show();
  frmSimDisplay* options = Options();
  const int screen = QApplication::primaryScreen()->geometry().width();
  EXPECT_EQ(options->MaxZoomPercent(), MaxZoomSpin(screen * 15.0));
  EXPECT_EQ(options->ZoomSpin->maximum(), options->MaxZoomPercent());
  EXPECT_EQ(options->ZoomText->text(), QStringLiteral("100"));
  EXPECT_EQ(options->ZoomText->toolTip(),
            QStringLiteral("Change this to increas or decrease the zoom factor for the graph"));
  EXPECT_EQ(options->SimOKButton->toolTip(), QStringLiteral("Refresh the graphical display"));
  options->ZoomSpin->setValue(150);
  EXPECT_EQ(options->ZoomText->text(), QStringLiteral("150"));

  for (QComboBox* list : options->Trace) list->setCurrentIndex(list->count() - 1);
  options->SimOKButton->click();
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "You must select at least one option");
  EXPECT_EQ(Graph(), nullptr);

  options->Trace[0]->setCurrentIndex(0);
  options->ZoomText->setText(QStringLiteral("500000"));
  options->SimOKButton->click();
  EXPECT_EQ(ui.asked.back().text,
            "Invalid zoom factor: this screen takes at most " + std::to_string(options->MaxZoomPercent()) + "%");
  EXPECT_FLOAT_EQ(S.GraphZoom, 1);
}

// The zoom spin moves by tens the way its arrow points, by mouse, key and wheel, within the
// screen's limit.
TEST_F(RunGraphWindowTest, ZoomSpinRaisesByItsUpperArrowKeyAndWheel) {
  Form::Instance("frmSimDisplay")->Show();
  frmSimDisplay* options = Options();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
  for (const SpinWay way : {SpinWay::Arrow, SpinWay::Key, SpinWay::Wheel}) {
    StepSpin(options->ZoomSpin, true, way);
    EXPECT_EQ(options->ZoomText->text(), QStringLiteral("110")) << int(way);
    StepSpin(options->ZoomSpin, false, way);
    StepSpin(options->ZoomSpin, false, way);
    EXPECT_EQ(options->ZoomText->text(), QStringLiteral("90")) << int(way);
    StepSpin(options->ZoomSpin, true, way);
  }
  options->ZoomSpin->setValue(options->MaxZoomPercent());
  StepSpin(options->ZoomSpin, true, SpinWay::Arrow);
  EXPECT_EQ(options->ZoomText->text(), QString::number(options->MaxZoomPercent()));
  options->ZoomSpin->setValue(10);
  StepSpin(options->ZoomSpin, false, SpinWay::Key);
  EXPECT_EQ(options->ZoomText->text(), QStringLiteral("10"));
}

// A zoom below 10 % is taken as typed: the graph opens narrower, with no message.
TEST_F(RunGraphWindowTest, SmallZoomIsAcceptedAndTheGraphShows) {
  RunExample();
  ASSERT_NE(Options(), nullptr);
  Options()->ZoomText->setText(QStringLiteral("5"));
  Options()->SimOKButton->click();
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_FLOAT_EQ(S.GraphZoom, 0.05f);
  ASSERT_NE(Graph(), nullptr);
  EXPECT_TRUE(Graph()->isVisible());
}

TEST_F(RunGraphWindowTest, ColoursDialogSetChangesOnlyTheChosenChannelAndCancelNothing) {
  Form::Instance("frmGraphColours")->Show();
  auto* colours = dynamic_cast<frmGraphColours*>(Form::FindLoaded(QStringLiteral("frmGraphColours")));
  ASSERT_NE(colours, nullptr);
  EXPECT_EQ(colours->Edit().SelectedChannel, 1);
  EXPECT_TRUE(colours->LineThin->isChecked());
  colours->TraceLabel_Click(3);
  colours->LineThick->click();
  colours->ColourPic_MouseDown(80, 140);
  colours->ColourSet->click();
  EXPECT_FALSE(colours->IsLoaded());
  EXPECT_EQ(GraphDisplay.ChannelColour, (std::array<Integer, 5>{0, 2, 12, 9, 13}));
  EXPECT_EQ(GraphDisplay.ChannelWidth, (std::array<Integer, 5>{0, 0, 0, 3, 0}));

  // Cancel, Escape and the close box keep the channels as they are.
  for (int way = 0; way < 3; ++way) {
    Form::Instance("frmGraphColours")->Show();
    colours->TraceLabel_Click(3);
    EXPECT_TRUE(colours->LineThick->isChecked());
    colours->ColourPic_MouseDown(10, 10);
    colours->LineThin->click();
    if (way == 0) colours->ColourCancel->click();
    if (way == 1) QTest::keyClick(colours, Qt::Key_Escape);
    if (way == 2) colours->close();
    EXPECT_FALSE(colours->IsLoaded()) << way;
    EXPECT_EQ(GraphDisplay.ChannelColour[3], 9) << way;
    EXPECT_EQ(GraphDisplay.ChannelWidth[3], 3) << way;
  }
  // Enter presses Set.
  Form::Instance("frmGraphColours")->Show();
  colours->TraceLabel_Click(2);
  colours->ColourPic_MouseDown(250, 250);
  QTest::keyClick(colours, Qt::Key_Return);
  EXPECT_EQ(GraphDisplay.ChannelColour[2], 15);
}

TEST_F(RunGraphWindowTest, ReloadBaselineDataClearsTheBaselineBoxRedrawsTheGraphAndAStoppedRunClosesIt) {
  RunExample();
  Options()->SimBaselineButton_Click();
  Options()->CheckBaseline->click();
  ASSERT_TRUE(Options()->CheckBaseline->isChecked());
  Options()->SimOKButton_Click();
  ASSERT_EQ(Graph()->Graph().SeriesCount, 2);
  ASSERT_TRUE(FileWindows.ClearBaselineCheck);
  S.ShowBaseline = False;  // as Reload Baseline Data leaves it
  FileWindows.ClearBaselineCheck();
  EXPECT_FALSE(Options()->CheckBaseline->isChecked());
  EXPECT_FALSE(Options()->CheckBaseline->isVisibleTo(Options()));
  EXPECT_EQ(Graph()->Graph().SeriesCount, 1);
  EXPECT_TRUE(Graph()->GraphDrawn());

  // Its entry pass leaves no run, and a run cancelled then leaves none either: the graph and its
  // options close, so no empty run is drawn or set as the baseline.
  S.RunDone = False;
  Form::Register("frmCalcProgress", [] { return new frmCalcProgress; });
  QMetaObject::invokeMethod(
      qApp, [] { static_cast<frmCalcProgress*>(Form::FindLoaded("frmCalcProgress"))->CalcCancelButton->click(); },
      Qt::QueuedConnection);
  CalculatePerformance(1);
  QApplication::processEvents();
  ASSERT_EQ(ui.asked.back().text, "Calculation cancelled at user request");
  EXPECT_EQ(Options(), nullptr);
  EXPECT_EQ(Graph(), nullptr);
}

TEST_F(RunGraphWindowTest, ZoomWidensThePictureAndTheBarScrollsIt) {
  RunExample();
  Options()->ZoomText->setText(QStringLiteral("200"));
  Options()->SimOKButton_Click();
  frmGraphDyn* graph = Graph();
  EXPECT_FLOAT_EQ(S.GraphZoom, 2);
  EXPECT_TRUE(graph->ZoomScroll->isVisible());
  EXPECT_NEAR(graph->DynPic->width(), 2 * graph->DynPort->width(), 1);
  const int range = graph->ZoomScroll->maximum();
  EXPECT_EQ(range, graph->DynPic->width() - graph->DynPort->width());
  EXPECT_EQ(graph->ZoomScroll->pageStep(), CInt(range / 4.0));
  graph->ZoomScroll->setValue(range);
  EXPECT_EQ(graph->DynPic->x(), -range);
  QTest::keyClick(graph, Qt::Key_Home);  // and the keys scroll it
  EXPECT_EQ(graph->DynPic->x(), 0);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Right}) QTest::keyClick(graph, key);
  EXPECT_EQ(graph->DynPic->x(), -graph->ZoomScroll->singleStep());  // Right to later times, Left back
  EXPECT_TRUE(graph->GraphDrawn());  // scrolling does not redraw
}

TEST_F(RunGraphWindowTest, ColoursChosenFromTheGraphAreDrawnAndKeptInTheSettings) {
  RunExample();
  frmGraphDyn* graph = Graph();
  ASSERT_NE(graph, nullptr);
  // The racer picks white for channel 1 in the modal dialog and presses Set.
  QTimer::singleShot(0, [] {
    auto* colours = dynamic_cast<frmGraphColours*>(Form::FindLoaded(QStringLiteral("frmGraphColours")));
    ASSERT_NE(colours, nullptr);
    colours->ColourPic_MouseDown(250, 250);
    colours->ColourSet->click();
  });
  graph->DynGraphColours->trigger();
  EXPECT_EQ(GraphDisplay.ChannelColour[1], 15);
  EXPECT_EQ(Cfg.ProfCols, EncodeChannelColours(GraphDisplay));
  EXPECT_EQ(Cfg.ProfCols % 256, 15);
  EXPECT_TRUE(graph->OptValue[1]->styleSheet().contains(QStringLiteral("#ffffff")));
}

TEST_F(RunGraphWindowTest, GraphOpensCentredAtItsDesignSizeWithoutAStoredPlace) {
  Cfg.GraphDynHeight = 999999;  // larger than the screen: the design height
  RunExample();
  frmGraphDyn* graph = Graph();
  const QRect screen = QApplication::primaryScreen()->availableGeometry();
  EXPECT_LT(graph->height(), screen.height());
  EXPECT_NEAR(graph->frameGeometry().center().x(), screen.center().x(), 2);
  // Closing keeps the place in twips for the next opening.
  graph->DynGraphExit->trigger();
  EXPECT_FALSE(graph->IsLoaded());
  EXPECT_EQ(Cfg.GraphDynWidth, graph->width() * 15);
  EXPECT_EQ(Cfg.GraphDynLeft, graph->x() * 15);
}

}  // namespace
}  // namespace kestrelon::test
