#include "entry/nitrous_power_calc.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/units.h"
#include "power/power_curve.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

constexpr const char* kStandardCurveNames[3] = {"Power with no Nitrous",
                                                "Power with 1st stage Nitrous",
                                                "Power with 2nd stage Nitrous"};

// Group-0 item of figure k (1..9) of a stage.
std::string& Item(int stage, int k) { return S.VehicleData[0][10 * (stage - 1) + k]; }

// The nitrous form's "Calculate Nitrous" item of a stage: "Y" while the calculator builds it.
std::string& CalculateItem(int stage) { return S.VehicleData[5][18 + stage]; }

// The stage's own item, else (for stage 2) stage 1's, else empty.
std::string OwnOrFirstStage(int stage, int k) {
  if (!Item(stage, k).empty()) return Item(stage, k);
  if (stage == 2 && !Item(1, k).empty()) return Item(1, k);
  return "";
}

Refusal Refuse(std::string message, NitrousCalcField field) { return {std::move(message), field}; }

}  // namespace

std::array<std::string, 3> PowerCurveEntries() {
  std::array<std::string, 3> entries;
  for (int c = 0; c < 3; ++c) {
    entries[c] = Trim(S.PowerDescript[c]);
    if (entries[c].empty()) entries[c] = kStandardCurveNames[c];
  }
  return entries;
}

NitrousCalcEntry LoadNitrousCalcEntry(int stage) {
  NitrousCalcEntry e;
  e.Capacity = Item(stage, 1);
  e.Cylinders = OwnOrFirstStage(stage, 2);
  if (IsBlank(e.Cylinders)) e.Cylinders = "4";
  e.VolEff = OwnOrFirstStage(stage, 3);
  if (IsBlank(e.VolEff)) e.VolEff = "100";
  e.JetSize = Item(stage, 4);
  if (IsBlank(e.JetSize)) e.JetSize = "0.040in";
  e.Percentage = Item(stage, 5);
  if (IsBlank(e.Percentage)) e.Percentage = "100";
  e.BottlePress = OwnOrFirstStage(stage, 6);
  if (e.BottlePress.empty()) e.BottlePress = S.VehicleData[9][19];
  if (IsBlank(e.BottlePress)) e.BottlePress = "800psi";
  e.TransEff = OwnOrFirstStage(stage, 7);
  if (e.TransEff.empty()) e.TransEff = S.VehicleData[6][18];
  if (IsBlank(e.TransEff)) e.TransEff = "100";
  if (!Item(stage, 8).empty()) {
    const Integer column = CInt(PlainNumber(Item(stage, 8)));
    if (column >= 0 && column < 3) e.PCurve = column;  // anything else selects nothing
  }
  e.NumJets = OwnOrFirstStage(stage, 9);
  if (e.NumJets.empty()) e.NumJets = e.Cylinders;  // one jet per cylinder
  return e;
}

Verdict AcceptNitrousCalc(int stage, const NitrousCalcEntry& e) {
  Single capacity = 0, jetSize = 0, bottle = 0;
  if (auto r = ReadUnitField(e.Capacity, "volume", capacity, Above0, "Invalid engine capacity ",
                             CapacityField))
    return r;
  const double cylinders = PlainNumber(e.Cylinders);
  if (cylinders <= 0 || !FitsSingle(cylinders))
    return Refuse("Invalid number of cylinders", CylindersField);
  const double volEff = PlainNumber(e.VolEff);
  if (volEff <= 0 || !FitsSingle(volEff))
    return Refuse("Invalid volumetric efficiency", VolEffField);
  const double transEff = PlainNumber(e.TransEff);
  if (transEff <= 0 || transEff > 100) return Refuse("Invalid transmission efficiency", TransEffField);
  const double jets = PlainNumber(e.NumJets);
  if (jets <= 0 || !FitsSingle(jets)) return Refuse("Invalid number of nitrous jets", NumJetsField);
  if (auto r = ReadUnitField(e.JetSize, "length", jetSize, Above0, "Invalid nitrous jet size ",
                             JetSizeField))
    return r;
  const double percentage = PlainNumber(e.Percentage);
  if (percentage <= 0 || percentage > 100)
    return Refuse("Invalid nitrous percentage", PercentageField);
  if (auto r = ReadUnitField(e.BottlePress, "pressure", bottle, Above0,
                             "Invalid nitrous bottle pressure ", BottlePressField))
    return r;
  // The stage is built on a base curve: it must hold one.
  if (e.PCurve < 0 || e.PCurve > 2 || S.EngineSummary[e.PCurve][0] <= 0)
    return Refuse("You must select a power curve", PCurveField);

  Item(stage, 1) = Trim(e.Capacity);
  Item(stage, 2) = Trim(e.Cylinders);
  Item(stage, 3) = Trim(e.VolEff);
  Item(stage, 4) = Trim(e.JetSize);
  Item(stage, 5) = Trim(e.Percentage);
  Item(stage, 6) = Trim(e.BottlePress);
  Item(stage, 7) = Trim(e.TransEff);
  Item(stage, 8) = std::to_string(e.PCurve);
  Item(stage, 9) = Trim(e.NumJets);

  S.NitrousCapacity[stage] = capacity;
  S.NitrousCylinders[stage] = static_cast<Single>(cylinders);
  S.NitrousVolEff[stage] = static_cast<Single>(volEff);
  S.NitrousTransEff[stage] = static_cast<Single>(transEff);
  S.NitrousNumJets[stage] = static_cast<Single>(jets);
  S.NitrousJetSize[stage] = jetSize;
  S.NitrousPercentage[stage] = static_cast<Single>(percentage);
  S.NitrousBottlePress[stage] = bottle;
  S.NitrousPCurve[stage] = static_cast<Single>(e.PCurve);
  // Whichever window opened the calculator, the stage is now one it builds: the vehicle opened
  // again rebuilds it as the session does.
  CalculateItem(stage) = "Y";

  CalcNitrousCurve(stage);
  return std::nullopt;
}

