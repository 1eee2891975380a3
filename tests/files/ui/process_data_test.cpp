// The command-line run: a pair named on the command line is loaded without a question and run
// at once; a missing or rejected file, or a pass the user abandons, starts no run and leaves
// the program usable.
#include <QAction>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

#include "core/command_line.h"
#include "core/ui/form1.h"
#include "file_window_fixture.h"

namespace kestrelon::test {
namespace {

class CommandLineRun : public FileWindowTest {
 protected:
  // Starts the bar as the program does with this command line.
  void StartWith(std::string_view line) {
    ParseCommandLine(line);
    bar = std::make_unique<Form1>();
    bar->Load();
  }
  void TearDown() override {
    bar.reset();
    FileWindowTest::TearDown();
  }
  std::unique_ptr<Form1> bar;
};

TEST_F(CommandLineRun, SavedExamplePairLoadsAndRunsWithoutAQuestion) {
  ExamplePair("HAYABUSA", "EX");
  StartWith("EX.WCD EX.VCD");
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(S.VehicleFileName, folder.file("EX.WCD"));
  EXPECT_EQ(std::tuple(S.VehicleLoadDone, S.RunDone, S.AutoAccept, S.CommandArgCount), std::tuple(True, True, False, 0));
  EXPECT_GT(S.PointCount, 100);
  EXPECT_TRUE(bar->CommandLineLoad && bar->mnuData->isEnabled());
}

TEST_F(CommandLineRun, MissingFileIsToldAndNothingIsLoaded) {
  ExamplePair("HAYABUSA", "EX");
  StartWith("NONE.WCD EX.VCD");
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style),
            std::tuple("Chassis file " + folder.file("NONE.WCD") + " not found", Msg::OKOnly));
  EXPECT_EQ(S.DataLoaded, False);
  // The program carries on: the File menu works as without a command line.
  EXPECT_EQ(std::tuple(bar->CommandLineLoad, bar->IsLoaded(), bar->mnuFileExample->isEnabled(), bar->mnuData->isEnabled()),
            std::tuple(false, true, true, false));

  ui.asked.clear();
  StartWith("EX.WCD NONE.VCD");
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Engine file " + folder.file("NONE.VCD") + " not found");
}

