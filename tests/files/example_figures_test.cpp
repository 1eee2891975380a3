// Every figure the description of the built-in examples gives, checked against the data.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"

namespace kestrelon {
namespace {

// A figure as the description writes it, read with a point whatever the test's locale.
Single Figure(const char* text) {
  Single value = 0;
  std::from_chars(text, text + std::strlen(text), value);
  return value;
}

struct Span {
  int from = 0, to = 0;  // 0, 0: the column holds no point
};

struct Figures {
  int row;
  const char* key;
  int items;
  const char *weight, *wheelbase, *tyreDiameter, *tyreWidth, *wheels, *clutch;
  int gears;
  const char *finalDrive, *launch;
  Span columns[3];
  int minIndex, maxIndex;
  const char* peakTorque;
  int peakRow;
  const char *stage1, *stage2;  // (10,19), (10,20); nullptr = not written
  const char *gear1, *gear2;    // (8,1), (8,3)
  const char *maxRpm, *maxPower;
};

const Figures Table[] = {
    {1, "WESTFLD", 67, "660kg", "98in", "23.2in", "185mm", "2", "N", 4, "3.77", "4500", {{30, 75}}, 30, 75, "139", 55, nullptr, nullptr, nullptr, nullptr, "7500", "162"},
    {2, "NFUNNY16", 107, "648lb", "79in", "27.5IN", "11iN", "1", "S", 3, "42/16", "5400", {{30, 120}, {30, 120}}, 30, 120, "119.138", 85, "Y", "N", "1", "1", "12000", "374"},
    {3, "TNFUNNY", 94, "700LB", "84IN", "27.5IN", "13IN", "1", "S", 3, "37/17", "5000", {{30, 110}, {30, 110}, {30, 110}}, 30, 110, "192.4638", 70, "Y", "Y", "1", "2", "11000", "503"},
    {4, "PSB1990", 85, "590LB", "68IN", "25.5IN", "9IN", "1", "L", 5, "45/16", "8600", {{40, 126}}, 40, 126, "114.5905", 100, nullptr, nullptr, "1", "1", "12600", "236"},
    {5, "MONZA", 64, "2360lb", "106in", "33in", "12in", "2", "T", 3, "4.88", "3500", {{35, 83}}, 35, 83, "557.0482", 52, nullptr, nullptr, nullptr, nullptr, "8300", "708"},
    {6, "TWOSTK400", 100, "180KG", "64IN", "24.5IN", "7.5IN", "1", "L", 6, "43/17", "9500", {{50, 110}, {50, 110}}, 50, 110, "46.29265", 87, "Y", "N", "1", nullptr, "11000", "83"},
    {7, "PS-CAR", 67, "2300LB", "104IN", "31.5IN", "15IN", "2", "N", 5, "5", "6500", {{25, 100}}, 25, 100, "811.5915", 71, nullptr, nullptr, nullptr, nullptr, "10000", "1201"},
    {8, "TFBIKE", 52, "940LB", "98IN", "31.5IN", "15.5IN", "1", "S", 1, "2.5625", "5000", {{50, 110}}, 50, 110, "597.2968", 65, nullptr, nullptr, nullptr, nullptr, "11000", "1000"},
    {9, "ALKYCAR", 56, "1900LB", "270IN", "34.5IN", "15IN", "2", "S", 3, "4.2", "3500", {{30, 95}}, 30, 95, "1627.986", 60, nullptr, nullptr, nullptr, nullptr, "9500", "2184"},
    {10, "FUNNYCAR", 78, "2150LB", "125IN", "38IN", "17IN", "2", "S", 1, "3.2", "3500", {{30, 80}}, 30, 80, "6044.542", 44, nullptr, nullptr, nullptr, nullptr, "8000", "6360"},
    {11, "TFDRAG", 78, "2050LB", "300IN", "38IN", "17IN", "2", "S", 1, "3.2", "3500", {{31, 80}}, 31, 80, "6044.542", 45, nullptr, nullptr, nullptr, nullptr, "8000", "6452"},
    {12, "SUPERGAS", 71, "2400lb", "105in", "33in", "12in", "2", "T", 3, "5.1", "3500", {{30, 80}}, 30, 80, "492.1521", 52, nullptr, nullptr, nullptr, nullptr, "8000", "597"},
    {13, "TFHARLEY", 65, "640lb", "83in", "27in", "11in", "1", "S", 2, "1.7", "2500", {{20, 60}}, 20, 60, "509.2266", 36, nullptr, nullptr, nullptr, nullptr, "6000", "550"},
    {14, "F1CAR", 72, "625KG", "102IN", "28.5IN", "14IN", "2", "N", 6, "6.6", "13000", {{60, 180}}, 60, 180, "246.9964", 160, nullptr, nullptr, nullptr, nullptr, "18000", "765"},
    {15, "BERZERKO", 62, "2350lb", "98in", "29in", "12in", "2", "T", 2, "4.88", "3500", {{30, 80}}, 30, 80, "376.6198", 55, nullptr, nullptr, nullptr, nullptr, "8000", "458"},
    {16, "PSB1999", 88, "590LB", "70IN", "25.5in", "10in", "1", "L", 5, "43/15", "8500", {{50, 140}}, 50, 140, "128.0417", 97, nullptr, nullptr, "2", "3", "14000", "293"},
    {17, "STREET57", 68, "3600lb", "102in", "25.63in", "225mm", "2", "T", 3, "3.54", "1000", {{10, 60}}, 10, 60, "368.9003", 36, nullptr, nullptr, nullptr, nullptr, "6000", "339"},
    {18, "PROMODSZ", 94, "600LB", "74IN", "27.5IN", "11IN", "1", "S", 5, "47/15", "5000", {{40, 125}, {40, 125}, {40, 125}}, 40, 125, "108.0243", 100, "Y", "N", "1", nullptr, "12500", "359"},
    {19, "GP500", 84, "220kg", "56in", "24.48in", "190mm", "1", "N", 6, "40/15", "9000", {{61, 131}}, 61, 131, "85.57822", 116, "N", "N", "1", "1", "13000", "189"},
    {20, "NISS300Z", 73, "3800lb", "101in", "24.68in", "245mm", "2", "T", 4, "3.692", "2500", {{16, 71}, {17, 72}}, 16, 71, "256.9292", 36, "Y", "N", "1", "1", "7000", "291"},
    {21, "TGHARLEY", 69, "341kg", "2.26m", "25in", "8in", "1", "S", 3, "2.391", "3000", {{30, 68}, {30, 68}}, 30, 68, "156", 40, "N", "N", nullptr, nullptr, "6800", "148"},
    {22, "TFYAMAHA", 103, "990LB", "95.5IN", "29.8IN", "13IN", "1", "S", 2, "2.38", "3000", {{30, 100}}, 30, 100, "776.5217", 66, "N", "N", "2", nullptr, "10000", "1092"},
    {23, "HAYABUSA", 87, "710lb", "59.5in", "24.68in", "195mm", "1", "N", 6, "42/15", "6000", {{20, 108}}, 20, 108, "96.76293", 69, "Y", "N", "1", "1", "10800", "157"},
    {24, "CBR929", 66, "560lb", "54.9in", "27.47in", "190MM", "1", "N", 6, "43/16", "6500", {{20, 110}, {30, 110}, {30, 110}}, 20, 110, "69.88406", 90, "N", "N", nullptr, nullptr, "11000", "136"},
    {25, "ZX12-R", 92, "660LB", "58IN", "24.48in", "190MM", "1", "N", 6, "40/17", "6500", {{30, 120}}, 30, 120, "87.18906", 80, "N", "N", nullptr, nullptr, "12000", "160"},
};

const std::tuple<int, int, const char* Figures::*> ItemFields[] = {
    {2, 2, &Figures::weight},   {2, 1, &Figures::wheelbase},   {3, 1, &Figures::tyreDiameter},
    {3, 3, &Figures::tyreWidth}, {3, 8, &Figures::wheels},     {6, 12, &Figures::clutch},
    {6, 17, &Figures::finalDrive}, {4, 3, &Figures::launch},   {10, 19, &Figures::stage1},
    {10, 20, &Figures::stage2}, {8, 1, &Figures::gear1},       {8, 3, &Figures::gear2},
    {6, 1, &Figures::maxRpm},   {6, 2, &Figures::maxPower}};

const std::pair<int, int> GearItems[] = {{7, 1}, {7, 4}, {7, 7}, {7, 10}, {7, 13}, {7, 16}, {10, 11}, {10, 14}};

// The model after the Example command has emptied it and loaded one example.
void LoadExample(const std::string& key) {
  S = SharedState{};
  LoadExampleVehicle(key);
  RebuildExamplePeakSummary();
}

int WrittenItems() {
  int n = 0;
  for (const auto& group : S.VehicleData)
    for (const auto& text : group) n += !text.empty();
  return n;
}

void ExpectItem(int g, int i, const char* text) {
  SCOPED_TRACE(std::to_string(g) + "," + std::to_string(i));
  EXPECT_EQ(S.VehicleData[g][i], text ? text : "");
}

TEST(ExampleCatalogue, TwentyFiveKeysInCatalogueOrder) {
  InitExampleCatalogue();
  for (const auto& f : Table) EXPECT_EQ(Tbl.ExampleKey[f.row], f.key);
  int listed = 0;
  for (int n = 0; n <= 100; ++n) listed += !Tbl.ExampleKey[n].empty();
  EXPECT_EQ(listed, 25);
  EXPECT_EQ(std::tie(Tbl.ExampleDescription[1], Tbl.ExampleDescription[18], Tbl.ExampleDescription[24]),
            std::tuple("Lotus 7 sports car with injected Lotus Twin-Cam", "Pro-Mod Suzuki motorycle", "Honda Fireblade"));
}

TEST(ExampleVehicles, UnknownOrLowerCaseKeysChangeNothing) {
  for (const char* key : {"cbr929", "", "NOSUCH"}) {
    S = SharedState{};
    LoadExampleVehicle(key);
    EXPECT_EQ(WrittenItems(), 0);
    EXPECT_EQ(S.PowerCurve, CurveTable{});
  }
}

TEST(ExampleVehicles, BothTablesHoldForEveryRow) {
  for (const auto& f : Table) {
    SCOPED_TRACE(f.key);
    LoadExample(f.key);
    EXPECT_EQ(WrittenItems(), f.items);
    for (const auto& [g, i, field] : ItemFields) ExpectItem(g, i, f.*field);
    int gears = 0;
    for (const auto& [g, i] : GearItems) gears += !S.VehicleData[g][i].empty();
    EXPECT_EQ(gears, f.gears);

    for (int c = 0; c < 3; ++c) {
      SCOPED_TRACE("column " + std::to_string(c));
      const Span span = f.columns[c];
      for (int r = 0; r < CurveRows; ++r) {
        const bool inside = span.from > 0 && r >= span.from && r <= span.to;
        if (inside)
          EXPECT_GT(S.PowerCurve[c][r], 0.0f) << "row " << r;
        else
          EXPECT_EQ(S.PowerCurve[c][r], 0.0f) << "row " << r;
      }
    }
    EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.EngineSummary[0][0], S.EngineSummary[0][1]),
              std::tuple(f.minIndex, f.maxIndex, Figure(f.peakTorque), static_cast<Single>(f.peakRow)));
  }
}

