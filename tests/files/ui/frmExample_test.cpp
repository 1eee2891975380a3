// The example chooser: its list, its OK without a choice, and a double click.
#include <QListWidget>
#include <tuple>

#include "file_window_fixture.h"
#include "files/ui/frmExample.h"

namespace kestrelon::test {
namespace {

class ExampleChooser : public FileWindowTest {
 protected:
  static QListWidgetItem* Entry(frmExample& chooser, const char* description) {
    const auto found = chooser.ExList->findItems(QString::fromLatin1(description), Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
  }
};

TEST_F(ExampleChooser, ListsEveryExampleWithItsCatalogueRow) {
  frmExample chooser;
  ShowAndPaint(&chooser);
  EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Examples"));
  EXPECT_EQ(chooser.ExList->count(), 25);
  QListWidgetItem* fireblade = Entry(chooser, "Honda Fireblade");
  ASSERT_NE(fireblade, nullptr);
  EXPECT_EQ(fireblade->data(Qt::UserRole).toInt(), 24);
  fireblade->setSelected(true);
  QTest::mouseClick(chooser.OKButton, Qt::LeftButton);
  EXPECT_EQ(std::tuple(chooser.IsLoaded(), chooser.ChosenKey(), S.CancelFlag), std::tuple(false, "CBR929", 0));
}

TEST_F(ExampleChooser, OkWithoutAChoiceAsksAndStaysOpenUntilCancel) {
  frmExample chooser;
  ShowAndPaint(&chooser);
  QTest::mouseClick(chooser.OKButton, Qt::LeftButton);
  EXPECT_EQ(AllSaid(ui.asked), (std::vector<Said>{{"Select an example vehicle from the list, or press the CANCEL button",
                                                     Msg::OKOnly | Msg::Exclamation, "Examples"}}));
  EXPECT_TRUE(chooser.IsLoaded());
  QTest::keyClick(&chooser, Qt::Key_Escape);
  EXPECT_EQ(std::tuple(chooser.IsLoaded(), chooser.ChosenKey(), S.CancelFlag), std::tuple(false, "", 1));
}

// The list opens with its first row current and nothing selected: Down, Up, Home and Space
// each pick the first example.
TEST_F(ExampleChooser, FirstKeyPicksTheFirstExample) {
  for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    frmExample chooser;
    ShowAndPaint(&chooser);
    ASSERT_TRUE(chooser.ExList->hasFocus() && chooser.ExList->selectedItems().isEmpty());
    QTest::keyClick(chooser.ExList, key);
    EXPECT_EQ(chooser.ExList->selectedItems(), QList{chooser.ExList->item(0)});
  }
}

TEST_F(ExampleChooser, DoubleClickChoosesAtOnce) {
  frmExample chooser;
  ShowAndPaint(&chooser);
  QListWidgetItem* busa = Entry(chooser, "Suzuki Hayabusa");
  ASSERT_NE(busa, nullptr);
  busa->setSelected(true);
  chooser.ExList_DblClick();
  EXPECT_EQ(chooser.ChosenKey(), "HAYABUSA");
}

}  // namespace
}  // namespace kestrelon::test
