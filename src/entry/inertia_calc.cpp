#include "entry/inertia_calc.h"

#include "core/state.h"

namespace kestrelon {

Single CrankInertiaEstimate(Single stroke, Single mass) { return stroke * stroke * mass / 2.5f; }

Single EngineInertiaOf(Single crankInertia, Single clutchInertia, Single primaryRatio) {
  // A primary drive of 0 stands for a direct drive, as the transmission reads it: reopening
  // that form can leave a stored "0" in the model.
  if (primaryRatio == 0) primaryRatio = 1;
  return crankInertia + clutchInertia / (primaryRatio * primaryRatio);
}

void FollowEngineInertia() {
  if (S.InertiaEntered != False)
    S.EngineInertia = EngineInertiaOf(S.InertiaCrank, S.ClutchInertia, S.TransPrimary);
}

void LoadInertia(InertiaEntry& e) {
  const auto& d = S.VehicleData[6];
  e.CrankStroke = d[5];
  e.CrankMass = d[6];
  e.Crank = d[7];
  e.ClutchDia = d[13];
  e.ClutchMass = d[14];
  e.Clutch = d[15];
}

Verdict AcceptInertia(InertiaEntry& e) {
  if (IsBlank(e.CrankStroke))
    S.InertiaCrankStroke = 0;
  else if (auto r = ReadUnitField(e.CrankStroke, "length", S.InertiaCrankStroke, AtLeast0,
                                  "Crankshaft stroke invalid ", InertiaCrankStrokeField))
    return r;
  if (IsBlank(e.CrankMass))
    S.InertiaCrankMass = 0;
  else if (auto r = ReadUnitField(e.CrankMass, "mass", S.InertiaCrankMass, AtLeast0,
                                  "Crankshaft mass invalid ", InertiaCrankMassField))
    return r;

  // An estimate from stroke and mass wins over a typed inertia, which is then not read.
  if (S.InertiaCrankStroke > 0 && S.InertiaCrankMass > 0)
    S.InertiaCrank = CrankInertiaEstimate(S.InertiaCrankStroke, S.InertiaCrankMass);
  else if (auto r = ReadUnitField(e.Crank, "inertia", S.InertiaCrank, AtLeast0,
                                  "Crankshaft inertia invalid ", InertiaCrankField))
    return r;
  if (S.InertiaCrank == 0)
    return Refusal{"Crank stroke & mass, or inertia must be provided", InertiaCrankStrokeField};

  S.EngineInertia = EngineInertiaOf(S.InertiaCrank, S.ClutchInertia, S.TransPrimary);
  auto& d = S.VehicleData[6];
  d[7] = e.Crank;
  d[6] = e.CrankMass;
  d[5] = e.CrankStroke;
  return std::nullopt;
}

}  // namespace kestrelon
