// The cascade window as a racer uses it: the example drawn (force curves green, engine speed
// lines light blue), the gear menu for the gearbox, the read-out under the pointer, Set Gradient
// through the one-value dialog, the options that redraw, print to PDF and close.

#include "results/ui/frmGraphCascade.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "core/commands.h"
#include "entry/entry_chain.h"
#include "entry/ui/frmDataInput.h"
#include "files/example_vehicles.h"
#include "power/ui/power_curve_windows.h"
#include "power/ui/power_graph_picture.h"
#include "results_window_test.h"
#include "support/example_entry.h"

namespace kestrelon::test {
namespace {

class CascadeWindow : public ResultsWindowTest {
 protected:
  frmGraphCascade* Cascade() { return Open<frmGraphCascade>("frmGraphCascade"); }
  // Answers the one-value dialog that Set Gradient opens.
  static void AnswerGradient(frmGraphCascade* w, const QString& typed, bool ok = true) {
    QTimer::singleShot(0, [typed, ok] {
      auto* dialog = static_cast<frmDataInput*>(Form::FindLoaded(QStringLiteral("frmDataInput")));
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->ItemLabel->text(), "Percentage gradient");
      dialog->ItemValue->setText(typed);
      (ok ? dialog->ItemOK : dialog->ItemCancel)->click();
    });
    w->SetGradient->trigger();
  }
  static int Pixels(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
  }
};

TEST_F(CascadeWindow, ExampleRowOneDrawnInItsColours) {
  // File > Example, row 1, through the automatic entry of every section.
  S = SharedState{};
  EnterExampleAutomatically(1);
  Hooks = CommandHooks{};

  frmGraphCascade* w = Cascade();
  ASSERT_TRUE(w->Scene().Drawable);
  EXPECT_TRUE(w->Caption().startsWith("Cascade Graph"));
  // No point read yet: each read-out shows its caption alone.
  EXPECT_EQ((QStringList{w->CurrentGear->text(), w->CurrentRPM->text(), w->CurrentForce->text(), w->CurrentSpeed->text()}),
            (QStringList{"Gear : ", "RPM :", "Force : ", "Speed : "}));
  const QImage image = w->CascadePic->image();
  EXPECT_GT(Pixels(image, QColor(0, 128, 0)), 800);   // force curves and the correction text
  EXPECT_GT(Pixels(image, QColor(0, 0, 255)), 400);   // four engine speed lines
  EXPECT_GT(Pixels(image, QColor(255, 0, 0)), 200);   // the level-road resistance
  // The first gear's force peak stands where its curve says, in green.
  const CascadeGear& first = w->Scene().Gears[0];
  const Canvas& pic = w->CascadePic->canvas();
  const int x = static_cast<int>(pic.ToPixelX(first.ForceCurve[25].x));
  const int y = static_cast<int>(pic.ToPixelY(first.ForceCurve[25].y));
  int green = 0;
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy) green += image.pixelColor(x + dx, y + dy) == QColor(0, 128, 0);
  EXPECT_GT(green, 0);

  // The vehicle renamed elsewhere: the caption follows the next drawing.
  S.VehicleName = "Renamed";
  w->RedrawFromModel();
  EXPECT_EQ(w->Caption(), QStringLiteral("Cascade Graph for Renamed"));
}