TEST(ExampleVehicles, WhatTheSettersWrite) {
  const std::map<int, std::string> comments = {
      {1, "//*Westfield with quick motor"},
      {2, "//*First round at ACU August bank holiday 2000"},
      {6, "//*Avon Park August 1998 - World record"},
      {16, "//*1999 Pro Stock bike"},
      {18, "//*Just guessing"},
      {19, "//*500cc Grand Prix road racer"},
      {20, "//*Stock + boost jets + stage 3"},
      {24, "//*Fireblade 929"}};
  const std::map<int, std::string> presetCodes = {
      {8, "TF-QX"}, {19, "QRVD"}, {23, "QRVD"}, {24, "ZX10"}, {25, "ZX10"}};
  const std::map<int, std::string> revLimitCodes = {
      {2, "E"}, {3, "F"}, {6, "E"}, {8, "E"}, {18, "E"}, {19, "3"}, {22, "E"}, {23, "3"},
      {24, "E"}, {25, "E"}};
  std::set<std::pair<int, int>> distinct;
  for (const auto& f : Table) {
    SCOPED_TRACE(f.key);
    LoadExample(f.key);
    const auto& d = S.VehicleData;
    for (int g = 0; g <= 10; ++g)
      for (int i = 0; i <= 20; ++i)
        if (!d[g][i].empty()) distinct.insert({g, i});
    if (comments.count(f.row)) {
      EXPECT_EQ(d[1][0], comments.at(f.row));
    }
    EXPECT_EQ(d[5][4], presetCodes.count(f.row) ? presetCodes.at(f.row) : "");
    if (revLimitCodes.count(f.row)) {
      EXPECT_EQ(d[9][2], revLimitCodes.at(f.row));
    }
    // A clutch described by its springs and bob-weight arms runs on that description.
    if (!d[1][5].empty() && !d[1][7].empty()) {
      EXPECT_EQ(d[1][13], "Y");
    }
  }
  // No item outside the slots the setters write (group 0 and item 0 of groups 2-10 among them).
  EXPECT_EQ(distinct.size(), 152u);
  for (int g = 2; g <= 10; ++g) EXPECT_FALSE(distinct.contains({g, 0}));
  for (int i = 0; i <= 20; ++i) EXPECT_FALSE(distinct.contains({0, i}));
}

