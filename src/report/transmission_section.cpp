// TRANSMISSION DATA: the clutch or converter with its engagement, the clutch's mechanical
// specification, the drive ratios and efficiency, and the gear table with the last run's
// upshift out of each gear.
#include <cmath>
#include <string>

#include "core/numbers.h"
#include "core/state.h"
#include "report/report_sections.h"
#include "simulation/gear_shift.h"

namespace kestrelon {
namespace {

std::string T(int group, int item) { return Trim(S.VehicleData[group][item]); }

void EngagementLines(ReportWriter& out) {
  out.LabelledValueTab("Initial Engagement time ",
                       {Format(S.ClutchEngageInitial, "#0.0#"), " seconds"});
  out.LabelledValueTab("Initial Engagement ",
                       {Format(static_cast<Single>(S.ClutchEngageInitialPC * 100), "##0.0#"), "%"});
  out.LabelledValueTab("Complete Engagement time ",
                       {Format(S.ClutchEngageFinal, "#0.0#"), " seconds"});
}

void ClutchBlock(ReportWriter& out) {
  const std::string& type = S.ClutchType;
  if (type == "N") {
    out.LabelledValueTab("Clutch type ", {"Conventional"});
    EngagementLines(out);
    out.LabelledValueTab("Total Torque Capacity ", {T(6, 8)});
  } else if (type == "S") {
    out.LabelledValueTab("Clutch type ", {"Slider"});
    EngagementLines(out);
    out.LabelledValueTab("Bite RPM ", {T(5, 15)});
    out.LabelledValueTab("Lockup RPM ", {T(5, 16)});
  } else if (type == "L") {
    out.LabelledValueTab("Clutch type ", {"Lockup"});
    EngagementLines(out);
    out.LabelledValueTab("Static Torque Capacity ", {T(6, 8)});
    out.LabelledValueTab("Maximum Torque Capacity ",
                         {T(6, 9), " at ", std::to_string(S.MaxRPMIndex * 100), "rpm"});
  } else {
    out.LabelledValueTab("Clutch type ", {"Torque Converter"});
    out.LabelledValueTab("Stall RPM ", {NumText(static_cast<Single>(S.BiteRPM * 100))});
    out.LabelledValueTab(
        "Converter Slip ",
        {Format(static_cast<Single>((1.0f - S.ConverterSlipComplement) * 100), "##0.0#")});
    out.LabelledValueTab("Converter Multiplication ", {Format(S.ConverterMult, "#0.0#")});
  }
}

void MechanicalSpecification(ReportWriter& out) {
  out.BlankLine();
  out.BoldLine("Clutch Mechanical Specification");
  out.BlankLine();
  out.LabelledValueTab("Number of friction plates ", {std::to_string(S.ClutchFrictions)});
  out.LabelledValueTab("Friction plate O.D. ", {T(1, 2)});
  out.LabelledValueTab("Friction plate I.D. ", {T(1, 3)});
  out.LabelledValueTab("Friction plate material ", {T(1, 4)});
  out.LabelledValueTab("Pressure plate material ", {T(6, 20)});
  out.LabelledValueTab("Friction plate thickness ", {T(5, 7)});
  out.LabelledValueTab("Pressure plate thickness ", {T(5, 8)});
  out.LabelledValueTab("Spring load at engagement ", {T(1, 5)});
  if (!T(1, 20).empty()) out.LabelledValueTab("Air gap ", {T(1, 20)});
  if (S.ClutchArms <= 0) return;
  out.LabelledValueTab("Number of arms for weights ", {std::to_string(S.ClutchArms)});
  out.LabelledValueTab("Pivot to pressure plate length ", {T(1, 8)});
  out.LabelledValueTab("Pivot to weight length ", {T(1, 9)});
  out.LabelledValueTab("P.C.D. of bob-weights ", {T(1, 10)});
  out.LabelledValueTab("Weight of each arm ", {T(1, 11)});
  out.LabelledValueTab("Total weight added to arms ", {T(1, 12)});
}

void DriveLines(ReportWriter& out) {
  if (S.TransPrimary != 1.0f)
    out.LabelledValue("Primary drive ratio", {Format(S.TransPrimary, "#0.0##"), " : 1"});
  out.LabelledValue("Final drive ratio", {Format(S.TransFinal, "#0.0##"), " : 1"});
  out.BlankLine();
  out.LabelledValue("Transmission Efficiency",
                    {Format(static_cast<Single>(S.TransEff * 100), "##0.0"), " %"});
  out.BlankLine();
}

void GearRow(ReportWriter& out, int gear) {
  const Single rows = S.GearEngagedRPM[CurrentRun][gear];
  const Single ratio = GearingWithGrowth(rows * 100, static_cast<Integer>(gear));
  const double speed = rows * 10.472 * S.RearTyreRadius / (static_cast<double>(ratio) * S.SpeedFactor);
  out.Number(gear);
  out.Tab(5);
  out.Text(Format(S.GearInternal[gear], "#0.0##"));
  out.Tab(16);
  out.Text(Format(S.GearOverall[gear], "#0.0##"));
  out.Tab(27);
  out.Text(Format(speed, "##.0#"));
  out.Tab(40);
  out.Text(std::to_string(CLng(std::floor(static_cast<double>(rows) * 100))));
  out.Tab(53);
  out.Text(Format(S.GearChange[gear], "#0.0##"));
  out.Tab(64);
  out.Text(Format(S.GearEngagedTime[CurrentRun][gear], "#0.0##"));
  out.LineEnd();
}

void GearTable(ReportWriter& out) {
  out.Bold(true);
  for (auto [column, text] : {std::pair{4, std::string("Internal")}, {15, "Overall"},
                              {26, "Shift " + S.SpeedUnit}, {39, "Shift RPM"}, {52, "Duration"},
                              {63, "Elapsed Time"}}) {
    out.Tab(column);
    out.Text(text);
  }
  out.LineEnd();
  out.Bold(false);
  out.BlankLine();
  // The gear arrays end at element 10.
  const int gears = std::min(CInt(S.GearCount), static_cast<Integer>(GearSlots - 1));
  for (int g = 1; g <= gears; ++g) GearRow(out, g);
}

}  // namespace

void TransmissionSection(ReportWriter& out) {
  out.SectionHeading("TRANSMISSION DATA");
  ClutchBlock(out);
  if (S.ClutchType != "T" && S.ClutchFrictions != 0) MechanicalSpecification(out);
  out.BlankLine();
  DriveLines(out);
  GearTable(out);
  out.BlankLine();
  out.BlankLine();
}

}  // namespace kestrelon
