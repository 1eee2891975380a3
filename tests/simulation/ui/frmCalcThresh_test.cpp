#include "simulation/ui/frmCalcThresh.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <cstdlib>
#include <tuple>

#include "core/commands.h"
#include "core/window_list.h"
#include "platform/qt/screen_place.h"
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

  QStringList captions;
  bool listedWhileShown = false;
  QSize boxSize;
  QPoint offCentre;
  QTimer::singleShot(0, [&] {
    auto* box = static_cast<frmCalcThresh*>(Form::FindLoaded("frmCalcThresh"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isModal() || box->windowModality() != Qt::NonModal);
    listedWhileShown = OpenWindows.Contains("Wheelie threshold");
    captions = {box->GearRatio->text(), box->TorqueKGM->text(), box->TorqueLBFT->text(),
                box->Acceleration->text()};
    // Centred as it shows, with its captions filled.
    boxSize = box->frameGeometry().size();
    offCentre = box->frameGeometry().topLeft() - CentredPlace(boxSize);
    // Closed by its frame rather than OK: the caption still leaves the list.
    box->close();
  });
  RunHook(Hooks.CalcWheelie);

  EXPECT_TRUE(listedWhileShown);
  // Within the few pixels a window frame adds once shown.
  EXPECT_LE(std::abs(offCentre.x()), 4);
  EXPECT_LE(std::abs(offCentre.y()), 4);
  EXPECT_FALSE(OpenWindows.Contains("Wheelie threshold"));
  // First gear 2.9 x 3.77 = 10.933. With 660 kg, about 0.88 kg m2 in the rear wheels and
  // 0.18 kg m2 at the crank, M is about 744 kg; the axle takes about 429 kgf m before the front
  // lifts: about 39.3 kgf m or 284 lb-ft at the crank, twice the engine's 139 lb-ft, as expected
  // of a light car that keeps its front down. The acceleration is CGL / CGH = 47 / 24 g.
  const std::tuple<const char*, double, double> expected[] = {
      {":1", 10.933, 0.001}, {" Kg-m", 39.28, 0.02}, {" lb-ft", 284.04, 0.05}, {" g", 1.958, 0.001}};
  ASSERT_EQ(captions.size(), 4);
  for (int i = 0; i < 4; ++i) {
    const auto& [unit, figure, tolerance] = expected[i];
    EXPECT_TRUE(captions[i].startsWith(' ') && captions[i].endsWith(unit)) << captions[i].toStdString();
    EXPECT_NEAR(Figure(captions[i]), figure, tolerance) << unit;
  }
}

}  // namespace
}  // namespace kestrelon::test
