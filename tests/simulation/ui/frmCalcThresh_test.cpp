#include "simulation/ui/frmCalcThresh.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "core/commands.h"
#include "core/window_list.h"
#include "support/westfield_fixture.h"
#include "window_test_ui.h"

namespace kestrelon::test {
namespace {

class ThresholdBoxTest : public RunWindowTest {};

// The number a caption shows, after its blank and before its unit.
double Figure(const QString& caption) {
  return caption.trimmed().split(QRegularExpression("[ :]")).front().toDouble();
}

TEST_F(ThresholdBoxTest, ShowsFourBelievableCaptionsForTheExampleAndLeavesTheWindowList) {
  LoadWestfield();
  S.EngineEntered = S.TransmissionEntered = S.ChassisEntered = True;
  S.InertiaEntered = S.TyreEntered = True;

  QString ratio, kgm, lbft, accel;
  bool listedWhileShown = false;
  QTimer::singleShot(0, [&] {
    auto* box = static_cast<frmCalcThresh*>(Form::FindLoaded("frmCalcThresh"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isModal() || box->windowModality() != Qt::NonModal);
    listedWhileShown = OpenWindows.Contains("Wheelie threshold");
    ratio = box->GearRatio->text();
    kgm = box->TorqueKGM->text();
    lbft = box->TorqueLBFT->text();
    accel = box->Acceleration->text();
    // Closed by its frame rather than OK: the caption still leaves the list.
    box->close();
  });
  RunHook(Hooks.CalcWheelie);

  EXPECT_TRUE(listedWhileShown);
  EXPECT_FALSE(OpenWindows.Contains("Wheelie threshold"));
  EXPECT_TRUE(ratio.startsWith(' ') && ratio.endsWith(":1")) << ratio.toStdString();
  EXPECT_TRUE(kgm.endsWith(" Kg-m"));
  EXPECT_TRUE(lbft.endsWith(" lb-ft"));
  EXPECT_TRUE(accel.endsWith(" g"));
  // First gear 2.9 x 3.77 = 10.933. With 660 kg, about 0.88 kg m2 in the rear wheels and
  // 0.18 kg m2 at the crank, M is about 744 kg; the axle takes about 429 kgf m before the front
  // lifts: about 39.3 kgf m or 284 lb-ft at the crank, twice the engine's 139 lb-ft, as expected
  // of a light car that keeps its front down. The acceleration is CGL / CGH = 47 / 24 g.
  EXPECT_NEAR(Figure(ratio), 10.933, 0.001);
  EXPECT_NEAR(Figure(kgm), 39.28, 0.02);
  EXPECT_NEAR(Figure(lbft), 284.04, 0.05);
  EXPECT_NEAR(Figure(accel), 1.958, 0.001);
}

}  // namespace
}  // namespace kestrelon::test
