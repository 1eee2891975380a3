// Every example's run leaves exactly the bits it left when these fingerprints were taken: all
// recorded channels at every point, the gear and wheelie records and the timing ticket. A change
// to how the run is computed that is meant to keep its results must keep these.
#include <map>
#include <string>

#include "file_window_fixture.h"
#include "files/file_commands.h"
#include "support/run_fingerprint.h"

namespace kestrelon::test {
namespace {

const std::map<std::string, std::uint64_t> Recorded = {
    {"WESTFLD", 0xef9614af47c1178dull},
    {"NFUNNY16", 0x3dc66af1620b1161ull},
    {"TNFUNNY", 0x57b44ab2d414615bull},
    {"PSB1990", 0x4bdfab81b54e32f8ull},
    {"MONZA", 0x35e509265b476849ull},
    {"TWOSTK400", 0x978bce7a92661d5dull},
    {"PS-CAR", 0xf14326ea9615c28bull},
    {"TFBIKE", 0xb065a6f2d76fdaa4ull},
    {"ALKYCAR", 0x83d0c8e478507ae6ull},
    {"FUNNYCAR", 0x3c37365d8626d50cull},
    {"TFDRAG", 0xce807193e6cece32ull},
    {"SUPERGAS", 0x14e312971de0f1c5ull},
    {"TFHARLEY", 0x399e1472b7ac5ac2ull},
    {"F1CAR", 0xb254a584a2986b09ull},
    {"BERZERKO", 0x78cceefc7619b14ull},
    {"PSB1999", 0xb9ef43354e9762b6ull},
    {"STREET57", 0x2b9686a5bae6eb8eull},
    {"PROMODSZ", 0x55de54250848d761ull},
    {"GP500", 0xa28c1b86b2611aa4ull},
    {"NISS300Z", 0x55b83ec7ed48c2c7ull},
    {"TGHARLEY", 0x91069c9f682a0515ull},
    {"TFYAMAHA", 0x88426eb1f6f4819cull},
    {"HAYABUSA", 0x6a72becc0c636c8bull},
    {"CBR929", 0xd8252beb1972f980ull},
    {"ZX12-R", 0x37a8f2f3dca494cbull},
};

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
    const auto recorded = Recorded.find(key);
    if (recorded == Recorded.end() || hash != recorded->second)
      ADD_FAILURE() << "now {\"" << key << "\", 0x" << std::hex << hash << "ull}";
  }
}

}  // namespace
}  // namespace kestrelon::test
