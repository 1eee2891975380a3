#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <tuple>

#include "core/state.h"
#include "files/power_file.h"
#include "files/vehicle_io.h"
#include "scripted_file_windows.h"
#include "support/failing_file_system.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

// The value lines of one column: torque at the given rows, " 0" elsewhere.
std::string Column(const std::map<int, std::string>& values) {
  std::string s;
  for (int r = 1; r <= 200; ++r) {
    const auto it = values.find(r);
    s += (it == values.end() ? std::string(" 0") : it->second) + "\r\n";
  }
  return s;
}

// Column 0 holding `torque` from row `from` to row `to`.
std::string Span(int from, int to, const std::string& torque = "300") {
  std::map<int, std::string> values;
  for (int r = from; r <= to; ++r) values[r] = torque;
  return Column(values);
}

const std::string Empty = Column({});  // a column without points

// While it lives, the process may map `more` bytes beyond what it maps now; an allocation past
// that fails as out of memory.
class AddressSpaceCap {
 public:
  explicit AddressSpaceCap(std::size_t more) {
    getrlimit(RLIMIT_AS, &kept_);
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit capped = kept_;
    capped.rlim_cur = std::min<rlim_t>(kept_.rlim_max, pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + more);
    setrlimit(RLIMIT_AS, &capped);
  }
  ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &kept_); }
  AddressSpaceCap(const AddressSpaceCap&) = delete;
  AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;

 private:
  rlimit kept_{};
};

class PowerFileTest : public ::testing::Test {
 protected:
  void SetUp() override { S = SharedState{}; }
  // Writes the bytes as a power file of its own and loads it; returns the file's path.
  std::string Load(const std::string& bytes) {
    const auto path = folder.write("p" + std::to_string(++files_) + ".vcd", bytes);
    LoadPowerFile(path);
    return path;
  }
  int files_ = 0;
  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
};

TEST_F(PowerFileTest, SpanComesFromColumnZeroAndNitrousCurvesAreKeptWhole) {
  S.LowRPM = 40;
  S.HighRPM = 60;
  const auto path = Load(Span(10, 65) + Column({{70, " 150"}, {30, " 200"}}) + Empty);
  EXPECT_EQ(std::tuple(S.LoadFailed, S.MinRPMIndex, S.MaxRPMIndex, S.LowRPM, S.HighRPM),
            std::tuple(False, 10, 65, 0, 0));
  // Column 1 is kept above the no-nitrous curve's top; an unset rev limit becomes the span's top.
  EXPECT_EQ(std::tuple(S.PowerCurve[1][70], S.PowerCurve[1][30], S.RevLimitIndex), std::tuple(150.0f, 200.0f, 65));
  EXPECT_EQ(std::tuple(S.EngineSummary[0][0], S.EngineSummary[0][1], S.EngineSummary[0][3], S.EngineSummary[1][0]),
            std::tuple(300.0f, 10.0f, 65.0f, 200.0f));

  S.RevLimitIndex = 40;
  LoadPowerFile(path);
  EXPECT_EQ(S.RevLimitIndex, 40);

  Load(Span(1, 200) + Empty + Empty);
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex), std::tuple(1, 200));

  // The no-nitrous curve ends at its first gap: its points beyond it, up to the last row, are
  // no part of it, while column 1's are kept.
  std::map<int, std::string> gapped{{80, " 250"}, {200, " 250"}};
  for (int r = 10; r <= 65; ++r) gapped[r] = " 300";
  Load(Column(gapped) + Column({{200, " 150"}}) + Empty);
  EXPECT_EQ(std::tuple(S.MaxRPMIndex, S.PowerCurve[0][80], S.PowerCurve[0][200], S.PowerCurve[1][200]),
            std::tuple(65, 0.0f, 0.0f, 150.0f));
}

TEST_F(PowerFileTest, PeakPowerOfThreeHundredAtRowFifty) {
  Load(Column({{49, "200"}, {50, "300"}, {51, "200"}}) + Empty + Empty);
  EXPECT_NEAR(S.EngineSummary[0][2], 285.6, 0.05);
  EXPECT_EQ(S.PowerMaxPower, 286);
}

