// The result windows a racer leaves open (the listing, the cascade and the history log) follow the
// model while the racer works in other windows: another example loaded and run from the bar, or
// Display Options' metric units, are drawn in each of them without a click, and a vehicle cleared
// by File > New leaves them with nothing of an earlier run to draw, print or write. They keep
// their places in the Window menu throughout.
#include <QApplication>
#include <QPlainTextEdit>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <set>

#include "core/ui/form1.h"
#include "core/window_list.h"
#include "files/file_commands.h"
#include "files/ui/file_window_fixture.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/text.h"
#include "power/ui/power_graph_picture.h"
#include "report/ui/frmList.h"
#include "report/ui/report_windows.h"
#include "results/ui/cascade_history_windows.h"
#include "results/ui/frmGraphCascade.h"
#include "results/ui/frmHistory.h"
#include "results/ui/frmSimDisplay.h"
#include "results/ui/run_graph_windows.h"
#include "support/pdf_answer.h"

namespace kestrelon::test {
namespace {

// Counts each activation of the windows it watches.
class ActivationCounter : public QObject {
 public:
  std::set<QObject*> watched;
  int activations = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && watched.contains(object)) ++activations;
    return false;
  }
};

bool Blank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != image.pixel(0, 0)) return false;
  return true;
}

// The captions of the given windows in their Window list order.
std::vector<QString> ListOrder(std::initializer_list<Form*> windows) {
  std::vector<QString> order;
  for (const std::string& caption : OpenWindows.Captions())
    for (Form* window : windows)
      if (StdText(window->Caption()) == caption) order.push_back(window->Caption());
  return order;
}

class ResultWindowsFollow : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    RegisterRunGraphWindows();
    RegisterCascadeHistoryWindows();
    RegisterReportWindows();
    Cfg.HistoryLog = True;
    bar_ = std::make_unique<Form1>();
    bar_->Load();
    bar_->Show();
    // The racer's OK in each window that waits for one (the example chosen is `example_`),
    // pressed from the event queue: what the OK opens waits inside it, and the timer must not.
    answering_.setInterval(20);
    QObject::connect(&answering_, &QTimer::timeout, [this] {
      QMetaObject::invokeMethod(&answering_, [this] { AcceptWaitingWindow(example_, accepted_); },
                                Qt::QueuedConnection);
    });
    answering_.start();
  }
  void TearDown() override {
    answering_.stop();
    FileWindowTest::TearDown();
    bar_.reset();
  }

  // File > Example with the given vehicle, No to saving the one before, then a run from the bar;
  // returns once the run has ended and pending events have run.
  void LoadAndRun(const std::string& example) {
    example_ = example;
    if (S.DataSaved == False) ui.answers = {Msg::No};
    bar_->mnuFileExample->trigger();
    ASSERT_TRUE(QTest::qWaitFor([] { return EverySectionIn() && S.AutoAccept == False; }, 20000));
    Run();
  }
  void Run() {
    bar_->mnuCalcAcc->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return S.RunDone != False && !Form::FindLoaded(QStringLiteral("frmCalcProgress")); }, 20000));
    QTest::qWait(100);
  }

  std::unique_ptr<Form1> bar_;
  QTimer answering_;
  std::string example_;
  std::vector<QString> accepted_;
};

