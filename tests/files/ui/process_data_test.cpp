// The command-line run: a pair named on the command line is loaded without a question and run
// at once; a missing or rejected file, or a pass the user abandons, starts no run and leaves
// the program usable.
#include <QAction>
#include <cmath>
#include <memory>
#include <tuple>

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
