#include "entry/ui/frmDataInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

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