TEST(ExampleVehicles, LotusSevenCurve) {
  LoadExample("WESTFLD");
  EXPECT_EQ(WrittenItems(), 67);
  const Single torque[] = {115, 116, 117, 118, 119, 120, 120.2128f, 120.4255f, 120.6383f,
                           120.851f, 121.0638f, 122.5092f, 123.9546f, 125.4f, 128.2f, 131,
                           132.2f, 133.4f, 134.6f, 135.8f, 137, 137.4f, 137.8f, 138.2f, 138.6f,
                           139, 138.6f, 138.2f, 137.8f, 137.4f, 137, 135.8f, 134.6f, 133.4f,
                           132.2f, 131, 128.6f, 126.2f, 123.8f, 121.4f, 119, 116, 113, 110, 107,
                           104};
  for (int r = 30; r <= 75; ++r) EXPECT_EQ(S.PowerCurve[0][r], torque[r - 30]) << "row " << r;
  int points = 0;
  for (const auto& column : S.PowerCurve)
    for (Single t : column) points += t != 0;
  EXPECT_EQ(std::tuple(points, S.MinRPMIndex, S.MaxRPMIndex, S.PowerMaxPower), std::tuple(46, 30, 75, 162));
  // 139 lb-ft at row 55, 162.1 BHP at row 65.
  EXPECT_EQ(std::tuple(S.EngineSummary[0][0], S.EngineSummary[0][1], S.EngineSummary[0][3]),
            std::tuple(139.0f, 55.0f, 65.0f));
  EXPECT_NEAR(S.EngineSummary[0][2], 162.1, 0.05);
}

