#include "core/model_reset.h"

#include "core/settings.h"
#include "core/state.h"
#include "core/units.h"

namespace kestrelon {

void ResetModel() {
  static_cast<VehicleTextState&>(S) = VehicleTextState{};
  static_cast<VehicleModel&>(S) = VehicleModel{};
  static_cast<CurveState&>(S) = CurveState{};

  const AppState fresh;
  S.VehicleName = fresh.VehicleName;
  S.DataDescription = fresh.DataDescription;
  S.VehicleFileDescription = fresh.VehicleFileDescription;
  S.PowerFileDescription = fresh.PowerFileDescription;
  S.TyreEntered = fresh.TyreEntered;
  S.EngineEntered = fresh.EngineEntered;
  S.ChassisEntered = fresh.ChassisEntered;
  S.ClutchEntered = fresh.ClutchEntered;
  S.AeroEntered = fresh.AeroEntered;
  S.TransmissionEntered = fresh.TransmissionEntered;
  S.InertiaEntered = fresh.InertiaEntered;
  S.NitrousEntered = fresh.NitrousEntered;
  S.ThrottleEntered = fresh.ThrottleEntered;
  S.DynXPerUnit = fresh.DynXPerUnit;
  S.DynYPerUnit = fresh.DynYPerUnit;
  S.GraphXPerUnit = fresh.GraphXPerUnit;
  S.GraphYPerUnit = fresh.GraphYPerUnit;
  S.GraphXPerRPMIndex = fresh.GraphXPerRPMIndex;
  S.OperatorChars = fresh.OperatorChars;
  S.OperatorCount = fresh.OperatorCount;

  ApplyPowerUnit(Cfg.PUnits == "M" ? "KW" : "BHP");
  ApplyDisplayUnits(Cfg.DUnits);
}

}  // namespace kestrelon