// The forms a racer types in a shell, each started as the program starts: the words joined into
// the command line, the bar loaded. "@/" stands for the row's own data folder.
TEST_F(CommandLineRun, ArgumentFormsFindTheFilesOrSayWhy) {
  struct Row {
    const char* form;
    std::vector<std::string> files, words;
    std::string chassis, engine;  // the pair loaded and run, or none
    std::vector<Said> said;
    std::string dataFolder = "@/";
  };
  const Said noBoth{"You must provide file names for both chassis and engine", Msg::OKOnly, "Kestrelon"};
  const Said noPath{"Drive or path does not exist", Msg::OKOnly | Msg::Exclamation, "Open File"};
  const auto notFound = [](const std::string& text) { return Said{text + " not found", Msg::OKOnly, "Kestrelon"}; };
  const Row rows[] = {
      {"lower-case base name", {"pro2.wcd", "pro2.vcd"}, {"pro2"}, "pro2.wcd", "pro2.vcd", {}},
      {"lower-case pair", {"pro2.wcd", "pro2.vcd"}, {"pro2.wcd", "pro2.vcd"}, "pro2.wcd", "pro2.vcd", {}},
      {"lower-case file with its folder", {"pro2.wcd", "pro2.vcd"}, {"@/pro2.wcd"}, "pro2.wcd", "pro2.vcd", {}},
      {"mixed case", {"Pro2.Wcd", "Pro2.vcD"}, {"Pro2.WCD"}, "Pro2.Wcd", "Pro2.vcD", {}},
      {"several cases: the first in name order",
       {"car.wCD", "car.wcd", "car.Wcd", "car.vcd", "car.VCd"}, {"car"}, "car.Wcd", "car.VCd", {}},
      {"the exact name before the first in name order",
       {"car.WCD", "car.wcd", "car.VCD", "car.vcd"}, {"car.vcd", "car.wcd"}, "car.wcd", "car.vcd", {}},
      {"the name itself in another case is another file",
       {"PRO2.wcd", "PRO2.vcd"}, {"pro2"}, "", "", {notFound("Chassis file @/pro2.WCD")}},
      {"joined by a comma", {"PRO.WCD", "PRO.VCD"}, {"PRO.WCD,PRO.VCD"}, "PRO.WCD", "PRO.VCD", {}},
      {"comma and blank", {"PRO.WCD", "PRO.VCD"}, {"PRO.WCD,", "PRO.VCD"}, "", "", {noBoth}},
      {"a blank ends an argument before a comma", {"A.WCD", "B.VCD"}, {"A.WCD,B.VCD", "C"}, "", "", {noBoth}},
      {"comma inside an existing file's name",
       {"my,car.wcd", "my,car.vcd"}, {"my,car.vcd", "@/my,car.wcd"}, "my,car.wcd", "my,car.vcd", {}},
      {"missing folder", {}, {"@/gone/x.WCD", "@/gone/x.VCD"}, "", "",
       {noPath, notFound("Chassis file @/gone/x.WCD")}},
      {"power file in a missing folder", {"pro2.wcd"}, {"pro2.wcd", "@/gone/pro2.vcd"}, "", "",
       {noPath, notFound("Engine file @/gone/pro2.vcd")}},
      {"stored data folder gone", {"pro2.wcd", "pro2.vcd"}, {"pro2"}, "", "",
       {noPath, notFound("Chassis file @/gone/pro2.WCD")}, "@/gone/"},
  };
  ExamplePair("HAYABUSA", "EX");
  int number = 0;
  for (const Row& row : rows) {
    const std::string here = folder.file("row" + std::to_string(++number)) + "/";
    std::filesystem::create_directories(here);
    const auto at = [&](std::string text) {
      if (const auto mark = text.find("@/"); mark != std::string::npos) text.replace(mark, 2, here);
      return text;
    };
    for (const std::string& name : row.files)
      std::filesystem::copy_file(folder.file(EqualsNoCase(name.substr(name.size() - 3), "WCD") ? "EX.WCD" : "EX.VCD"),
                                 here + name);
    std::vector<std::string> words{"kestrelon"};
    for (const std::string& word : row.words) words.push_back(at(word));
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    S = SharedState{};
    S.DataSaved = True;
    Cfg.DataPath = at(row.dataFolder);
    ui.asked.clear();

    StartWith(CommandLineFromArguments(static_cast<int>(argv.size()), argv.data()));

    std::vector<Said> said;
    for (const Said& text : row.said) said.emplace_back(at(std::get<0>(text)), std::get<1>(text), std::get<2>(text));
    EXPECT_EQ(AllSaid(ui.asked), said) << row.form;
    const bool runs = !row.chassis.empty();
    EXPECT_EQ(std::tuple(S.VehicleFileName, S.PowerFileName, S.RunDone),
              std::tuple(runs ? here + row.chassis : "", runs ? here + row.engine : "", runs ? True : False))
        << row.form;
    for (Form* form : std::vector<Form*>(Form::LoadedForms())) form->Unload();
    bar.reset();
  }
}

TEST_F(CommandLineRun, RejectedFileStartsTheEntryButNoRun) {
  ExamplePair("HAYABUSA", "EX");
  folder.write("SHORT.WCD", NumberedLines(150));
  StartWith("SHORT.WCD EX.VCD");
  ASSERT_FALSE(ui.asked.empty());
  EXPECT_EQ(ui.asked[0].title, "Load chassis data");
  EXPECT_EQ(std::tuple(S.RunDone, S.InputDataMode), std::tuple(False, 0));  // the data entry did start
}

TEST_F(CommandLineRun, AbandonedPassEndsTheWaitWithoutARun) {
  const std::string vehicle = ExamplePair("HAYABUSA", "EX");
  // A vehicle whose chassis form stops the automatic pass for a correction.
  LoadVehicleFile(vehicle);
  for (int item = 1; item <= 20; ++item) S.VehicleData[2][item].clear();
  ASSERT_TRUE(WriteVehicleFile(vehicle).ok());
  S = SharedState{};
  S.DataSaved = True;

  bool closed = false;
  QTimer user;
  user.setInterval(10);
  QObject::connect(&user, &QTimer::timeout, [&] {
    for (Form* form : Form::LoadedForms())
      if (form->isVisible() && form != Form1::Instance() && !closed) {
        closed = true;
        form->close();  // the user gives up on the correction
        return;
      }
  });
  user.start();
  StartWith("EX");
  EXPECT_TRUE(closed);
  EXPECT_EQ(std::tuple(S.VehicleLoadDone, S.RunDone, bar->IsLoaded()), std::tuple(False, False, true));
}

}  // namespace
}  // namespace kestrelon::test
