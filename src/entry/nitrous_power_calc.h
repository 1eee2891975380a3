#pragma once
// The nitrous power calculator: builds a nitrous stage's torque curve from a base curve and the
// engine and nitrous hardware (capacity, cylinders, efficiencies, jets, percentage, bottle
// pressure). Each stage keeps its nine figures as texts in group 0 of the vehicle texts and as
// numbers for the run.

#include <array>
#include <string>

#include "core/state/curve_state.h"
#include "entry/field_reading.h"

namespace kestrelon {

enum NitrousCalcField {
  CapacityField,
  CylindersField,
  VolEffField,
  TransEffField,
  NumJetsField,
  JetSizeField,
  PercentageField,
  BottlePressField,
  PCurveField,
};

// What the calculator holds for one stage; PCurve is the base column picked, -1 for none.
struct NitrousCalcEntry {
  std::string Capacity, Cylinders, VolEff, TransEff, NumJets, JetSize, Percentage, BottlePress;
  int PCurve = -1;
};

// The three entries of the base-curve list: each column's title, or its standard name.
std::array<std::string, 3> PowerCurveEntries();

// The calculator of stage 1 or 2 as the vehicle texts fill it; blank figures of stage 2 follow
// stage 1's, and then the nitrous and transmission sections' and the standard figures.
NitrousCalcEntry LoadNitrousCalcEntry(int stage);

// Checks the nine figures; when all pass, stores the texts and the numbers of the stage, ticks
// its "Calculate Nitrous" item and rebuilds its curve. A refusal changes nothing.
Verdict AcceptNitrousCalc(int stage, const NitrousCalcEntry& e);

// Takes the stage off the calculator: its nine figures become 0 and its "Calculate Nitrous" item
// is unticked, so the run and the vehicle opened again read the stage's own curve column. The
// stage's texts stay for the next opening of the calculator.
void ClearNitrousCalcSetup(int stage);

// The calculator's set-up of both stages as it stands, and put back as taken.
NitrousCalcSetUp CurrentCalcSetUp();
void PutBackCalcSetUp(const NitrousCalcSetUp& setUp);

// True while the calculator builds the stage: it has a set-up, on a base curve it can build on.
bool BuiltByCalculator(int stage);

// Nitrous flow relative to one 0.043 in jet per cylinder at 850 psi and 100 % (= 100).
Single NitrousFlowFactor(int stage);

// Rebuilds the stage's column over MinRPMIndex..MaxRPMIndex from its base column and the stored
// figures, with its peak summary; returns the new curve's peak power in BHP.
Single RebuildNitrousCurve(int stage);

// RebuildNitrousCurve, with CurvePeakValue (the graph's value axis top) set to that peak power.
void CalcNitrousCurve(int stage);

// Rebuilds every stage the calculator builds, stage 1 first (stage 2 may be built on it), as
// the nitrous form does when the vehicle is opened; the graph's axes are left alone.
void RebuildCalculatedStages();

// A stage the calculator builds whose column differs both from the column as its entry found it
// (rows 1 to the top row) and from what the calculator gives it (drawn, typed or reshaped in its
// own graph) comes off the calculator, so that the column is stored as it stands rather than
// built again; a column left as it was, or as the calculator built it, stays calculated.
// True when it took the stage off.
bool TakeDrawnStageOffCalculator(int stage, const std::array<Single, CurveTopRow + 1>& asEntered);

}  // namespace kestrelon
