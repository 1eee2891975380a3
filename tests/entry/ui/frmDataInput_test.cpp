#include "entry/ui/frmDataInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "entry/entry_test_support.h"

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

}  // namespace
}  // namespace kestrelon
