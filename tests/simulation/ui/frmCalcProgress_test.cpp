#include "simulation/ui/frmCalcProgress.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <functional>
#include <thread>

#include "platform/qt/qt_canvas.h"
#include "simulation/ui/frmDataLaunch.h"
#include "support/westfield_fixture.h"
#include "window_test_ui.h"

namespace kestrelon::test {
namespace {

// Watches the progress window through the seam: the points drawn and the bar as it was when the
// run closed the window. When the bar reaches actAt, the user's action arrives with the next
// pending events the run lets through.
class ProgressWatchUi : public RecordingQtUi {
 public:
  int shown = 0;
  int lastPoint = 0;
  int actAt = -1;
  std::function<void()> act;
  QImage finalBar;
  // A run as slow as a big one on a slow machine: each recorded point takes this long.
  std::chrono::microseconds pace{0};
  // The run's DoEvents calls that let pending events through.
  int passes = 0;

  void DoEvents() override {
    // An event posted now arrives only if this call lets events through.
    delivered_ = false;
    QCoreApplication::postEvent(&probe_, new QEvent(QEvent::User));
    QtUi::DoEvents();
    if (delivered_) ++passes;
  }

  void ShowRunProgress(bool show) override {
    if (auto* w = Window(); w && !show) finalBar = w->CalcPic->image();
    if (show) ++shown;
    QtUi::ShowRunProgress(show);
  }
  void SetRunProgress(int point) override {
    if (pace.count() > 0) std::this_thread::sleep_for(pace);
    lastPoint = point;
    QtUi::SetRunProgress(point);
    if (point == actAt) QMetaObject::invokeMethod(qApp, act, Qt::QueuedConnection);
  }
  static frmCalcProgress* Window() {
    return static_cast<frmCalcProgress*>(Form::FindLoaded("frmCalcProgress"));
  }

 private:
  struct Probe : QObject {
    explicit Probe(bool& delivered) : delivered_(delivered) {}
    bool event(QEvent* e) override {
      if (e->type() == QEvent::User) delivered_ = true;
      return QObject::event(e);
    }
    bool& delivered_;
  };
  bool delivered_ = false;
  Probe probe_{delivered_};
};

class ProgressWindowTest : public RunWindowTest {
 protected:
  void SetUp() override {
    RunWindowTest::SetUp();
    setUi(&watch);
    LoadWestfield();
    MarkSectionsEntered();
    S.VehicleData[4] = {"", "60", "1.5", "4500", "4"};
    S.CalcRequested = True;
  }

  // Starts a run from the set-up dialog, as the user does.
  void RunFromDialog() {
    auto* d = static_cast<frmDataLaunch*>(Form::Instance("frmDataLaunch"));
    ShowAndPaint(d);
    QTest::mouseClick(d->LaunchCalculateButton, Qt::LeftButton);
  }

  static bool IsLightBlue(const QImage& image, int x) {
    return (image.pixel(x, image.height() / 2) & 0xFFFFFF) == 0x0000FF;
  }

  ProgressWatchUi watch;
};

TEST_F(ProgressWindowTest, RunFromTheDialogFillsTheBarAndNothingElseStartsMeanwhile) {
  bool blocking = false, ignored = false;
  watch.actAt = 100;
  watch.act = [&] {
    // Clicks on other windows cannot arrive: the progress window holds the input.
    blocking = QApplication::activeModalWidget() == ProgressWatchUi::Window();
    // Nor does a Calculate that gets through anyway start a second run.
    auto* d = static_cast<frmDataLaunch*>(Form::FindLoaded("frmDataLaunch"));
    d->repaint();  // a repaint makes the dialog ready again
    d->LaunchCalculateButton->click();
    ignored = d->IsLoaded();  // an accepted Calculate would have closed it
  };
  RunFromDialog();
  EXPECT_TRUE(blocking);
  EXPECT_TRUE(ignored);
  EXPECT_EQ(watch.shown, 1);
  EXPECT_EQ(watch.lastPoint, 1000);
  ASSERT_FALSE(watch.finalBar.isNull());
  EXPECT_TRUE(IsLightBlue(watch.finalBar, 0) && IsLightBlue(watch.finalBar, watch.finalBar.width() - 1));
  EXPECT_EQ(Form::FindLoaded("frmCalcProgress"), nullptr);  // closed by the run's end
  EXPECT_EQ(S.RunDone, True);
  EXPECT_TRUE(watch.asked.empty());
}

TEST_F(ProgressWindowTest, ARunLetsEventsThroughEveryFewHundredthsOfASecondOnly) {
  watch.pace = std::chrono::microseconds(500);  // 1000 points: half a second at least
  const auto start = std::chrono::steady_clock::now();
  RunFromDialog();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  EXPECT_EQ(S.RunDone, True);
  // Once every 25 ms of the run, and at its start and its last point: not at every point.
  EXPECT_LE(watch.passes, took.count() / 25 + 4);
  EXPECT_GE(watch.passes, 500 / 25 / 2);
  EXPECT_TRUE(IsLightBlue(watch.finalBar, watch.finalBar.width() - 1));  // the last point drawn
}

TEST_F(ProgressWindowTest, CancelEscapeOrTheCloseBoxStopTheRunOnceAndKeepRunDone) {
  const std::pair<const char*, std::function<void(frmCalcProgress*)>> ways[] = {
      {"Cancel", [](frmCalcProgress* w) { w->CalcCancelButton->click(); }},
      {"Esc", [](frmCalcProgress* w) { QTest::keyClick(w, Qt::Key_Escape); }},
      {"close box", [](frmCalcProgress* w) { w->close(); }},
  };
  for (const auto& [how, stop] : ways) {
    SCOPED_TRACE(how);
    S.RunDone = False;
    S.CalcRequested = True;
    watch.asked.clear();
    watch.pace = std::chrono::microseconds(500);
    watch.actAt = 300;
    watch.act = [stop = stop] { stop(ProgressWatchUi::Window()); };
    RunFromDialog();
    ASSERT_EQ(watch.asked.size(), 1u);
    EXPECT_EQ(watch.asked[0].text, "Calculation cancelled at user request");
    EXPECT_EQ(S.RunDone, False);
    EXPECT_EQ(S.CancelFlag, 0);
    EXPECT_TRUE(watch.lastPoint >= 300 && watch.lastPoint < 1000) << watch.lastPoint;
    EXPECT_EQ(S.PointCount, 0);  // a first run stopped part-way leaves no run
    EXPECT_EQ(Form::FindLoaded("frmCalcProgress"), nullptr);
    EXPECT_EQ(Form::FindLoaded("frmDataLaunch"), nullptr);  // the dialog closes either way
  }
}

}  // namespace
}  // namespace kestrelon::test