TEST_F(PowerFileTest, TitlesAndDescription) {
  Load("//*  Dyno day  \r\n///* Gas \r\n" + Span(20, 60) + "///*Wet\r\n" + Span(20, 60, "350") + Empty);
  EXPECT_EQ(S.LoadFailed, False);
  EXPECT_EQ(std::tie(S.DataDescription, S.PowerFileDescription), std::tuple("Dyno day", "Dyno day"));
  EXPECT_EQ(std::tie(S.PowerDescript[0], S.PowerDescript[1]), std::tuple(" Gas ", "Wet"));  // untrimmed
  // A first line of "///*" is a title, not a description.
  Load("///*Only a title\r\n" + Span(20, 60) + Empty + Empty);
  EXPECT_EQ(std::tie(S.DataDescription, S.PowerDescript[0]), std::tuple("", "Only a title"));

  // Saved with a description and a title for each column, a file has every line the reader takes.
  S.DataDescription = "Dyno day";
  S.PowerDescript = {"Gas", "Wet", "Big shot"};
  const auto saved = folder.file("saved.vcd");
  ASSERT_TRUE(WritePowerFile(saved).ok());
  const std::string bytes = test::TempFolder::read(saved);
  ASSERT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 604);
  const CurveTable curve = S.PowerCurve;
  S = SharedState{};
  LoadPowerFile(saved);
  EXPECT_EQ(std::tie(S.LoadFailed, S.DataDescription, S.PowerDescript[2], S.PowerCurve),
            std::tie(False, "Dyno day", "Big shot", curve));
}

TEST_F(PowerFileTest, NumbersReadWithEitherSeparator) {
  Load(Column({{30, "120,5"}, {31, " 120.5 "}, {32, "99lbft"}, {33, ""}}) + Empty + Empty);
  // "99lbft" reads as 99; the empty line is a zero, so the span ends at row 32.
  EXPECT_EQ(std::tuple(S.LoadFailed, S.PowerCurve[0][30], S.PowerCurve[0][31], S.PowerCurve[0][32], S.MaxRPMIndex),
            std::tuple(False, 120.5f, 120.5f, 99.0f, 32));
}

TEST_F(PowerFileTest, RejectedFilesLeaveTheCurvesAsTheyWere) {
  const std::string good = Span(20, 60);
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"zero-point-zero", Column({{30, "0.0"}}) + good + good},
      {"minus-zero", Column({{30, "-0"}}) + good + good},
      {"double-zero", good + Column({{5, "00"}}) + good},
      {"words", good + good + Column({{7, "torque"}})},
      {"column-zero-only", good},
      {"ends-after-title", good + good + "///*Second stage\r\n"},
      {"title-before-second-value", good + "100\r\n///*late\r\n" + good.substr(8) + good},
      {"empty", ""},
      // No engine's torque: the peak power would overflow.
      {"torque-34e37", Column({{30, "34e37"}}) + good + good},
      {"torque-beyond-1e7", good + Column({{30, "10000001"}}) + good},
      {"negative-beyond-1e7", good + good + Column({{30, "-2e7"}})},
  };
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 75;
  S.PowerCurve[0][40] = 139;
  S.EngineSummary[0] = {139, 40, 105.9f, 40};
  S.PowerDescript[2] = "kept";
  const SharedState before = S;
  for (const auto& [name, bytes] : bad) {
    SCOPED_TRACE(name);
    seam.asked.clear();
    const auto path = Load(bytes);
    EXPECT_EQ(S.LoadFailed, True);
    EXPECT_EQ(std::tie(S.PowerCurve, S.EngineSummary, S.MaxRPMIndex, S.PowerDescript),
              std::tie(before.PowerCurve, before.EngineSummary, before.MaxRPMIndex, before.PowerDescript));
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, path + " contains invalid data - loading will be aborted");
    EXPECT_EQ(seam.asked[0].title, "Load power data");
  }
}