TEST_F(ResultWindowsFollow, EachRunAndAClearedVehicleAreDrawnWithoutActivation) {
  const std::string namedBike = ExamplePair("TNFUNNY", "BIKE");
  LoadAndRun("Turbo Nitrous Suzuki Funny bike");
  bar_->mnuDisplayPerf->trigger();
  bar_->mnuDisplayCascade->trigger();
  bar_->mnuDisplayHist->trigger();
  auto* listing = dynamic_cast<frmList*>(Form::FindLoaded(QStringLiteral("frmList")));
  auto* cascade = dynamic_cast<frmGraphCascade*>(Form::FindLoaded(QStringLiteral("frmGraphCascade")));
  auto* history = dynamic_cast<frmHistory*>(Form::FindLoaded(QStringLiteral("frmHistory")));
  ASSERT_TRUE(listing && cascade && history);
  for (Form* window : {static_cast<Form*>(listing), static_cast<Form*>(cascade), static_cast<Form*>(history)})
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  QApplication::setActiveWindow(bar_.get());
  QTest::qWait(50);
  const QImage bikeListing = listing->Listing->image();
  const QImage bikeCascade = cascade->CascadePic->image();

  ActivationCounter counter;
  counter.watched = {listing, cascade, history};
  qApp->installEventFilter(&counter);

  // Each window shows what it draws from the model as it is now: the Lotus and its run.
  LoadAndRun("Lotus 7 sports car with injected Lotus Twin-Cam");
  EXPECT_EQ(ListOrder({listing, cascade, history}),
            (std::vector<QString>{listing->Caption(), cascade->Caption(), history->Caption()}));
  const QImage lotusListing = listing->Listing->image();
  const QImage lotusCascade = cascade->CascadePic->image();
  const QString lotusHistory = history->HistBox->toPlainText();
  EXPECT_NE(lotusListing, bikeListing);
  EXPECT_NE(lotusCascade, bikeCascade);
  const auto quarterMile = std::find_if(S.HistoryLines.rbegin(), S.HistoryLines.rend(),
                                         [](const std::string& line) { return line.find("1320ft -") != std::string::npos; });
  ASSERT_NE(quarterMile, S.HistoryLines.rend());
  EXPECT_TRUE(lotusHistory.contains(QString::fromStdString(*quarterMile)));
  listing->Form_Paint();
  cascade->Form_Paint();
  history->FillHistory();
  EXPECT_EQ(listing->Listing->image(), lotusListing);
  EXPECT_EQ(cascade->CascadePic->image(), lotusCascade);
  EXPECT_EQ(history->HistBox->toPlainText(), lotusHistory);
  cascade->CascadePic_MouseMove(400);  // the read-out of a point of the Lotus's cascade
  ASSERT_NE(cascade->CurrentForce->text(), QStringLiteral("Force : "));

  // Display Options' Display with Metric: the listing and the cascade are drawn in metric.
  auto* options = dynamic_cast<frmSimDisplay*>(Form::FindLoaded(QStringLiteral("frmSimDisplay")));
  ASSERT_TRUE(options);
  options->SimMetric->setChecked(true);
  options->SimOKButton->click();
  QApplication::processEvents();
  const QImage metricListing = listing->Listing->image();
  const QImage metricCascade = cascade->CascadePic->image();
  EXPECT_NE(metricListing, lotusListing);
  EXPECT_NE(metricCascade, lotusCascade);
  listing->Form_Paint();
  cascade->Form_Paint();
  EXPECT_EQ(listing->Listing->image(), metricListing);
  EXPECT_EQ(cascade->CascadePic->image(), metricCascade);

  // File > New: No to saving first, Cancel in the first window of the entry (the peak figures),
  // OK to "Data entry cancelled".
  answering_.stop();
  QTimer cancelling;
  bool blankWhileEntered = false;  // the listing while the new vehicle's first form waits
  QObject::connect(&cancelling, &QTimer::timeout, [&] {
    auto* peaks = dynamic_cast<frmPNAData*>(Form::FindLoaded(QStringLiteral("frmPNAData")));
    if (!peaks || !peaks->isVisible()) return;
    blankWhileEntered = Blank(listing->Listing->image());
    peaks->CancelButton_Click();
  });
  cancelling.start(20);
  ui.answers = {Msg::No, Msg::Ok};
  ui.asked.clear();
  bar_->mnuFileNew->trigger();
  cancelling.stop();
  QTest::qWait(100);
  ASSERT_TRUE(bar_->IsLoaded());
  ASSERT_EQ(S.RunDone, False);

  EXPECT_TRUE(blankWhileEntered);
  EXPECT_TRUE(Blank(listing->Listing->image()));
  EXPECT_EQ(listing->ReportBottom(), 0);
  EXPECT_TRUE(Blank(cascade->CascadePic->image()));
  EXPECT_EQ(cascade->CurrentForce->text(), QStringLiteral("Force : "));  // no figure stays
  EXPECT_TRUE(history->HistBox->toPlainText().trimmed().isEmpty());
  EXPECT_EQ(counter.activations, 0);
  qApp->removeEventFilter(&counter);

  // Neither print command has a report to give: each answers as the Display menu does.
  for (QAction* print : {listing->FilePrint, listing->ListPrint}) {
    SCOPED_TRACE(print->text().toStdString());
    ui.asked.clear();
    DialogDriver driver;
    driver.actions = {TypeAndOpen(QStringLiteral("REPORT.TXT"))};
    PdfAnswer answer(QString::fromStdString(folder.file("report.pdf")));
    print->trigger();
    EXPECT_EQ(driver.shown, 0);
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style, ui.asked[0].title),
              std::tuple("Performance data has not been calculated", Msg::OKOnly | Msg::Question, "Print data"));
  }
  EXPECT_FALSE(std::filesystem::exists(folder.file("REPORT.TXT")));
  EXPECT_FALSE(std::filesystem::exists(folder.file("report.pdf")));

  // Window > Minimise all, another vehicle loaded and run, Restore all: the cascade shows again
  // under the name of the vehicle it draws.
  answering_.start();
  bar_->mnuWindowMin_Click();
  ASSERT_TRUE(FileVehicle(namedBike, folder.file("BIKE.VCD")));
  ASSERT_FALSE(S.VehicleName.empty());
  Run();
  bar_->windowlist_build();
  bar_->mnuWindowRestore_Click();
  QApplication::processEvents();
  EXPECT_EQ(cascade->Caption(), QStringLiteral("Cascade Graph for ") + QText(S.VehicleName));

  // The rollout box changes the listing's times and distances at once, before any Display.
  ASSERT_GT(S.RunRolloutTime, 0);
  const QImage aligned = listing->Listing->image();
  options = dynamic_cast<frmSimDisplay*>(Form::FindLoaded(QStringLiteral("frmSimDisplay")));
  ASSERT_TRUE(options && options->CheckRollout->isChecked());
  options->CheckRollout->click();
  QApplication::processEvents();
  EXPECT_NE(listing->Listing->image(), aligned);
}

}  // namespace
}  // namespace kestrelon::test
