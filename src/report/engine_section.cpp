// ENGINE DATA: the torque and power table of every curve column the top gear reaches, the
// peaks, the air correction, the nitrous stages, the throttle stops and the power file's note.
#include <algorithm>
#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state.h"
#include "report/report_sections.h"
#include "simulation/nitrous.h"

namespace kestrelon {
namespace {

// Column titles: the curve's own, cut to 21 characters, else the table's or the peak line's
// default.
std::string ColumnTitle(int column, bool table) {
  static const std::array<const char*, 3> tableTitles = {"    No nitrous", "First stage nitrous",
                                                         "Second stage nitrous"};
  static const std::array<const char*, 3> peakTitles = {"No nitrous", "First stage nitrous",
                                                        "Second stage nitrous"};
  const std::string own = Trim(S.PowerDescript[column]).substr(0, 21);
  if (!own.empty()) return own;
  return table ? tableTitles[column] : peakTitles[column];
}

std::string GearOrdinal(int gear) {
  static const std::array<const char*, 8> names = {"eighth", "first", "second", "third",
                                                   "fourth", "fifth", "sixth",  "seventh"};
  return gear >= 1 && gear <= 7 ? names[gear] : names[0];
}

// Torque times the row, in single precision as the curve holds it, over 52.52.
double PowerAt(int column, int row) {
  return static_cast<Single>(row * S.PowerCurve[column][row]) / 52.52;
}

void CurveLines(ReportWriter& out, int columns) {
  for (int c = 0; c <= columns; ++c) {
    out.Tab(22 * c + 14);
    out.Text(ColumnTitle(c, true));
  }
  out.Tab(3);
  out.Text("RPM");
  for (int c = 0; c <= columns; ++c) {
    out.Tab(22 * c + 15);
    out.Text("Torque");
    out.Tab(22 * c + 26);
    out.Text("Power");
  }
  out.Text(" ");
  out.LineEnd();
  for (int c = 0; c <= columns; ++c) {
    out.Tab(22 * c + 15);
    out.Text("(lb/ft)");
    out.Tab(22 * c + 26);
    out.Text("(BHP)");
  }
  out.Bold(false);
  out.Text(" ");
  out.LineEnd();
  out.BlankLine();

  for (int row = S.MinRPMIndex; row <= S.MaxRPMIndex; ++row) {
    if (row % 5 != 0 && row != S.MaxRPMIndex) continue;
    if (row < 0 || row >= CurveRows) continue;
    out.Tab(3);
    out.Text(std::to_string(row) + "00");
    for (int c = 0; c <= columns; ++c) {
      out.Tab(22 * c + 15);
      out.Text(Format(S.PowerCurve[c][row], "####0.00"));
      out.Tab(22 * c + 26);
      out.Text(Format(PowerAt(c, row), "####0.00"));
    }
  }
  out.Text(" ");
  out.LineEnd();
}

void PeakLines(ReportWriter& out, int columns) {
  for (int c = 0; c <= columns; ++c) {
    const std::string title = ColumnTitle(c, false);
    const int column = static_cast<int>(title.size()) + 30;
    const auto& peak = S.EngineSummary[c];
    out.BlankLine();
    out.Bold(true);
    out.Text("Max power (" + title + ")");
    out.Bold(false);
    out.Tab(column);
    out.Text(Format(peak[2], "###0.00"));
    out.Text(" BHP at " + NumText(peak[3]) + "00 rpm");
    out.LineEnd();
    out.Bold(true);
    out.Text("Max torque");
    out.Bold(false);
    out.Tab(column);
    out.Text(Format(peak[0], "###0.00"));
    out.Text(" lb/ft at " + NumText(peak[1]) + "00 rpm");
    out.LineEnd();
  }
}

void NitrousLines(ReportWriter& out, int stages) {
  for (int s = 1; s <= stages; ++s) {
    std::string name = Trim(S.PowerDescript[s]);
    if (name.empty()) name = s == 1 ? "First stage Nitrous" : "Second stage Nitrous";
    const int gear = s == 1 ? S.NitrousSG1 : S.NitrousSG2;
    const Single delay = s == 1 ? S.NitrousDT1 : S.NitrousDT2;
    out.Bold(true);
    out.Text(name);
    out.Bold(false);
    out.Text(" starts in " + GearOrdinal(gear) + " gear after " + Format(delay, "#0.00") +
             " seconds");
    out.LineEnd();
    const NitrousStageRecord& prog = S.NitrousStageData[s];
    if (prog.ProgStage == False) continue;
    const std::string start =
        "Progression starts with " + Format(prog.StartPower * 100, "#0.0") + " % power";
    if (prog.StartRPM <= 0) {
      out.PlainLine(start);
      out.PlainLine("            building to 100 % in " + Format(prog.ProgTime, "#0.00") +
                    " seconds");
    } else {
      out.PlainLine(start + " at " + std::to_string(prog.StartRPM * 100));
      out.PlainLine("            building to 100 % at " + std::to_string(prog.FinalRPM * 100));
    }
  }
  out.BlankLine();
  const std::string curvePressure = Trim(S.VehicleData[9][19]);
  const std::string runPressure = Trim(S.VehicleData[9][20]);
  if (!curvePressure.empty())
    out.PlainLine("Nitrous bottle pressure of " + curvePressure + " used to ascertain power curves");
  if (!runPressure.empty())
    out.PlainLine("Nitrous bottle pressure of " + runPressure + " used for the run");
  out.BlankLine();
}

void ThrottleStopLines(ReportWriter& out) {
  for (int k = 0; k < ThrottleStopStages; ++k) {
    if (!(S.TStopTimer[k] < S.ThrottleStepCount)) continue;
    out.PlainLine("At " + Format(S.TStopTimer[k], "#0.0#") + " seconds" + " throttles open to " +
                  Format(static_cast<Single>(S.TStopOpening[k] * 100), "##0.0") +
                  " % over a period of " + Format(S.TStopBuild[k], "#0.0#") + " seconds");
  }
  out.BlankLine();
}

}  // namespace

void EngineSection(ReportWriter& out) {
  const int columns = std::clamp<int>(NitrousStageAt(CInt(S.GearCount), 0), 0, CurveColumns - 1);
  out.SectionHeading("ENGINE DATA");
  CurveLines(out, columns);
  PeakLines(out, columns);

  out.BlankLine();
  out.Bold(true);
  out.Text("Horsepower correction factor  ");
  out.Bold(false);
  out.Text(Format(S.AirDensityRatio, "0.000"));
  out.LineEnd();
  out.BlankLine();

  if (columns > 0) NitrousLines(out, columns);
  if (S.UseThrottleStop != False) ThrottleStopLines(out);
  if (!S.PowerFileDescription.empty()) {
    out.PlainLine(S.PowerFileDescription);
    out.BlankLine();
  }
  out.BlankLine();
}

}  // namespace kestrelon