TEST_F(PowerFileTest, TorqueUpToTenMillionIsReadAndAFileErrorIsToldAsOne) {
  // Lines after the third column are not read, whatever they hold.
  std::string trailing;
  for (int i = 0; i < 100000; ++i) trailing += i % 2 ? "\r\n" : "torque\n";
  Load(Span(20, 60, "10000000") + Empty + Empty + trailing);
  EXPECT_EQ(std::tuple(S.LoadFailed, S.PowerCurve[0][20]), std::tuple(False, 1e7f));
  EXPECT_TRUE(std::isfinite(S.EngineSummary[0][2]));
  EXPECT_TRUE(seam.asked.empty());

  // A folder, a file the racer may not read, one far larger than any power file and one whose
  // read runs out of memory are file errors, not invalid data.
  std::filesystem::create_directory(folder.file("cars.vcd"));
  std::filesystem::resize_file(folder.write("huge.vcd", Span(20, 60, "100") + Empty + Empty), MostFileBytes + 1);
  test::FailingFileSystem fs;
  fs.unreadable = {folder.write("theirs.vcd", Span(20, 60, "100") + Empty + Empty)};
  fs.outOfMemory = {folder.write("short.vcd", Span(20, 60, "100") + Empty + Empty)};
  for (const auto& [name, told] : {std::pair("theirs.vcd", "Unexpected Error # 13 : Permission denied"),
                                   std::pair("cars.vcd", "Unexpected Error # 21 : Is a directory"),
                                   std::pair("huge.vcd", "Unexpected Error # 27 : File too large"),
                                   std::pair("short.vcd", "Unexpected Error # 12 : Cannot allocate memory")}) {
    seam.asked.clear();
    EXPECT_NO_THROW(LoadPowerFile(folder.file(name)));
    EXPECT_EQ(std::tuple(S.LoadFailed, S.PowerCurve[0][20]), std::tuple(True, 1e7f));
    EXPECT_EQ(test::AllSaid(seam.asked), (std::vector<test::Said>{{told, Msg::OKOnly | Msg::Critical, "Load power data"}}));
  }

  // Lines after the curves are not kept either: line ends up to the size bound open within a few
  // times the file's size.
  const std::string endless = folder.file("endless.vcd");
  {
    std::string bytes = Span(20, 60, "200") + Empty + Empty;
    bytes.resize(MostFileBytes, '\n');
    folder.write("endless.vcd", bytes);
  }
  seam.asked.clear();
  {
#ifndef __SANITIZE_ADDRESS__  // the checked build's allocator aborts at the cap instead of throwing
    AddressSpaceCap cap(4 * MostFileBytes);
#endif
    LoadPowerFile(endless);
  }
  EXPECT_EQ(std::tuple(S.LoadFailed, S.PowerCurve[0][20]), std::tuple(False, 200.0f));
  EXPECT_TRUE(seam.asked.empty());
}

TEST_F(PowerFileTest, WrittenFileMatchesTheGoldenFileByteForByte) {
  S.DataDescription = "Golden engine";
  S.PowerDescript = {"  Gas ", "   ", "Big shot"};
  S.MaxRPMIndex = 6;
  // Row 7 lies above the span: written as 0.
  for (auto [c, r, v] : {std::tuple(0, 2, 100.0f), {0, 3, 120.2128f}, {0, 4, 0.5f}, {0, 5, -3.5f},
                         {0, 6, 1234567.0f}, {0, 7, 999.0f}, {1, 3, 1.234e-4f}, {1, 6, 7.5e6f}, {2, 2, -0.0f}})
    S.PowerCurve[c][r] = v;
  const auto path = folder.file("golden.vcd");
  ASSERT_TRUE(WritePowerFile(path).ok());
  EXPECT_EQ(test::TempFolder::read(path), test::TempFolder::read(test::ReferenceFile("golden.vcd")));
  EXPECT_EQ(S.PowerFileDescription, "Golden engine");
  // Fixed notation at every size, never an exponent.
  EXPECT_EQ(std::tuple(CurveValueText(6044.542f), CurveValueText(1.0f / 3), CurveValueText(0), CurveValueText(-2.5f)),
            std::tuple(" 6044.542", " .3333333", " 0", "-2.5"));
}

