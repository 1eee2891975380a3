// Places stored for a larger screen, or for a screen no longer there: a window whose stored
// place would leave its caption bar out of reach opens where it opens with nothing stored; a
// place within reach is kept.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "app/program_windows.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/qt/form.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

TEST(StoredPlaces, OutOfReachGiveTheDefaultPlace) {
  test::ScriptedUi scripted;
  test::ScopedUi guard(scripted);
  InitTables();
  S = SharedState{};
  Cfg = Settings{};
  RegisterProgramWindows();
  struct Window {
    const char* form;
    Long* top;
    Long* left;
  };
  const Window windows[] = {
      {"frmGraphDyn", &Cfg.GraphDynTop, &Cfg.GraphDynLeft},
      {"frmGraphCascade", &Cfg.GraphCascadeTop, &Cfg.GraphCascadeLeft},
      {"frmSimDisplay", &Cfg.DispTop, &Cfg.DispLeft},
      {"frmHistory", &Cfg.HistTop, &Cfg.HistLeft},
      {"frmList", &Cfg.ListTop, &Cfg.ListLeft},
      {"frmGraphPower", &Cfg.GraphPowerTop, &Cfg.GraphPowerLeft},
      {"frmDataChassis", &S.ChassisFormTop, &S.ChassisFormLeft},
  };
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  // The caption bar is 24 pixels high: at these places 24 of it show, or 10.
  const Long bottom = (screen.height() - 24) * TwipsPerPixel, below = (screen.height() - 10) * TwipsPerPixel;
  const Long edge = (screen.width() - 24) * TwipsPerPixel, right = (screen.width() - 10) * TwipsPerPixel;
  struct Stored {
    Long top, left;
    bool kept;
  };
  const Stored places[] = {
      {1500, 1500, true},
      {bottom, edge, true},
      {below, 1500, false},
      {1500, right, false},
      {below * 3, right * 3, false},
  };
  for (const Window& w : windows) {
    Form* window = Form::Instance(w.form);
    ASSERT_NE(window, nullptr) << w.form;
    const auto openAt = [&](Long top, Long left) {
      *w.top = top;
      *w.left = left;
      window->Load();
      const QPoint place = window->pos();
      window->Unload();
      return place;
    };
    openAt(-1, -1);  // a first opening settles the window's size, and so its default place
    for (const Stored& p : places) {
      const QPoint place = openAt(p.top, p.left);
      const QPoint unplaced = openAt(-1, -1);
      EXPECT_EQ(place, p.kept ? QPoint(p.left, p.top) / TwipsPerPixel : unplaced) << w.form << " " << p.top << "," << p.left;
      // The default place itself shows the caption bar.
      EXPECT_GE(unplaced.y(), screen.top()) << w.form;
      EXPECT_GE(screen.intersected(QRect(unplaced, QSize(window->frameGeometry().width(), 24))).width(), 24) << w.form;
    }
  }
  Form::DeleteInstances();
}

}  // namespace
}  // namespace kestrelon
