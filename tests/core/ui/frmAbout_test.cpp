// The About box and the start-up splash.
#include "core/ui/frmAbout.h"

#include <gtest/gtest.h>

#include <QTest>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <tuple>

#include "core/scoped_env.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/ui/fifo_watch.h"
#include "core/ui/form1.h"
#include "core/ui/sub_main.h"
#include "core/window_list.h"
#include "support/scripted_ui.h"

namespace kestrelon::test {
namespace {

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    OpenWindows = WindowList{};
  }
};

TEST_F(AboutBox, SplashClosesItselfWhenItsTimerFires) {
  S.SplashDone = False;
  frmAbout splash;
  splash.Show();
  EXPECT_TRUE(splash.LogoTimer->isActive() && splash.LogoTimer->interval() == 5000);
  EXPECT_TRUE(OpenWindows.Captions().empty());  // the About box is not listed
  splash.LogoTimer_Timer();
  EXPECT_FALSE(splash.IsLoaded() || splash.isVisible());
  EXPECT_EQ(S.SplashDone, True);
  // OK ends the splash and its timer as well.
  S.SplashDone = False;
  splash.Show();
  ASSERT_TRUE(splash.LogoTimer->isActive());
  splash.Command1->click();
  EXPECT_FALSE(splash.IsLoaded() || splash.LogoTimer->isActive());
}

TEST_F(AboutBox, AboutBoxWaitsForOKWithTheBuiltInPicture) {
  // A picture that is missing or no regular file (a FIFO would wait for a writer for ever) is
  // dropped for the built-in one.
  TempFolder folder;
  const FifoWatch fifo(folder / "pipe.bmp");
  ASSERT_TRUE(fifo.made());
  for (const std::string& picture : {std::string("/no/such/picture.bmp"), fifo.path()}) {
    SCOPED_TRACE(picture);
    Cfg.SplashImage = picture;
    frmAbout about;
    about.Show();
    EXPECT_FALSE(fifo.waited());
    EXPECT_EQ(Cfg.SplashImage, "");
    EXPECT_FALSE(about.LogoTimer->isActive() || about.KNPicture->isVisible());
    EXPECT_EQ(about.size(), QSize(413, 328));
    EXPECT_EQ(about.Version_number->text(), QStringLiteral("Version 2.0.5"));
    EXPECT_EQ(about.Version_number->x(), frmAbout::ScreenBitsPerPixel() < 8 ? 66 : 71);
    QTest::keyClick(&about, Qt::Key_Escape);  // Esc closes it as OK does
    EXPECT_FALSE(about.IsLoaded());
  }
}

TEST_F(AboutBox, ChosenPictureSetsTheSizeAndCarriesTheLogo) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/track.bmp";
  QImage picture(500, 360, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(path, "BMP"));
  Cfg.SplashImage = path.toStdString();
  frmAbout about;
  about.Show();
  EXPECT_EQ(about.size(), QSize(500, 360));
  EXPECT_TRUE(about.KNPicture->isVisible());
  EXPECT_EQ(about.KNPicture->pos(), QPoint((500 - 284) / 2, 10));
  EXPECT_EQ(about.Version_number->x(), (500 - 284) / 2 + 84);
  about.Unload();
}

// Notes whether the bar was on screen when a message came.
class BarWatcher : public ScriptedUi {
 public:
  bool barVisibleWhenAsked = true;
  int MsgBox(const std::string& text, int style, const std::string& title) override {
    if (Form1* bar = Form1::Instance()) barVisibleWhenAsked = bar->isVisible();
    return ScriptedUi::MsgBox(text, style, title);
  }
};

TEST(StartUp, WithArgumentsNoSplashAndTheCommandLineRunsBeforeTheBarShows) {
  TempFolder config;
  ScopedEnv env;
  env.Set("XDG_CONFIG_HOME", config.path());
  S = SharedState{};
  OpenWindows = WindowList{};
  BarWatcher scripted;
  ScopedUi guard(scripted);
  bool splashSeen = false;
  // A splash would run its own modal loop, in which this check finds and closes it.
  QTimer::singleShot(0, [&] {
    for (Form* form : Form::LoadedForms())
      if (form->FormName() == QStringLiteral("frmAbout")) {
        splashSeen = true;
        form->Unload();
      }
  });
  auto bar = SubMain("one two three");
  QCoreApplication::processEvents();
  ASSERT_TRUE(bar);
  EXPECT_FALSE(splashSeen);  // though the logo is on
  EXPECT_EQ(Cfg.ShowLogo, True);
  ASSERT_EQ(scripted.asked.size(), 1u);
  EXPECT_EQ(scripted.asked[0].text, "Unrecognised command  one two three");
  EXPECT_FALSE(scripted.barVisibleWhenAsked);
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(std::tuple(S.CommandArgCount, S.SplashDone, S.CalcRequested),
            std::tuple(0, True, True));
}

}  // namespace
}  // namespace kestrelon::test
