// The options dialog's logic: the sorted lists, the stored trace choice, the zoom text and the
// Display command's checks, messages and settings.
#include "results/display_options.h"

#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class DisplayOptions : public RunGraphTest {
 protected:
  std::vector<std::string> Listed(bool timeAxis, int offered) {
    SetTraceTitles(timeAxis, offered);
    const TraceSort sort = SortTraceNames(offered);
    std::vector<std::string> titles;
    for (int j = 0; j < offered; ++j) titles.push_back(GraphDisplay.TraceTitles[sort.order[j]]);
    return titles;
  }
  DisplayChoice Valid() {
    DisplayChoice c;
    c.listTraces = {0, 1, -1, -1};
    c.zoomText = "100";
    return c;
  }
};

TEST_F(DisplayOptions, ListsAreSortedAsTheRacerReadsThem) {
  const std::vector<std::string> timeAxis{
      "Acceleration", "CG Height", "Clutch drive RPM", "Clutch driven RPM", "Clutch engagement%",
      "Clutch slip%", "Clutch temperature", "Clutch torque capacity", "Corrected tyre mu",
      "Distance Travelled", "Engine RPM", "Front wheel height", "Front wheel load",
      "Front wheel speed", "Lift/Downforce", "Rear axle height", "Rear wheel load",
      "Rear wheel RPM", "Rear Wheel speed", "Throttle opening%", "Tyre temperature",
      "Vehicle speed", "Wheel spin%", "Wheelie bar height", "Wheelie bar load"};
  EXPECT_EQ(Listed(true, 25), timeAxis);

  std::vector<std::string> distanceAxis = timeAxis;
  distanceAxis.erase(distanceAxis.begin() + 9);  // "Distance Travelled"
  distanceAxis.insert(distanceAxis.begin() + 19, "Time");
  EXPECT_EQ(Listed(false, 25), distanceAxis);

  // Without a clutch plate calculation "Clutch temperature" is not offered.
  EXPECT_EQ(OfferedTraceCount(), 24);
  const std::vector<std::string> short24 = Listed(true, 24);
  EXPECT_EQ(short24.size(), 24u);
  EXPECT_EQ(std::count(short24.begin(), short24.end(), "Clutch temperature"), 0);
}

TEST_F(DisplayOptions, StoredChoiceDecodes) {
  struct Case {
    const char* stored;
    Long profOpts;
    std::array<Integer, 5> expected;
  } cases[] = {
      {" 513", 0, {0, 1, 2, 0, 0}},                    // Acceleration, Vehicle speed
      {"513", 0x0A04, {0, 4, 10, 0, 0}},               // digits only: the settings' choice
      {"", 0x0A04, {0, 4, 10, 0, 0}},                  // the settings' choice
      {"", 0, {0, 9, 9, 9, 9}},                        // nothing: the lists keep theirs
      {" 4294967296", 0x0201, {0, 1, 2, 0, 0}},        // beyond 32 bits: the settings' choice
      {" 24", 0, {0, 24, 0, 0, 0}},                    // the last one offered
      {" 25", 0, {0, 0, 0, 0, 0}},                     // beyond the 24 offered
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    std::array<Integer, 5> choice{0, 9, 9, 9, 9};
    DecodeTraceChoice(c.stored, c.profOpts, 24, choice);
    EXPECT_EQ(choice, c.expected);
  }
}

TEST_F(DisplayOptions, EncodeStoresThePackedChoiceEverywhere) {
  EncodeTraceChoice({0, 1, -1, -1});
  EXPECT_EQ(GraphDisplay.TraceCount, 2);
  EXPECT_EQ(Cfg.ProfOpts, 513);
  EXPECT_EQ(S.VehicleData[8][9], " 513");
  EncodeTraceChoice({-1, -1, -1, 9});
  EXPECT_EQ(Cfg.ProfOpts, 10 << 24);
}

TEST_F(DisplayOptions, ZoomTexts) {
  EXPECT_EQ(MaxZoomSpin(800 * 15), 370);
  struct Case {
    const char* text;
    std::optional<Single> zoom;
  } cases[] = {{"0", 1.0f},      {"abc", 1.0f},         {"", 1.0f},   {"150", 1.5f},
               {"10", 0.1f},     {"370", 3.7f},         {"5", 0.05f}, {"0.5", 0.005f},
               {"-50", {}},      {"-0.5", {}},          {"380", {}},  {"  200 %", 2.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseZoom(c.text, 370), c.zoom);
  }
}

