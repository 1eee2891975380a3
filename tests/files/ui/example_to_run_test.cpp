// File > Example as a racer goes through it: the chooser, the peak figures and the curve graph of
// the first curve, every data form accepted in turn, then Calculate > Run Simulation to a run.
#include <QListWidget>
#include <QTimer>

#include "core/tables.h"
#include "entry/ui/data_form.h"
#include "file_window_fixture.h"
#include "files/example_command.h"
#include "files/ui/frmExample.h"
#include "power/ui/frmGraphPower.h"
#include "power/ui/frmPNAData.h"
#include "simulation/timing_points.h"
#include "simulation/ui/frmDataLaunch.h"

namespace kestrelon::test {
namespace {

class ExampleToRun : public FileWindowTest {
 protected:
  void AcceptWaitingWindow() { test::AcceptWaitingWindow(Tbl.ExampleDescription[1], accepted); }
  std::vector<QString> accepted;
};

TEST_F(ExampleToRun, ChooserCurveAndEveryDataFormLeadToARun) {
  QTimer racer;
  racer.setInterval(5);
  QObject::connect(&racer, &QTimer::timeout, [this] { AcceptWaitingWindow(); });
  racer.start();

  S.DataSaved = True;
  FileExample();
  // The guided entry goes on from window to window until every section is in.
  QTRY_VERIFY_WITH_TIMEOUT(S.InertiaEntered != False && S.ThrottleEntered != False &&
                               S.ClutchEntered != False,
                           20000);
  EXPECT_EQ(S.VehicleData[1][0].substr(0, 3), "//*");
  EXPECT_NE(S.CurveEntered[0], False);
  EXPECT_GE(accepted.size(), 7u);

  Hooks.RunSimulationCheck();
  QTRY_VERIFY_WITH_TIMEOUT(S.RunDone != False, 20000);
  CalcTimingPoints();
  EXPECT_GT(S.Time1320ft, 12.5f);  // a lightweight car of some 160 BHP
  EXPECT_LT(S.Time1320ft, 16.5f);
}

}  // namespace
}  // namespace kestrelon::test
