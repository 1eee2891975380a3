// Every built-in example, entered and run as File > Example and the run set-up leave it, ends with
// the bits it left when these fingerprints were taken (recorded channels, gear and wheelie records,
// ticket). Between them the examples take every phase through its branches: wheelie bars,
// converters and sliders, throttle stops, nitrous stages, growing tyres. A change to the run that
// is meant to keep its results must keep these.
#include "estimate_fixture.h"
#include "support/run_fingerprint.h"

namespace kestrelon::test {
namespace {

class ExampleRuns : public EstimateTest {};

TEST_F(ExampleRuns, EveryExampleRunsToItsRecordedFingerprint) {
  InitExampleCatalogue();
  for (int row = 1; row < ExampleSlots && !Tbl.ExampleKey[row].empty(); ++row) {
    SCOPED_TRACE(Tbl.ExampleKey[row]);
    S = SharedState{};
    RunExampleAutomatically(row);
    EXPECT_EQ(RunFingerprint(), RecordedRunFingerprints.at(Tbl.ExampleKey[row]));
  }
}

}  // namespace
}  // namespace kestrelon::test
