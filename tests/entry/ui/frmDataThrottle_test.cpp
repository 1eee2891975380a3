#include "entry/ui/frmDataThrottle.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "entry/entry_test_support.h"

namespace kestrelon {
namespace {

class ThrottleForm : public test::EntryTest {
 protected:
  void TearDown() override { form.Unload(); }
  void Open() {
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  frmDataThrottle form;
};

TEST_F(ThrottleForm, TypedStagesReachTheModel) {
  Open();
  EXPECT_FALSE(form.TStopTimer[3]->isEnabled()) << "an unused stop switches its boxes off";
  form.UseThrottle->click();
  EXPECT_TRUE(form.TStopTimer[3]->isEnabled());
  QTest::keyClicks(form.TStopTimer[0], "0.5");
  QTest::keyClicks(form.TStopOpening[0], "60");
  QTest::keyClicks(form.TStopTimer[1], "1.5");
  QTest::keyClicks(form.TStopOpening[2], "50");
  form.OKButton->click();
  for (const auto& a : seam.asked) ADD_FAILURE() << a.text;
  EXPECT_FLOAT_EQ(S.TStopOpening[0], 0.6f);
  EXPECT_FLOAT_EQ(S.TStopTimer[1], 1.5f);
  EXPECT_FLOAT_EQ(S.TStopTimer[2], 2000);
  EXPECT_FLOAT_EQ(S.TStopOpening[2], 0.5f);
  EXPECT_EQ(S.VehicleData[9][14], "50:::");
  EXPECT_EQ(S.ThrottleEntered, True);
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(ThrottleForm, RefusalShowsItsMessageAndChangesNothing) {
  test::SetItems({{9, 10, "Y"}, {9, 16, "1"}, {9, 5, "0.8"}});
  Open();
  form.OKButton->click();
  test::ExpectAsked(seam.asked, 1, "Throttle Stop timer cannot be lower than previous timer",
                    "Throttle stop", Msg::Question);
  EXPECT_TRUE(form.TStopTimer[1]->hasFocus());
  EXPECT_FLOAT_EQ(S.TStopTimer[0], 0);
  EXPECT_EQ(S.ThrottleEntered, False);
  EXPECT_EQ(S.UseThrottleStop, False) << "the switch is shown ticked; only the OK takes it";
  form.CancelButton->click();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(S.VehicleData[9][5], "0.8");
}

}  // namespace
}  // namespace kestrelon