namespace {
using StageFigures = std::array<Single, NitrousStages>;

// The calculator's nine figures of every stage, as the run reads them.
std::array<StageFigures*, 9> CalcFigures() {
  return {&S.NitrousCapacity, &S.NitrousCylinders, &S.NitrousVolEff, &S.NitrousTransEff, &S.NitrousNumJets,
          &S.NitrousJetSize,  &S.NitrousPercentage, &S.NitrousBottlePress, &S.NitrousPCurve};
}
}  // namespace

void ClearNitrousCalcSetup(int stage) {
  for (StageFigures* figures : CalcFigures()) (*figures)[stage] = 0;
  CalculateItem(stage).clear();
}

NitrousCalcSetUp CurrentCalcSetUp() {
  NitrousCalcSetUp setUp;
  const auto figures = CalcFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) setUp.figures[f] = *figures[f];
  for (std::size_t item = 1; item < setUp.texts.size(); ++item) setUp.texts[item] = S.VehicleData[0][item];
  for (int stage = 1; stage <= 2; ++stage) setUp.calculate[stage - 1] = CalculateItem(stage);
  return setUp;
}

void PutBackCalcSetUp(const NitrousCalcSetUp& setUp) {
  const auto figures = CalcFigures();
  for (std::size_t f = 0; f < figures.size(); ++f) *figures[f] = setUp.figures[f];
  for (std::size_t item = 1; item < setUp.texts.size(); ++item) S.VehicleData[0][item] = setUp.texts[item];
  for (int stage = 1; stage <= 2; ++stage) CalculateItem(stage) = setUp.calculate[stage - 1];
}

Single NitrousFlowFactor(int stage) {
  const double refPressure = ParseValueWithUnits("850psi", "pressure");
  const double refJet = ParseValueWithUnits("0.043in", "length");
  const double jet = S.NitrousJetSize[stage];
  return static_cast<Single>(std::sqrt(S.NitrousBottlePress[stage] / refPressure) *
                             (S.NitrousNumJets[stage] * jet * jet) /
                             (S.NitrousCylinders[stage] * refJet * refJet) *
                             S.NitrousPercentage[stage]);
}

namespace {

// The stage's column with rows MinRPMIndex..MaxRPMIndex as the calculator builds them from its
// base column and the stored figures; the other rows as the column holds them.
std::array<Single, CurveRows> CalculatedColumn(int stage) {
  const int base = CInt(S.NitrousPCurve[stage]);
  // Volumetric efficiency follows the torque: the peak efficiency at the peak torque.
  const double effPerTorque = S.NitrousVolEff[stage] / S.EngineSummary[base][0];
  const Single flow = NitrousFlowFactor(stage);
  std::array<Single, CurveRows> column = S.PowerCurve[stage];
  for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j) {
    const Single tb = S.PowerCurve[base][j];
    const Single r = CalcNitrousPower(S.NitrousCapacity[stage], flow,
                                      static_cast<Single>(effPerTorque * tb), j * 100.0f);
    // Only the torque nitrous adds passes through the transmission losses.
    column[j] = r <= 0 ? 0 : tb + (r * tb - tb) * S.NitrousTransEff[stage] / 100;
  }
  return column;
}

}  // namespace

bool BuiltByCalculator(int stage) {
  const int base = CInt(S.NitrousPCurve[stage]);
  return S.NitrousCapacity[stage] > 0 && base >= 0 && base < CurveColumns && S.EngineSummary[base][0] > 0;
}

Single RebuildNitrousCurve(int stage) {
  S.PowerCurve[stage] = CalculatedColumn(stage);
  Single peakPower = 0;
  for (int j = S.MinRPMIndex; j <= S.MaxRPMIndex; ++j)
    peakPower = std::max(peakPower, j * S.PowerCurve[stage][j] / RowTorqueToBHP);
  // A column built anew is a curve change like any other: its peaks and the rev limit follow.
  UpdateEngineSummary(stage);
  ClampRevLimit();
  return peakPower;
}

void CalcNitrousCurve(int stage) { S.CurvePeakValue = CLng(RebuildNitrousCurve(stage)); }

void RebuildCalculatedStages() {
  // The calculator takes no base curve without a peak: such a stage is left as it is.
  for (int stage = 1; stage <= 2; ++stage)
    if (BuiltByCalculator(stage)) RebuildNitrousCurve(stage);
}

bool TakeDrawnStageOffCalculator(int stage, const std::array<Single, CurveTopRow + 1>& asEntered) {
  if (!BuiltByCalculator(stage)) return false;  // the no-nitrous column never is
  const auto& column = S.PowerCurve[stage];
  // A column left as it was keeps the calculator, even one built before the weather changed.
  const bool changed = !std::equal(asEntered.begin() + 1, asEntered.end(), column.begin() + 1);
  if (!changed || CalculatedColumn(stage) == column) return false;
  ClearNitrousCalcSetup(stage);
  return true;
}

}  // namespace kestrelon