TEST(ExampleVehicles, EdgeCasesOfTheData) {
  LoadExample("NISS300Z");
  EXPECT_EQ(S.MaxRPMIndex, 71);
  EXPECT_GT(S.PowerCurve[1][72], 0.0f);  // one point above the no-nitrous span stays
  S.PowerCurve[1][72] = 10000;           // the peak search covers every row of the column
  RebuildExamplePeakSummary();
  EXPECT_EQ(S.EngineSummary[1][1], 72.0f);

  LoadExample("TGHARLEY");
  EXPECT_EQ(S.PowerCurve[1], S.PowerCurve[0]);

  LoadExample("FUNNYCAR");
  const Single funnyPeak = S.EngineSummary[0][0];
  LoadExample("TFDRAG");
  EXPECT_EQ(S.EngineSummary[0][0], funnyPeak);

  LoadExample("TFHARLEY");  // the maximum-power figure stands above its own curve's peak
  EXPECT_LT(S.EngineSummary[0][2], 550.0f);

  S = SharedState{};
  RebuildExamplePeakSummary();  // a cancelled choice: nothing loaded
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.PowerMaxPower), std::tuple(0, 200, 0));
}

// The authored curves agree with each vehicle's maximum-power figure: column 0's peak power,
// or for the nitrous funny bikes and the Pro-Mod the peak of their highest nitrous column.
TEST(ExampleVehicles, MaximumPowerFigureMatchesTheCurve) {
  for (const auto& f : Table) {
    if (f.row == 13) continue;
    SCOPED_TRACE(f.key);
    LoadExample(f.key);
    const int column = (f.row == 2) ? 1 : (f.row == 3 || f.row == 18) ? 2 : 0;
    EXPECT_EQ(CInt(S.EngineSummary[column][2]), std::atoi(f.maxPower));
    EXPECT_GT(S.EngineSummary[column][3], S.EngineSummary[0][1]);  // power peaks above torque
  }
}

}  // namespace
}  // namespace kestrelon