// Examples with gearing typed far beyond anything built open and draw at once.
TEST_F(CascadeWindow, ExtremeGearingOfTheExamplesDrawsAtOnce) {
  struct Case {
    int row;  // F1CAR with its final drive 0.000001, PS-CAR with first gear 1e30
    std::function<void()> change;
  } cases[] = {
      {14, [] {
         for (int g = 1; g <= CInt(S.GearCount); ++g) S.GearOverall[g] = S.GearOverall[g] / S.TransFinal * 1e-6f;
         S.TransFinal = 1e-6f;
       }},
      {7, [] { S.GearOverall[1] = S.GearOverall[1] / S.GearInternal[1] * 1e30f; S.GearInternal[1] = 1e30f; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    S = SharedState{};
    EnterExampleAutomatically(c.row);
    Hooks = CommandHooks{};
    c.change();
    QElapsedTimer clock;
    clock.start();
    frmGraphCascade* w = Cascade();
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_TRUE(w->Scene().Drawable);
    EXPECT_GT(Pixels(w->CascadePic->image(), QColor(255, 0, 0)), 200);  // the resistance curve
    w->Unload();
  }
}

TEST_F(CascadeWindow, GearMenuFollowsTheGearbox) {
  S.VehicleName = "WESTFLD";
  frmGraphCascade* w = Cascade();
  EXPECT_EQ(w->Caption(), QStringLiteral("Cascade Graph for WESTFLD"));
  for (int g = 1; g <= 8; ++g) EXPECT_EQ(w->SelectGearNumber[g]->isVisible(), g <= 4) << g;
  w->Unload();
  S.GearCount = 6;
  for (int g = 5; g <= 6; ++g) S.GearOverall[g] = S.GearOverall[g - 1] * 0.8f;
  w = Cascade();
  for (int g = 1; g <= 8; ++g) {
    EXPECT_EQ(w->SelectGearNumber[g]->isVisible(), g <= 6) << g;
    EXPECT_EQ(w->SelectGearNumber[g]->isEnabled(), g <= 6) << g;
  }
  EXPECT_TRUE(w->SelectGearNumber[0]->isChecked());  // Auto after the first drawing
}

TEST_F(CascadeWindow, ReadoutUnderThePointer) {
  frmGraphCascade* w = Cascade();
  const double at100 = 100 * w->Scene().CascadeXPerUnit;
  w->SelectResCurve->trigger();
  EXPECT_TRUE(w->SelectResCurve->isChecked());
  w->CascadePic_MouseMove(at100);
  EXPECT_EQ(w->CurrentGear->text(), "Drag");
  EXPECT_EQ(w->CurrentRPM->text(), "Power : 63.9");
  EXPECT_EQ(w->CurrentSpeed->text(), "Speed : 100.0");

  // Resistance, then First: back to a gear read-out in first gear.
  w->SelectGearNumber[1]->trigger();
  EXPECT_FALSE(w->SelectResCurve->isChecked());
  EXPECT_EQ(w->CurrentGear->text(), "Gear : 1");
  w->CascadePic_MouseMove(10 * w->Scene().CascadeXPerUnit);
  EXPECT_EQ(w->CurrentForce->text(), "Force : 0");  // below the curve's first row

  // The picture reports the pointer in plot units. The move is sent to it alone: the
  // application's pointer stays where it was, for the tests that follow.
  w->SelectGearNumber[0]->trigger();
  const Canvas& pic = w->CascadePic->canvas();
  const QPointF at(pic.ToPixelX(20), w->CascadePic->height() / 2);
  QMouseEvent move(QEvent::MouseMove, at, w->CascadePic->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w->CascadePic, &move);
  EXPECT_EQ(w->CurrentGear->text(), "Gear : 1");
}

TEST_F(CascadeWindow, SetGradientThroughTheDialog) {
  frmGraphCascade* w = Cascade();
  int paints = w->PaintCount();
  AnswerGradient(w, "75");
  EXPECT_EQ(S.CascadeGradient, 50);
  EXPECT_EQ(w->PaintCount(), ++paints);
  AnswerGradient(w, "50");  // unchanged: no redraw
  AnswerGradient(w, "abc");  // refused: told, no redraw
  EXPECT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(w->PaintCount(), paints);
  // Typed into the box and confirmed with Enter.
  QTimer::singleShot(0, [] {
    auto* dialog = static_cast<frmDataInput*>(Form::FindLoaded(QStringLiteral("frmDataInput")));
    dialog->ItemValue->setText(QStringLiteral("2,5"));
    QTest::keyClick(dialog->ItemValue, Qt::Key_Return);
  });
  w->SetGradient->trigger();
  EXPECT_EQ(S.CascadeGradient, 2.5f);
  EXPECT_EQ(w->PaintCount(), ++paints);
  // Escape cancels.
  QTimer::singleShot(0, [] {
    auto* dialog = static_cast<frmDataInput*>(Form::FindLoaded(QStringLiteral("frmDataInput")));
    dialog->ItemValue->setText(QStringLiteral("7"));
    QTest::keyClick(dialog->ItemValue, Qt::Key_Escape);
  });
  w->SetGradient->trigger();
  EXPECT_EQ(S.CascadeGradient, 2.5f);
  AnswerGradient(w, "12", false);  // Cancel
  EXPECT_EQ(S.CascadeGradient, 2.5f);
  EXPECT_EQ(S.CancelFlag, 0);
  EXPECT_EQ(w->PaintCount(), paints);
}

TEST_F(CascadeWindow, OptionsRedrawWithGradientAndShiftPoints) {
  S.CascadeGradient = 5;
  frmGraphCascade* w = Cascade();
  EXPECT_TRUE(w->Scene().GradientResistance.empty());
  const int paints = w->PaintCount();
  w->ShowGradients->trigger();
  EXPECT_TRUE(w->ShowGradients->isChecked());
  EXPECT_FALSE(w->Scene().GradientResistance.empty());
  w->ShiftPointsShow->trigger();
  EXPECT_TRUE(w->Scene().Gears[0].ShiftMark);
  EXPECT_EQ(w->PaintCount(), paints + 2);
  // A redraw keeps the chosen read-out gear.
  w->SelectGearNumber[3]->trigger();
  w->ShiftPointsShow->trigger();
  EXPECT_EQ(w->CurrentGear->text(), "Gear : 3");
  EXPECT_TRUE(w->SelectGearNumber[3]->isChecked());
}

TEST_F(CascadeWindow, DrawingLeavesTheRunsTyreRadius) {
  S.TyreGrowthDia = S.TyreDia * 1.1f;
  S.TyreGrowthRate = 0.0001f;
  for (int g = 1; g <= 4; ++g) S.GearGrowthRPM[g] = 6000;
  S.TyreRadius = 0.3f;
  frmGraphCascade* w = Cascade();
  w->ShiftPointsShow->trigger();
  w->CascadePic_MouseMove(600);
  EXPECT_EQ(S.TyreRadius, 0.3f);
}

TEST_F(CascadeWindow, PrintsToPdfAndClosesKeepingItsPlace) {
  frmGraphCascade* w = Cascade();
  PdfAnswer answer(PdfPath());
  w->PrintCascadeGraph->trigger();
  EXPECT_EQ(PdfPages(), 1);
  EXPECT_TRUE(ui.asked.empty());
  w->resize(700, 500);  // with its frame, inside the 800 x 600 screen
  QApplication::processEvents();
  w->CloseCascadeGraph->trigger();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(Cfg.GraphCascadeWidth, 700 * 15);
  EXPECT_EQ(Cfg.GraphCascadeHeight, 500 * 15);
  w = Cascade();
  EXPECT_EQ(w->width(), 700);
}

TEST_F(CascadeWindow, PrinterThatCannotStartIsReportedAndTheWindowGoesOn) {
  frmGraphCascade* w = Cascade();
  PdfAnswer answer(PdfPath(QStringLiteral("no-such-folder/cascade.pdf")));
  w->PrintCascadeGraph->trigger();
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0].text, "Printer not ready");
  EXPECT_EQ(ui.asked[0].title, "Print Cascades");
  EXPECT_EQ(ui.asked[0].style, Msg::OKOnly + Msg::Exclamation);
  EXPECT_TRUE(w->CascadeReady());
  w->SelectGearNumber[2]->trigger();
  EXPECT_EQ(w->CurrentGear->text(), "Gear : 2");
}

}  // namespace
}  // namespace kestrelon::test
