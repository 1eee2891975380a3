// Every example's run leaves exactly the bits it left when these fingerprints were taken: all
// recorded channels at every point, the gear and wheelie records and the timing ticket. A change
// to how the run is computed that is meant to keep its results must keep these.
#include "file_window_fixture.h"
#include "files/file_commands.h"
#include "support/run_fingerprint.h"

namespace kestrelon::test {
namespace {

class RunHashes : public FileWindowTest {};

TEST_F(RunHashes, EveryExampleRunsToTheRecordedBits) {
  for (int row = 1; row < ExampleSlots && !Tbl.ExampleKey[row].empty(); ++row) {
    const std::string key = Tbl.ExampleKey[row];
    SCOPED_TRACE(key);
    ExamplePair(key, key);
    ASSERT_TRUE(FileVehicle(folder.file(key + ".WCD"), folder.file(key + ".VCD")));
    S.AutoAccept = True;
    Form::Instance("frmDataLaunch")->Show();
    S.AutoAccept = False;
    ASSERT_NE(S.RunDone, False);
    const std::uint64_t hash = RunFingerprint();
    const auto recorded = RecordedRunFingerprints.find(key);
    if (recorded == RecordedRunFingerprints.end() || hash != recorded->second)
      ADD_FAILURE() << "now {\"" << key << "\", 0x" << std::hex << hash << "ull}";
  }
}

}  // namespace
}  // namespace kestrelon::test
