// VEHICLE DATA: weight, wheelbase and weight distribution, drive, centre of gravity, wheelie
// bars, the driven tyre, the aerodynamic figures and the front suspension.
#include "core/numbers.h"
#include "core/state.h"
#include "report/report_sections.h"

namespace kestrelon {
namespace {

std::string T(int group, int item) { return Trim(S.VehicleData[group][item]); }

// Front and rear shares of the weight; a wheelbase that is not above 0 leaves nothing to
// divide by.
std::string WeightDistribution() {
  if (!(S.ChassisWheelbase > 0)) return "n/a";
  const Single front = S.ChassisCGL / S.ChassisWheelbase * 100;
  const Single rear = 100 - front;
  return "Front - " + Format(front, "##0.0#") + "%     Rear - " + Format(rear, "##0.0#") + "%";
}

std::string DampingWord(const std::string& code) {
  if (code == "H") return "Hard";
  if (code == "M") return "Medium";
  if (code == "S") return "Soft";
  return "None";
}

}  // namespace

void VehicleSection(ReportWriter& out) {
  out.SectionHeading("VEHICLE DATA");
  out.LabelledValueTab("Vehicle laden weight ",
                       {Format(static_cast<double>(S.ChassisWeight) * 2.204, "####0.0"),
                        " lbs  - ", Format(S.ChassisWeight, "####0.0"), " kg"});
  out.LabelledValueTab("Wheelbase ", {T(2, 1)});
  out.LabelledValueTab("Weight distribution ", {WeightDistribution()});
  out.LabelledValueTab("Vehicle Drive Configuration ", {T(2, 20)});
  out.LabelledValueTab("C.G. Height ", {T(2, 4)});
  if (S.ChassisWBL > 0) {
    out.LabelledValueTab("Wheelie bar length ", {T(2, 6)});
    out.LabelledValueTab("Wheelie bar height ", {T(2, 7)});
  } else {
    out.BoldLine("No wheelie bars");
    out.Bold(false);
  }
  out.BlankLine();

  if (S.TyreGrowthRate == 0) {
    const Single aspect = S.TyreAspect * 100;
    out.LabelledValueTab("Tyre size ", {T(3, 3), "-", Trim(Str(aspect)), " x ", T(3, 9)});
  } else {
    out.LabelledValueTab("Tyre size ", {T(3, 1), " x ", T(3, 3), " - ", T(3, 9)});
    out.LabelledValueTab("Tyre grows to ", {T(3, 6), " at ", T(3, 7)});
  }
  out.LabelledValueTab("Friction coefficient", {Format(S.TyreMu, "#0.0#")});
  out.BlankLine();

  out.LabelledValueTab("Frontal area ", {T(5, 1)});
  out.LabelledValueTab("Drag coefficient ", {Format(S.AeroCD, "0.0##")});
  out.LabelledValueTab("Lift coefficient ", {Format(S.AeroCL, "0.0##")});
  out.LabelledValueTab("Airbox efficiency ",
                       {Format(static_cast<Single>(S.AeroBoxEff * 100), "##0.0"), "%"});
  out.BlankLine();

  if (S.ChassisFTravel > 0) {
    out.LabelledValueTab("Front Suspension travel", {T(2, 8)});
    out.LabelledValueTab("Front Suspension preload", {T(2, 10)});
    out.LabelledValueTab("Front Suspension rate", {T(2, 9)});
    out.LabelledValueTab("Front Suspension damping", {DampingWord(T(2, 11))});
  } else {
    out.BoldLine("Front suspension is solid");
    out.Bold(false);
  }
  out.BlankLine();
  out.BlankLine();
}

}  // namespace kestrelon
