#include "entry/nitrous_calc.h"

#include "core/program_title.h"
#include "core/state.h"
#include "entry/model_snapshot.h"
#include "entry/nitrous_power_calc.h"
#include "platform/ui_seam.h"

namespace kestrelon {

namespace {

constexpr Integer kStageNotUsed = 10;

bool HasCurve(int stage) { return S.EngineSummary[stage][0] > 0; }

Refusal Refuse(const char* text, int field) { return {text, field}; }

// Reads one stage's progression into its record; the record is written only after the checks.
Verdict AcceptProgression(int s, const NitrousStageEntry& e) {
  NitrousStageRecord& rec = S.NitrousStageData[s];
  rec.ProgStage = True;

  Long startRow = 0;
  if (!IsBlank(e.StartRPM)) {
    startRow = RpmRow(e.StartRPM);
    // Below row 1 only 0 means "none": a negative rpm is no rpm at all.
    if (startRow < 0 || (startRow > 0 && (startRow < S.MinRPMIndex || startRow >= S.MaxRPMIndex)))
      return Refuse("Invalid Nitrous Start RPM", NStartRPMField + s);
  }
  rec.StartRPM = static_cast<Integer>(startRow);

  double startPower = 0;
  if (!IsBlank(e.StartPower)) {
    startPower = PlainNumber(e.StartPower) / 100;
    if (startPower < 0 || startPower > 1)
      return Refuse("Invalid Nitrous Start Power", NStartPowerField + s);
  }
  rec.StartPower = static_cast<Single>(startPower);

  double finalPower = 1.0;
  if (!IsBlank(e.FinalPower)) {
    finalPower = PlainNumber(e.FinalPower) / 100;
    if (finalPower > 1 || finalPower < rec.StartPower)
      return Refuse("Invalid Nitrous Final Power", NFinalPowerField + s);
  }
  rec.FinalPower = static_cast<Single>(finalPower);

  Long finalRow = 0;
  if (IsBlank(e.FinalRPM)) {
    if (rec.StartRPM > 0) return Refuse("Final RPM missing", NFinalRPMField + s);
  } else {
    finalRow = RpmRow(e.FinalRPM);
    if (finalRow < 0) return Refuse("Invalid Full power RPM", NFinalRPMField + s);
    if (finalRow > 0) {
      if (finalRow < S.MinRPMIndex || finalRow >= S.MaxRPMIndex)
        return Refuse("Invalid Full power RPM", NFinalRPMField + s);
      if (rec.StartRPM == 0) return Refuse("Start RPM missing", NStartRPMField + s);
      // The build-up blends over the rows between the two: it needs a span to blend over.
      if (finalRow <= rec.StartRPM) return Refuse("Invalid Full power RPM", NFinalRPMField + s);
    }
  }
  rec.FinalRPM = static_cast<Integer>(finalRow);

  double progTime = 0;
  if (!IsBlank(e.ProgTime)) {
    if (rec.StartRPM != 0 || rec.FinalRPM != 0)
      return Refuse("Progression time cannot be used on an RPM controlled nitrous",
                    NProgTimeField + s);
    progTime = PlainNumber(e.ProgTime);
    if (progTime < 0 || !FitsSingle(progTime))
      return Refuse("Invalid Nitrous Progression time", NProgTimeField + s);
  }
  rec.ProgTime = static_cast<Single>(progTime);

  // Nothing to control the build-up: the stage runs as a plain stage.
  if (rec.ProgTime == 0 && rec.StartRPM == 0 && rec.FinalRPM == 0) rec.ProgStage = False;
  return std::nullopt;
}

}  // namespace

Integer NitrousGear(std::string_view text) { return CInt(PlainNumber(text)); }

Long RpmRow(std::string_view text) { return IntDiv(PlainNumber(text), 100); }

void ClearNitrousEntry() {
  const VehicleModel start;
  S.NitrousSG1 = start.NitrousSG1;
  S.NitrousSG2 = start.NitrousSG2;
  S.NitrousDT1 = start.NitrousDT1;
  S.NitrousDT2 = start.NitrousDT2;
  S.NitrousCorrect = start.NitrousCorrect;
  S.NitrousStageData = start.NitrousStageData;
  S.N2RunPressure = start.N2RunPressure;
  S.N2DropPressure = start.N2DropPressure;
  S.N2PowerPressure = start.N2PowerPressure;
}

void PutNitrousOutOfUse() {
  ClearNitrousEntry();
  for (int stage = 1; stage <= 2; ++stage) ClearNitrousCalcSetup(stage);
}

NitrousEntry LoadNitrousEntry() {
  const auto& vd = S.VehicleData;
  NitrousEntry e;
  e.SG1 = vd[8][1];
  e.DT1 = vd[8][2];
  e.SG2 = vd[8][3];
  e.DT2 = vd[8][4];
  struct Items { int correct, calc, prog, use, startRPM, startPower, finalPower, finalRPM, time; };
  const Items items[3] = {{}, {7, 19, 1, 19, 2, 3, 5, 4, 5}, {8, 20, 6, 20, 7, 8, 6, 9, 10}};
  for (int s = 1; s <= 2; ++s) {
    const Items& it = items[s];
    NitrousStageEntry& st = e.Stage[s];
    st.Correct = Trim(vd[8][it.correct]) == "Y";
    st.Calculate = Trim(vd[5][it.calc]) == "Y";
    st.Prog = Trim(vd[10][it.prog]) == "Y" && HasCurve(s);
    st.UseStage = Trim(vd[10][it.use]) != "N" && HasCurve(s);
    st.StartRPM = Trim(vd[10][it.startRPM]);
    st.StartPower = Trim(vd[10][it.startPower]);
    st.FinalPower = Trim(vd[8][it.finalPower]);
    st.FinalRPM = Trim(vd[10][it.finalRPM]);
    st.ProgTime = Trim(vd[10][it.time]);
  }
  e.DropPressure = Trim(vd[9][18]);
  e.PowerPressure = Trim(vd[9][19]);
  e.RunPressure = Trim(vd[9][20]);
  return e;
}

namespace {

// The OK's checks and writes, in order; the caller puts the model back on a refusal.
Verdict AcceptNitrousInOrder(const NitrousEntry& e) {

  // Stage gears and delays; gear 10 marks a stage not in use.
  S.NitrousSG1 = kStageNotUsed;
  if (e.Stage[1].UseStage && HasCurve(1)) {
    S.NitrousSG1 = NitrousGear(e.SG1);
    if (S.NitrousSG1 > S.GearCount || S.NitrousSG1 < 0)
      return Refuse("Invalid gear for first stage", NitrousSG1Field);
    if (S.NitrousSG1 == 0) {
      S.NitrousSG1 = kStageNotUsed;
    } else {
      if (auto r = ReadPlainField(e.DT1, S.NitrousDT1, AtLeast0, "Cannot have negative delay",
                                  NitrousDT1Field))
        return r;
    }
  }
  S.NitrousSG2 = kStageNotUsed;
  if (e.Stage[2].UseStage && HasCurve(2)) {
    S.NitrousSG2 = NitrousGear(e.SG2);
    if (S.NitrousSG2 > S.GearCount || S.NitrousSG2 < 0)
      return Refuse("Invalid gear for second stage", NitrousSG2Field);
    if (S.NitrousSG2 == 0) {
      S.NitrousSG2 = kStageNotUsed;
    } else if (S.NitrousSG2 < S.NitrousSG1) {
      return Refuse("Second stage before first not allowed", NitrousSG2Field);
    } else {
      if (auto r = ReadPlainField(e.DT2, S.NitrousDT2, AtLeast0, "Cannot have negative delay",
                                  NitrousDT2Field))
        return r;
    }
  }

  for (int s = 1; s <= 2; ++s) {
    const NitrousStageEntry& st = e.Stage[s];
    S.NitrousCorrect[s] = ToFlag(st.Correct);
    if (!(st.Prog && st.UseStage && HasCurve(s))) {
      if (st.UseStage) S.NitrousStageData[s].ProgStage = False;
      continue;
    }
    const Integer gear = s == 1 ? S.NitrousSG1 : S.NitrousSG2;
    // Progressive, but its gear was entered as 0: the stage is not in use.
    if (gear > S.GearCount)
      return Refusal{"Stage " + std::to_string(s) + " Nitrous not in use", NitrousNotInUseField,
                     ProgramTitle, Msg::OKOnly};
    if (auto r = AcceptProgression(s, st)) return r;
  }

  if (!IsBlank(e.PowerPressure)) {
    if (auto r = ReadUnitField(e.PowerPressure, "pressure", S.N2PowerPressure, Above0,
                               "Invalid bottle pressure ", N2PowerPressureField))
      return r;
    if (IsBlank(e.RunPressure)) {
      S.N2RunPressure = S.N2PowerPressure;
    } else if (auto r = ReadUnitField(e.RunPressure, "pressure", S.N2RunPressure, Above0,
                                      "Invalid bottle pressure ", N2RunPressureField)) {
      return r;
    }
    if (IsBlank(e.DropPressure)) {
      S.N2DropPressure = 0;  // only a blank box means no drop; a typed 0 is refused
    } else if (auto r = ReadUnitField(e.DropPressure, "pressure", S.N2DropPressure, Above0,
                                      "Invalid bottle pressure drop", N2DropPressureField)) {
      return r;
    }
  } else if (!IsBlank(e.RunPressure) || !IsBlank(e.DropPressure)) {
    return Refuse("Must have the value for normal bottle pressure", N2PowerPressureField);
  } else {
    // No pressures: run and normal pressure are equal, so the bottle changes nothing.
    S.N2PowerPressure = 1.0f;
    S.N2RunPressure = 1.0f;
    S.N2DropPressure = 0;
  }

  // A stage whose "Calculate Nitrous" is not ticked runs from its own curve column as it now
  // stands, whatever the calculator set up before.
  for (int s = 1; s <= 2; ++s)
    if (!e.Stage[s].Calculate) ClearNitrousCalcSetup(s);

  auto& vd = S.VehicleData;
  vd[8][1] = e.SG1;
  vd[8][2] = e.DT1;
  vd[8][3] = e.SG2;
  vd[8][4] = e.DT2;
  auto yes = [](bool b) { return std::string(b ? "Y" : ""); };
  vd[8][7] = yes(e.Stage[1].Correct);
  vd[8][8] = yes(e.Stage[2].Correct);
  // "Calculate Nitrous" stands only for a stage the calculator builds: a tick left on a form
  // while the stage came off the calculator, or never set up, would have the vehicle opened
  // again rebuild it, or stop at the calculator.
  vd[5][19] = yes(e.Stage[1].Calculate && BuiltByCalculator(1));
  vd[5][20] = yes(e.Stage[2].Calculate && BuiltByCalculator(2));
  vd[10][1] = yes(e.Stage[1].Prog);
  vd[10][6] = yes(e.Stage[2].Prog);
  vd[10][2] = e.Stage[1].StartRPM;
  vd[10][3] = e.Stage[1].StartPower;
  vd[8][5] = e.Stage[1].FinalPower;
  vd[10][4] = e.Stage[1].FinalRPM;
  vd[10][5] = e.Stage[1].ProgTime;
  vd[10][7] = e.Stage[2].StartRPM;
  vd[10][8] = e.Stage[2].StartPower;
  vd[8][6] = e.Stage[2].FinalPower;
  vd[10][9] = e.Stage[2].FinalRPM;
  vd[10][10] = e.Stage[2].ProgTime;
  vd[10][19] = e.Stage[1].UseStage ? "Y" : "N";
  vd[10][20] = e.Stage[2].UseStage ? "Y" : "N";
  vd[9][18] = e.DropPressure;
  vd[9][19] = e.PowerPressure;
  vd[9][20] = e.RunPressure;
  return std::nullopt;
}

}  // namespace

Verdict AcceptNitrous(const NitrousEntry& e) {
  const ModelSnapshot before;
  Verdict refusal = AcceptNitrousInOrder(e);
  if (refusal) {
    before.Restore();
    return refusal;
  }
  S.NitrousEntered = True;
  return std::nullopt;
}

void EnterNitrousFromTexts() {
  const ModelSnapshot before;
  const VehicleTable texts = S.VehicleData;
  if (AcceptNitrousInOrder(LoadNitrousEntry())) before.Restore();
  S.VehicleData = texts;
}

bool NitrousTextsGiveTheModel() {
  const ModelSnapshot before;
  const VehicleModel entered = S;
  const bool same =
      !AcceptNitrousInOrder(LoadNitrousEntry()) && static_cast<const VehicleModel&>(S) == entered;
  before.Restore();
  return same;
}

}  // namespace kestrelon