// A curve holding a torque its reader would refuse is never written: the old file stays byte for
// byte, and the pair save tells it as any other write failure, keeping the old pair.
TEST_F(PowerFileTest, ACurveTheReaderWouldRefuseIsNeverWritten) {
  constexpr Single NaN = std::numeric_limits<Single>::quiet_NaN(), Inf = std::numeric_limits<Single>::infinity();
  const std::string old = folder.write("old.vcd", "old power\r\n"), car = folder.write("CAR.WCD", "old car\r\n");
  S.MaxRPMIndex = 60;
  S.PowerCurve[0][61] = NaN;  // above the no-nitrous span: written as 0
  EXPECT_TRUE(WritePowerFile(folder.file("new.vcd")).ok());
  for (const auto& [c, r, v] : {std::tuple(0, 30, NaN), {1, 200, Inf}, {2, 1, -2e7f}}) {
    S.PowerCurve[c][r] = v;
    EXPECT_EQ(WritePowerFile(old).error, ERANGE);
    EXPECT_EQ(test::TempFolder::read(old), "old power\r\n");
    S.PowerCurve[c][r] = 0;
  }
  test::ScriptedFileWindows windows;
  windows.answers = {{car}, {old}};
  seam.answers = {Msg::Yes, Msg::Yes};  // should the save ask whether to replace the old pair
  S.PowerCurve[1][40] = Inf;
  EXPECT_EQ(SaveVehicleAndPower(), SaveOutcome::Failed);
  ASSERT_FALSE(seam.asked.empty());
  EXPECT_EQ(test::AllSaid(seam.asked).back(),
            (test::Said{"Unexpected Error # 34 : Numerical result out of range", Msg::OKOnly | Msg::Critical, "Open File"}));
  EXPECT_EQ(std::tuple(test::TempFolder::read(car), test::TempFolder::read(old)),
            std::tuple("old car\r\n", "old power\r\n"));
}

// Lines end in CR LF, CR or LF; a last line without one counts; no more lines are kept than
// asked for, however many follow. One byte-order mark in front of the first line is no part of it.
TEST_F(PowerFileTest, TextLinesEndEitherWayAndStopAtTheLinesAsked) {
  using Lines = std::vector<std::string>;
  const std::tuple<std::string, std::size_t, Lines> rows[] = {
      {"a\r\nb\rc\nd", 9, {"a", "b", "c", "d"}},
      {"\r\n\n\rx\n\ny\n", 9, {"", "", "", "x", "", "y"}},
      {"a\r\nb\r\nc\r\n", 2, {"a", "b"}},
      {"a\nb\nc", 2, {"a", "b"}},
      {"", 9, {}},
      {"\xEF\xBB\xBF//*a\r\nb\r\n", 9, {"//*a", "b"}},
      {"\xEF\xBB\xBF\xEF\xBB\xBF" "1\n\xEF\xBB\xBF", 9, {"\xEF\xBB\xBF" "1", "\xEF\xBB\xBF"}},
      {"\xEF\xBB\xBF", 9, {}},
  };
  for (const auto& [bytes, most, lines] : rows) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(ReadTextLines(folder.write("lines.txt", bytes), "Load", most), lines);
  }
}

TEST_F(PowerFileTest, PowerFileBesideAVehicleFileWhateverTheCaseOfItsExtension) {
  const auto vehicle = folder.write("Car.wcd", "");
  EXPECT_EQ(PowerFileBeside(vehicle), folder.file("Car.VCD"));  // none yet: the default name
  folder.write("Car.vcd", "");
  EXPECT_EQ(PowerFileBeside(vehicle), folder.file("Car.vcd"));
  EXPECT_EQ(PowerFileBeside(folder.file("noextension")), "");
}

}  // namespace
}  // namespace kestrelon
