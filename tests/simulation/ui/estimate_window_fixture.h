#pragma once
// The estimate windows' tests: the run windows' start and end, the estimate windows registered,
// and the Westfield run of 16 s done, its ticket worked out.

#include <QLineEdit>
#include <QTimer>
#include <functional>

#include "core/commands.h"
#include "core/settings.h"
#include "simulation/calculate_performance.h"
#include "simulation/timing_points.h"
#include "simulation/ui/estimate_windows.h"
#include "simulation/ui/frmEstResult.h"
#include "simulation/ui/frmEstimate.h"
#include "support/westfield_fixture.h"
#include "window_test_ui.h"

namespace kestrelon::test {

class EstimateWindowTest : public RunWindowTest {
 protected:
  void SetUp() override {
    RunWindowTest::SetUp();
    RegisterEstimateWindows();
    Cfg.HistoryLog = False;
    LoadWestfield(16);
    Hooks.RunSimulationReady = nullptr;  // a model built without its forms: no section to name
    CalculatePerformance(0);
    CalcTimingPoints();
  }

  frmEstimate* Open() {
    auto* dialog = static_cast<frmEstimate*>(Form::Instance("frmEstimate"));
    ShowAndPaint(dialog);
    return dialog;
  }

  static frmEstResult* Results() { return static_cast<frmEstResult*>(Form::Instance("frmEstResult")); }

  // Plays the racer at the results window each time it shows, while the search waits for it.
  void AnswerResults(std::function<void(frmEstResult*)> answer) {
    racer_.setInterval(5);
    QObject::connect(&racer_, &QTimer::timeout, [answer] {
      frmEstResult* results = Results();
      if (results->isVisible()) answer(results);
    });
    racer_.start();
  }

  static void Type(QLineEdit* box, const QString& text) {
    box->clear();
    QTest::keyClicks(box, text);
  }

  // The last run's quarter-mile time and trap speed typed as the ticket.
  static void TypeTicketOfLastRun(frmEstimate* d) {
    Type(d->Est1320time, QString::number(S.Time1320ft, 'f', 3));
    Type(d->Est1320speed, QString::number(S.Speed1320ft, 'f', 2) + "mph");
  }

 private:
  QTimer racer_;
};

}  // namespace kestrelon::test
