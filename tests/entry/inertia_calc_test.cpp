#include "entry/inertia_calc.h"

#include "entry_test_support.h"

namespace kestrelon::test {
namespace {

class InertiaCalc : public EntryTest {
 protected:
  static InertiaEntry Crank(const char* stroke, const char* mass, const char* inertia) {
    return {stroke, mass, inertia, "", "", ""};
  }
  std::string Refused(InertiaEntry e) {
    const Verdict v = AcceptInertia(e);
    return v ? v->message : "accepted";
  }
};

TEST_F(InertiaCalc, PrimaryDriveOfZeroCountsAsDirect) {
  // A reopened transmission form can leave a stored "0" in the model: no division by 0.
  S.ClutchInertia = 0.05f;
  S.TransPrimary = 0;
  ASSERT_EQ(Refused(Crank("0.1m", "20kg", "")), "accepted");
  EXPECT_FLOAT_EQ(S.EngineInertia, 0.13f);
}

TEST_F(InertiaCalc, TypedInertiaWhenStrokeOrMassMissing) {
  S.TransPrimary = 1;
  EXPECT_EQ(Refused(Crank("0.1m", "", "0.2kgmsq")), "accepted");
  EXPECT_FLOAT_EQ(S.InertiaCrank, 0.2f);
  EXPECT_EQ(Refused(Crank("0.1m", "", "")), "Crank stroke & mass, or inertia must be provided");
  EXPECT_EQ(Refused(Crank("", "", "")), "Crank stroke & mass, or inertia must be provided");
  EXPECT_EQ(Refused(Crank("", "", "-1kgmsq")), "Crankshaft inertia invalid ");
  EXPECT_EQ(Refused(Crank("-1mm", "", "")), "Crankshaft stroke invalid ");
  EXPECT_EQ(Refused(Crank("", "3", "")).rfind("Crankshaft mass invalid ", 0), 0u);
}

}  // namespace
}  // namespace kestrelon::test
