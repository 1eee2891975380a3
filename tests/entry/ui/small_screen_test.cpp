// Every data form on a 1024 x 768 screen at scale 1.5 (about 683 x 512 pixels): it opens inside
// the screen, and its Cancel can be reached and works.
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "entry/ui/data_forms.h"
#include "entry/entry_test_support.h"
#include "platform/qt/form.h"
#include "platform/qt/screen_place.h"

namespace kestrelon::test {
namespace {

class SmallScreen : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    RegisterDataForms();
  }
  void TearDown() override {
    const std::vector<Form*> loaded = Form::LoadedForms();
    for (Form* form : loaded) form->Unload();
    Form::DeleteInstances();
  }
};

TEST_F(SmallScreen, EveryDataFormFitsAndItsCancelIsReachable) {
  const QRect area(0, 0, 683, 512);
  for (const char* name : {"frmDataChassis", "frmDataTyre", "frmDataAero", "frmDataGears", "frmDataNitrous",
                           "frmDataClutch", "frmDataClutchTimers", "frmDataInertia", "frmDataThrottle"}) {
    SCOPED_TRACE(name);
    Form* form = Form::Instance(name);
    ASSERT_NE(form, nullptr);
    form->Load();
    ASSERT_TRUE(form->IsLoaded());
    FitInto(*form, area);
    EXPECT_TRUE(area.contains(form->geometry()));
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QPushButton* cancel = nullptr;
    for (QPushButton* button : form->findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("Cancel")) cancel = button;
    ASSERT_NE(cancel, nullptr);
    if (auto* scroll = form->findChild<QScrollArea*>()) scroll->ensureWidgetVisible(cancel);
    QCoreApplication::processEvents();
    EXPECT_FALSE(cancel->visibleRegion().isEmpty());
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(form->IsLoaded());
  }
}

}  // namespace
}  // namespace kestrelon::test
