// The setup dialog: what it shows, what OK stores, and the picture choice.
#include "core/ui/frmsetup.h"

#include <gtest/gtest.h>

#include <QTest>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <string>
#include <tuple>

#include "core/commands.h"
#include "core/settings.h"
#include "core/scoped_env.h"
#include "core/state.h"
#include "core/ui/fifo_watch.h"
#include "core/window_list.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {
namespace {

class SetupDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    OpenWindows = WindowList{};
    Hooks.OpenFileDialog = [this](const std::string& pattern, const std::string& title,
                                  const std::string&) {
      EXPECT_EQ(pattern, "*");
      EXPECT_EQ(title, "Select an image");
      return chosen;
    };
  }
  void TearDown() override { Hooks = CommandHooks{}; }

  // Chooses a picture through "..." and returns the messages shown.
  std::vector<Asked> Browse(frmsetup& setup, const std::string& path) {
    chosen = path;
    scripted.asked.clear();
    setup.SplashBrowse_Click();
    return scripted.asked;
  }

  // Loads the dialog with the built-in picture unticked, so "..." is open.
  void LoadForOwnPicture(frmsetup& setup) {
    setup.Load();
    setup.SplashDefault->setChecked(false);
    setup.SplashDefault_Click();
  }

  std::string chosen;
  ScriptedUi scripted;
  ScopedUi guard{scripted};
};

TEST_F(SetupDialog, ShowsTheSettingsAndStoresThemOnOK) {
  Cfg.PUnits = "X";
  Cfg.DUnits = "M";
  Cfg.HistoryLog = False;
  Cfg.DataPath = " /cars/ ";
  frmsetup setup;
  setup.Load();
  EXPECT_TRUE(OpenWindows.Contains("Kestrelon Setup"));
  EXPECT_TRUE(setup.OptBHP->isChecked() && setup.OptMetric->isChecked());
  EXPECT_EQ(setup.KobexDir->text(), QStringLiteral("/cars/"));
  EXPECT_FALSE(setup.HistoryLog->isChecked());
  EXPECT_TRUE(setup.SplashDefault->isChecked() && !setup.SplashBrowse->isEnabled());

  setup.KobexDir->setText(QStringLiteral("  /home/me/cars "));
  setup.EADir->setText(QStringLiteral("   "));
  setup.OptImperial->setChecked(true);
  setup.OptKW->setChecked(true);
  setup.OKButton_Click();
  EXPECT_FALSE(setup.IsLoaded() || OpenWindows.Contains("Kestrelon Setup"));
  EXPECT_EQ(std::tuple(Cfg.DataPath, Cfg.EADataPath), std::tuple("/home/me/cars/", ""));
  EXPECT_EQ(std::tuple(Cfg.PUnits, S.PowerUnit, Cfg.DUnits, S.LengthUnit, S.UnitsChanged),
            std::tuple("M", "KW", "I", "ft", True));
  EXPECT_EQ(scripted.resultRedraws, 1);  // the open result windows follow the new units

  setup.Load();  // OK again with imperial kept: nothing changed
  setup.OKButton_Click();
  EXPECT_EQ(S.UnitsChanged, False);
}

TEST_F(SetupDialog, RefusesPicturesItCannotShow) {
  TempFolder folder;
  const FifoWatch fifo(folder / "pipe.bmp");  // would wait for a writer for ever
  ASSERT_TRUE(fifo.made());
  frmsetup setup;
  LoadForOwnPicture(setup);
  const std::pair<std::string, std::string> cases[] = {
      {"/pics/photo.jpeg", "Unrecognised file type JPEG for image"},
      {"/pics/logo.gif", "GIF files are unsupported for copyright reasons"},
      {"/pics/photo", "Unrecognised file type for image"},
      {"/my.pics/photo", "Unrecognised file type PICS/PHOTO for image"},
      {"/pics/missing.bmp", "Could not load picture /pics/missing.bmp"},
      {"/pics/drawing.wmf", "Could not load picture /pics/drawing.wmf"},
      {fifo.path(), "Could not load picture " + fifo.path()},
  };
  for (const auto& [path, message] : cases) {
    const auto asked = Browse(setup, path);
    ASSERT_EQ(asked.size(), 1u) << path;
    EXPECT_EQ(std::tie(asked[0].text, asked[0].style, asked[0].title),
              std::tuple(message, 0, "Select an image"));
  }
  EXPECT_TRUE(Browse(setup, "").empty());  // a cancelled file dialog says nothing
  EXPECT_EQ(Cfg.SplashImage, "");

  // The stored picture is previewed as the dialog opens.
  Cfg.SplashImage = fifo.path();
  scripted.asked.clear();
  frmsetup again;
  LoadForOwnPicture(again);
  EXPECT_FALSE(fifo.waited());
  EXPECT_TRUE(again.TestImage->pixmap().isNull());
  ASSERT_FALSE(scripted.asked.empty());
  EXPECT_EQ(std::tie(scripted.asked.back().text, scripted.asked.back().title),
            std::tuple("Could not load picture " + fifo.path(), "Logo picture"));
}

TEST_F(SetupDialog, ChosenPictureIsKeptEvenWhenCancelled) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/photo.Jpg";
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(path, "JPG"));

  frmsetup setup;
  LoadForOwnPicture(setup);
  EXPECT_TRUE(Browse(setup, path.toStdString()).empty());
  EXPECT_EQ(setup.SplashFile->text(), path);
  setup.Show();
  QTest::keyClick(setup.SplashFile, Qt::Key_Escape);  // Esc is the Cancel button
  EXPECT_FALSE(setup.IsLoaded());
  EXPECT_EQ(Cfg.SplashImage, path.toStdString());

  setup.Load();  // ticking the default picture and OK clears the choice
  EXPECT_FALSE(setup.SplashDefault->isChecked());
  setup.SplashDefault->setChecked(true);
  setup.SplashDefault_Click();
  setup.OKButton_Click();
  EXPECT_EQ(Cfg.SplashImage, "");
}

}  // namespace
}  // namespace kestrelon::test