TEST_F(DisplayOptions, DisplayAppliesEverythingWhenAllChecksPass) {
  DisplayChoice c = Valid();
  c.xDistance = true;
  c.imperial = false;
  c.metric = true;
  c.spotText = " 400m ";
  c.zoomText = "150";
  c.gridLines = false;
  EXPECT_EQ(ApplyDisplayChoice(c, false), DisplayRefusal::None);
  EXPECT_TRUE(ui_.asked.empty());
  EXPECT_EQ(Cfg.XAxisTime, False);
  EXPECT_EQ(Cfg.DUnits, "M");
  EXPECT_NE(S.UnitsChanged, False);
  EXPECT_EQ(S.SpeedUnit, "kph");
  EXPECT_EQ(S.TorqueFactorUnit, "N/m");
  EXPECT_EQ(S.VehicleData[4][8], "400m");
  EXPECT_FLOAT_EQ(S.SimDistance, 400);
  EXPECT_FLOAT_EQ(S.GraphZoom, 1.5f);
  EXPECT_EQ(Cfg.ShowGridLines, False);
  EXPECT_EQ(S.VehicleData[8][9], " 513");
  // An empty spot distance means none, and a repeated unit choice is no change.
  c.spotText = "";
  ApplyDisplayChoice(c, false);
  EXPECT_EQ(S.SimDistance, 0);
  EXPECT_EQ(S.UnitsChanged, False);
}

TEST_F(DisplayOptions, RefusalsTellAndChangeNothingAfterTheTraces) {
  struct Case {
    const char* name;
    void (*spoil)(DisplayChoice&);
    DisplayRefusal refusal;
    const char* text;
    const char* title;
  } cases[] = {
      {"no trace", [](DisplayChoice& c) { c.listTraces = {-1, -1, -1, -1}; },
       DisplayRefusal::Traces, "You must select at least one option", "Simulation display"},
      {"no units", [](DisplayChoice& c) { c.imperial = c.metric = false; }, DisplayRefusal::Units,
       "You must select a unit type", "Simulation display"},
      {"negative spot", [](DisplayChoice& c) { c.spotText = "-5m"; },
       DisplayRefusal::SpotDistance, "Invalid 'Spot Check' Distance", "Simulation Display"},
      {"negative zoom", [](DisplayChoice& c) { c.zoomText = "-5"; }, DisplayRefusal::Zoom,
       "Invalid zoom factor: this screen takes at most 370%", "Simulation Display"},
      {"large zoom", [](DisplayChoice& c) { c.zoomText = "311"; c.maxZoomPercent = 310; },
       DisplayRefusal::Zoom, "Invalid zoom factor: this screen takes at most 310%", "Simulation Display"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    ui_.asked.clear();
    S.VehicleData[4][8] = "100m";
    S.SimDistance = 100;
    S.GraphZoom = 1.25f;
    Cfg.XAxisTime = True;
    DisplayChoice c = Valid();
    c.xDistance = true;
    c.zoomText = "200";
    k.spoil(c);
    EXPECT_EQ(ApplyDisplayChoice(c, false), k.refusal);
    ASSERT_EQ(ui_.asked.size(), 1u);
    EXPECT_EQ(ui_.asked[0].text, k.text);
    EXPECT_EQ(ui_.asked[0].title, k.title);
    EXPECT_EQ(ui_.asked[0].style, Msg::OKOnly | Msg::Question);
    EXPECT_EQ(S.VehicleData[4][8], "100m");
    EXPECT_FLOAT_EQ(S.SimDistance, 100);
    EXPECT_FLOAT_EQ(S.GraphZoom, 1.25f);
    EXPECT_EQ(Cfg.XAxisTime, True);
    // Silently (after a run) the same refusal asks nothing.
    ui_.asked.clear();
    EXPECT_EQ(ApplyDisplayChoice(c, true), k.refusal);
    EXPECT_TRUE(ui_.asked.empty());
  }
}

TEST_F(DisplayOptions, AnUnknownUnitIsToldWithTheParsersReason) {
  DisplayChoice c = Valid();
  c.spotText = "400XYZ";
  EXPECT_EQ(ApplyDisplayChoice(c, false), DisplayRefusal::SpotDistance);
  ASSERT_EQ(ui_.asked.size(), 1u);
  EXPECT_EQ(ui_.asked[0].text, "Invalid 'Spot Check' Distance" + S.UnitsErrorText);
  EXPECT_FALSE(S.UnitsErrorText.empty());
}

}  // namespace
}  // namespace kestrelon::test
