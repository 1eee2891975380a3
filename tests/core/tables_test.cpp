#include "core/tables.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/settings.h"
#include "core/state.h"
#include "scoped_env.h"

namespace kestrelon {
namespace {

using test::ScopedEnv;

class Tables : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    env.Set("WCDPATH", std::nullopt).Set("EADATA", std::nullopt);
  }
  ScopedEnv env;
};

TEST_F(Tables, ReferenceTablesEndWhereExpected) {
  InitTables();
  const auto& u = Tbl.UnitTable;
  EXPECT_EQ(std::tuple(u[0].Code, u[14].Code, u[14].Type, u[35].Offset, u[44].Offset),
            std::tuple("", "LB", "mass", -32.0f, -273.0f));
  EXPECT_EQ(std::tuple(u[UnitEndRow].Code, u[UnitEndRow].Description),
            std::tuple("ZZZ", "End of List"));
  EXPECT_EQ(std::tuple(u[9].Code, u[9].Factor, u[9].Type, u[9].Description),
            std::tuple("PA", 1.0f, "pressure", "Pascals (Newtons per square metre)"));

  const auto& air = Tbl.AtmosphereTable;
  EXPECT_EQ(std::tuple(air[5].Pressure, air[26].Altitude, air[27].Pressure),
            std::tuple(101400.0f, 20001.0f, 0.0f));
  // Every figure of the unit, atmosphere and clutch material tables, weighted by its row: any
  // figure changed changes the sum.
  double units = 0, atmosphere = 0, materials = 0;
  for (int r = 1; r <= UnitEndRow; ++r) units += r * (double{u[r].Factor} + u[r].Offset);
  for (int r = 1; r <= 26; ++r) atmosphere += r * (double{air[r].Pressure} + air[r].Altitude + air[r].Temperature);
  for (int r = 0; r <= Tbl.ClutchMaterialCount; ++r) {
    const auto& m = Tbl.ClutchMaterial[r];
    materials += (r + 1) * (double{m.Density} + m.DryFriction + m.WetFriction + m.SpecificHeat + m.Conductivity +
                            m.MaxTemperature + m.FadeTemperature + m.FadeRate);
  }
  EXPECT_NEAR(units, 2386931.7911, 1e-3);
  EXPECT_NEAR(atmosphere, 23508231.9993, 1e-3);
  EXPECT_NEAR(materials, 62838.52, 1e-3);

  EXPECT_EQ(Tbl.ClutchMaterialCount, 6);
  const auto& other = Tbl.ClutchMaterial[OtherClutchMaterial];
  EXPECT_EQ(std::tuple(other.FrictionName, other.DryFriction, other.FadeRate),
            std::tuple("other", Tbl.ClutchMaterial[1].DryFriction, Tbl.ClutchMaterial[1].FadeRate));
  EXPECT_EQ(Tbl.ClutchMaterial[7].FrictionName, "");

  const auto& step = Tbl.AxisStepTable;
  EXPECT_EQ(std::tuple(step[1], step[45], step[46]), std::tuple(0.01f, 5000000.0f, 0.0f));
  for (int i = 2; i <= 45; ++i) EXPECT_GT(Tbl.AxisStepTable[i], Tbl.AxisStepTable[i - 1]);
  EXPECT_EQ(std::tuple(Tbl.TraceNames[24], Tbl.TraceNameTotal),
            std::tuple("Clutch temperature", 25));
  EXPECT_EQ(std::tuple(Tbl.BitMask[7], Tbl.BitMask[8]), std::tuple(128, 0));
  EXPECT_NE(Tbl.HelpFile.find("/kobexhlp.chm"), std::string::npos);
}

TEST_F(Tables, VehicleItemDescriptions) {
  InitTables();
  int described = 0;
  for (const auto& group : Tbl.VehicleDataDesc)
    for (const auto& item : group) described += item.empty() ? 0 : 1;
  EXPECT_EQ(described, 182);
  const std::tuple<int, int, std::string> rows[] = {
      {1, 1, "Number of clutch friction plates"},
      {2, 11, "Front Suspension damping (Hard, Medium, Soft, or None)"},
      {5, 13, "Standard Day ('Y' or 'N')"},
      {10, 4, "Progrssive first stage final RPM"},
      {10, 20, "Use Second stage nitrous ('Y' = yes)"},
      {3, 20, ""},
      {0, 5, ""},
      {4, 0, ""}};
  for (const auto& [group, item, text] : rows) EXPECT_EQ(Tbl.VehicleDataDesc[group][item], text);
}

TEST_F(Tables, DataFoldersAreCompleted) {
  // {data, import} in, {data, import} out; no stored import folder and no EADATA: the data folder.
  const std::string rows[][4] = {
      {"/cars", "", "/cars/", "/cars/"}, {"D:", "/ea/", "D:", "/ea/"}, {"", "", "", ""}};
  for (const auto& [data, ea, wantData, wantEa] : rows) {
    Cfg.DataPath = data;
    Cfg.EADataPath = ea;
    InitTables();
    EXPECT_EQ(Cfg.DataPath, wantData) << data;
    EXPECT_EQ(Cfg.EADataPath, wantEa) << data;
  }
}

TEST_F(Tables, EmptyFoldersComeFromTheEnvironment) {
  env.Set("WCDPATH", "/w").Set("EADATA", "/ea");
  Cfg.DataPath = "  ";
  InitTables();
  EXPECT_EQ(std::tuple(Cfg.DataPath, Cfg.EADataPath), std::tuple("/w/", "/ea/"));
}

TEST_F(Tables, TheExampleCatalogueIsFilledBeforeTheTables) {
  static std::string dataPathSeen;
  static bool unitsBuilt = true;
  const auto installed = InitExampleCatalogueHook;
  InitExampleCatalogueHook = [] {
    dataPathSeen = Cfg.DataPath;
    unitsBuilt = !Tbl.UnitTable[1].Code.empty();
    Tbl.ExampleKey[1] = "KEY";
  };
  Tbl = ReferenceTables{};
  Cfg.DataPath = "/cars";
  InitTables();
  InitExampleCatalogueHook = installed;
  EXPECT_EQ(std::tuple(Tbl.ExampleKey[1], dataPathSeen, unitsBuilt),
            std::tuple("KEY", "/cars/", false));
}

}  // namespace
}  // namespace kestrelon
