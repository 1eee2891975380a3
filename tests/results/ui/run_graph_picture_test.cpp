// The graph as the racer sees it, rendered offscreen: a run of the first example beside its
// baseline, checked at chosen pixels; and the same window printed to a PDF file.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "support/pdf_answer.h"
#include "platform/qt/qt_canvas.h"
#include "results/axis_steps.h"
#include "results/run_graph.h"
#include "results/set_baseline.h"
#include "run_graph_window_fixture.h"

namespace kestrelon::test {
namespace {

bool Is(QRgb pixel, Color colour) {
  return qRed(pixel) == RedOf(colour) && qGreen(pixel) == GreenOf(colour) && qBlue(pixel) == BlueOf(colour);
}

// Pixels of a colour within `radius` of a point.
bool Near(const QImage& image, double px, double py, Color colour, int radius = 3) {
  for (int dx = -radius; dx <= radius; ++dx)
    for (int dy = -radius; dy <= radius; ++dy) {
      const int x = static_cast<int>(px) + dx, y = static_cast<int>(py) + dy;
      if (image.valid(x, y) && Is(image.pixel(x, y), colour)) return true;
    }
  return false;
}

int Count(const QImage& image, Color colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += Is(image.pixel(x, y), colour);
  return n;
}

class RunGraphPicture : public RunGraphWindowTest {
 protected:
  void SetUp() override {
    RunGraphWindowTest::SetUp();
    S.NewRunPending = False;
    // The baseline: the first example from a 4500 rpm launch; the run: from 5500 rpm.
    LoadWestfield(16);
    S.LaunchStage = 0.2286f;  // staged 9 in
    ApplyDisplayUnits("I");
    CalculatePerformance(0);
    SetBaseline();
    S.LaunchRPM = 55;
    CalculatePerformance(0);
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    GraphDisplay.TraceChoice = {0, 4, 10, 0, 0};
    S.ShowBaseline = True;
    ui.asked.clear();
  }

  QImage Render(RunGraph& graph, std::unique_ptr<QtCanvas>& keep) {
    image_ = QImage(1200, 640, QImage::Format_RGB32);
    painter_ = std::make_unique<QPainter>(&image_);
    keep = std::make_unique<QtCanvas>(*painter_);
    PrepareRunGraph(graph);
    DrawRunGraph(*keep, graph, 700);
    painter_->end();
    return image_;
  }

  QImage image_;
  std::unique_ptr<QPainter> painter_;
};

TEST_F(RunGraphPicture, ShowsBothRunsTheGridTheShiftsAndTheTimingBox) {
  RunGraph graph;
  std::unique_ptr<QtCanvas> pic;
  const QImage image = Render(graph, pic);
  const Color green = QBColor(2), lightRed = QBColor(12), cyan = QBColor(3), grey = QBColor(8);

  // The current run's traces in their colours, where their values put them.
  const GraphSeries& run = graph.Series[CurrentRun];
  for (int k : {1, 2}) {
    const Single step = ChannelStep(graph.YGridCount, graph.ChannelMax[k]);
    const double ypu = GridHeight / (graph.YGridCount * static_cast<double>(step));
    for (int i : {200, 500, 800}) {
      SCOPED_TRACE(testing::Message() << "channel " << k << " point " << i);
      const double x = graph.XPerUnit * (i * S.RecordedWith.PointSpacing + run.traceXOffset);
      const double y = ypu * std::max(0.0f, graph.ChannelData[CurrentRun][k][i]);
      EXPECT_TRUE(Near(image, pic->ToPixelX(x), pic->ToPixelY(y), k == 1 ? green : lightRed));
    }
  }

  // Staged runs on the aligned axis: the run's rollout ends on the first grid line, so its
  // traces begin right of the Y axis.
  const double start = pic->ToPixelX(run.traceXOffset * graph.XPerUnit);
  EXPECT_GT(start - pic->ToPixelX(0), 20);
  const double y0 = GridHeight / (graph.YGridCount * static_cast<double>(ChannelStep(graph.YGridCount, graph.ChannelMax[2]))) *
                    graph.ChannelData[CurrentRun][2][0];
  EXPECT_TRUE(Near(image, start, pic->ToPixelY(y0), lightRed));

  // The baseline adds dotted traces of the same colours.
  S.ShowBaseline = False;
  RunGraph alone;
  std::unique_ptr<QtCanvas> pic2;
  const QImage without = Render(alone, pic2);
  EXPECT_GT(Count(image, green), Count(without, green) + 100);
  EXPECT_GT(Count(image, lightRed), Count(without, lightRed) + 100);

  // A dotted cyan grid line: about half its pixels.
  const int column = static_cast<int>(pic->ToPixelX(graph.XGridStep * graph.XPerUnit));
  const int top = static_cast<int>(pic->ToPixelY(GridHeight)), bottom = static_cast<int>(pic->ToPixelY(0));
  int cyanPixels = 0;
  for (int y = top + 5; y < bottom - 5; ++y) cyanPixels += Is(image.pixel(column, y), cyan);
  EXPECT_GT(cyanPixels, (bottom - top) / 5);
  EXPECT_LT(cyanPixels, (bottom - top) * 4 / 5);

  // The 1-2 change of the run, a grey line over the grid's height.
  const int shift = static_cast<int>(pic->ToPixelX(MarkX(graph, CurrentRun, S.GearEngagedTime[CurrentRun][1])));
  int greyPixels = 0;
  for (int y = top; y < bottom; ++y) greyPixels += Near(image, shift, y, grey, 1);
  EXPECT_GT(greyPixels, (bottom - top) * 3 / 4);

  // The timing box: white inside a black frame, light blue figures.
  const int boxRight = static_cast<int>(pic->ToPixelX(1240));
  const int boxBottom = static_cast<int>(pic->ToPixelY(40));
  EXPECT_TRUE(Near(image, boxRight - 1, boxBottom - 20, QBColor(0), 1));
  int blue = 0;
  for (int y = boxBottom - 120; y < boxBottom; ++y)
    for (int x = boxRight - 300; x < boxRight; ++x) blue += image.valid(x, y) && Is(image.pixel(x, y), QBColor(9));
  EXPECT_GT(blue, 200);
  EXPECT_TRUE(Near(image, boxRight - 4, boxBottom - 4, QBColor(15), 0));
}

TEST_F(RunGraphPicture, PrintsToAPdfAndSurvivesAPrinterThatIsNotReady) {
  Form::Instance("frmGraphDyn")->Show();
  auto* graph = dynamic_cast<frmGraphDyn*>(Form::FindLoaded(QStringLiteral("frmGraphDyn")));
  ASSERT_NE(graph, nullptr);
  ASSERT_TRUE(graph->GraphDrawn());

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("run.pdf"));
  PdfAnswer answer(pdf);
  EXPECT_TRUE(graph->PrintSimulation());
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
  EXPECT_GT(file.size(), 5000);
  EXPECT_TRUE(ui.asked.empty());

  // A printer that cannot start the job: told, and the window goes on.
  PdfAnswer bad(folder.filePath(QStringLiteral("nonexistent-folder/run.pdf")));
  EXPECT_FALSE(graph->PrintSimulation());
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Printer not ready");
  EXPECT_EQ(ui.asked[0].title, "Print Simulation");
  EXPECT_EQ(ui.asked[0].style, Msg::OKOnly | Msg::Exclamation);
  EXPECT_TRUE(graph->IsLoaded());
}

}  // namespace
}  // namespace kestrelon::test
