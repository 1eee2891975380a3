#include "core/tables.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(u[0].Code, "");
  EXPECT_EQ(u[14].Code, "LB");
  EXPECT_EQ(u[14].Type, "mass");
  EXPECT_EQ(u[35].Offset, -32.0f);
  EXPECT_EQ(u[44].Offset, -273.0f);
  EXPECT_EQ(u[UnitEndRow].Code, "ZZZ");
  EXPECT_EQ(u[UnitEndRow].Description, "End of List");

  EXPECT_EQ(Tbl.AtmosphereTable[5].Pressure, 101400.0f);
  EXPECT_EQ(Tbl.AtmosphereTable[26].Altitude, 20001.0f);
  EXPECT_EQ(Tbl.AtmosphereTable[27].Pressure, 0.0f);

  EXPECT_EQ(Tbl.ClutchMaterialCount, 6);
  const auto& other = Tbl.ClutchMaterial[OtherClutchMaterial];
  EXPECT_EQ(other.FrictionName, "other");
  EXPECT_EQ(other.DryFriction, Tbl.ClutchMaterial[1].DryFriction);
  EXPECT_EQ(other.FadeRate, Tbl.ClutchMaterial[1].FadeRate);
  EXPECT_EQ(Tbl.ClutchMaterial[7].FrictionName, "");

  EXPECT_EQ(Tbl.AxisStepTable[1], 0.01f);
  EXPECT_EQ(Tbl.AxisStepTable[45], 5000000.0f);
  EXPECT_EQ(Tbl.AxisStepTable[46], 0.0f);
  for (int i = 2; i <= 45; ++i) EXPECT_GT(Tbl.AxisStepTable[i], Tbl.AxisStepTable[i - 1]);
  EXPECT_EQ(Tbl.TraceNames[24], "Clutch temperature");
  EXPECT_EQ(Tbl.TraceNameTotal, 25);
  EXPECT_EQ(Tbl.BitMask[7], 128);
  EXPECT_EQ(Tbl.BitMask[8], 0);
  EXPECT_NE(Tbl.HelpFile.find("/kobexhlp.chm"), std::string::npos);
}

TEST_F(Tables, VehicleItemDescriptions) {
  InitTables();
  int described = 0;
  for (const auto& group : Tbl.VehicleDataDesc)
    for (const auto& item : group) described += item.empty() ? 0 : 1;
  EXPECT_EQ(described, 182);
  EXPECT_EQ(Tbl.VehicleDataDesc[1][1], "Number of clutch friction plates");
  EXPECT_EQ(Tbl.VehicleDataDesc[2][11], "Front Suspension damping (Hard, Medium, Soft, or None)");
  EXPECT_EQ(Tbl.VehicleDataDesc[5][13], "Standard Day ('Y' or 'N')");
  EXPECT_EQ(Tbl.VehicleDataDesc[10][4], "Progrssive first stage final RPM");
  EXPECT_EQ(Tbl.VehicleDataDesc[10][20], "Use Second stage nitrous ('Y' = yes)");
  EXPECT_EQ(Tbl.VehicleDataDesc[3][20], "");
  EXPECT_EQ(Tbl.VehicleDataDesc[0][5], "");
  EXPECT_EQ(Tbl.VehicleDataDesc[4][0], "");
}

TEST_F(Tables, DataFoldersAreCompleted) {
  Cfg.DataPath = "/cars";
  InitTables();
  EXPECT_EQ(Cfg.DataPath, "/cars/");
  EXPECT_EQ(Cfg.EADataPath, "/cars/");  // no stored folder and no EADATA: the data folder

  Cfg.DataPath = "D:";
  Cfg.EADataPath = "/ea/";
  InitTables();
  EXPECT_EQ(Cfg.DataPath, "D:");
  EXPECT_EQ(Cfg.EADataPath, "/ea/");

  Cfg.DataPath = "";
  Cfg.EADataPath = "";
  InitTables();
  EXPECT_EQ(Cfg.DataPath, "");
  EXPECT_EQ(Cfg.EADataPath, "");
}

TEST_F(Tables, EmptyFoldersComeFromTheEnvironment) {
  env.Set("WCDPATH", "/w").Set("EADATA", "/ea");
  Cfg.DataPath = "  ";
  InitTables();
  EXPECT_EQ(Cfg.DataPath, "/w/");
  EXPECT_EQ(Cfg.EADataPath, "/ea/");
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
  EXPECT_EQ(Tbl.ExampleKey[1], "KEY");
  EXPECT_EQ(dataPathSeen, "/cars/");
  EXPECT_FALSE(unitsBuilt);
}

}  // namespace
}  // namespace kestrelon
