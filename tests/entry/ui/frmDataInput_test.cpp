#include "entry/ui/frmDataInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "entry/entry_test_support.h"
#include "platform/qt/spin_button.h"
#include "support/spin_presses.h"

namespace kestrelon {
namespace {

class OneValue : public test::EntryTest {
 protected:
  frmDataInput dialog;
};

TEST_F(OneValue, OkReturnsTheTextCancelKeepsTheStartAndSpinStepsWhole) {
  S.InputItemValue = "2.5";
  dialog.Load();
  EXPECT_EQ(dialog.ItemValue->text(), "2.5");
  dialog.ItemOK->click();
  EXPECT_EQ(S.InputItemValue, "2.5");
  EXPECT_EQ(S.CancelFlag, 0);

  dialog.Load();
  QTest::keyClicks(dialog.ItemValue, "7");
  dialog.ItemCancel->click();
  EXPECT_EQ(S.CancelFlag, 1);
  EXPECT_EQ(S.InputItemValue, "2.5");

  // The spin steps in whole numbers.
  dialog.Load();
  dialog.ItemSpin->setValue(dialog.ItemSpin->value() + 1);
  EXPECT_EQ(dialog.ItemValue->text(), "3");
  dialog.ItemOK->click();
  EXPECT_EQ(S.InputItemValue, "3");
}

// Every way of working the spin moves the gradient the way its arrow points, and stops at the
// gradient the cascade accepts.
TEST_F(OneValue, SpinRaisesByItsUpperArrowKeyAndWheelAndLowersByTheOthers) {
  S.InputItemValue = "0";
  dialog.Show();
  for (const test::SpinWay way : {test::SpinWay::Arrow, test::SpinWay::Key, test::SpinWay::Wheel}) {
    test::StepSpin(dialog.ItemSpin, true, way);
    EXPECT_EQ(dialog.ItemValue->text(), "1") << int(way);
    test::StepSpin(dialog.ItemSpin, false, way);
    test::StepSpin(dialog.ItemSpin, false, way);
    EXPECT_EQ(dialog.ItemValue->text(), "-1") << int(way);
    test::StepSpin(dialog.ItemSpin, true, way);
    EXPECT_EQ(dialog.ItemValue->text(), "0") << int(way);
  }
  dialog.Unload();
  S.InputItemValue = "50";
  dialog.Show();
  test::StepSpin(dialog.ItemSpin, true, test::SpinWay::Arrow);
  EXPECT_EQ(dialog.ItemValue->text(), "50");
  test::StepSpin(dialog.ItemSpin, false, test::SpinWay::Arrow);
  EXPECT_EQ(dialog.ItemValue->text(), "49");
  dialog.Unload();
}

// The dialog has no caption: its title bar shows none, where the window system would put the
// program's name in place of an empty title.
TEST_F(OneValue, ShowsItsEmptyCaption) {
  dialog.Show();
  const QString title = dialog.windowHandle()->title();
  EXPECT_FALSE(title.isEmpty());
  EXPECT_TRUE(title.trimmed().isEmpty());
  EXPECT_TRUE(dialog.Caption().isEmpty());
  dialog.Unload();
}

}  // namespace
}  // namespace kestrelon
