// PERFORMANCE DATA: the speed-step table and the timing ticket of the last run, with the spot
// distance placed among the marks by its distance, and the launch speed and staging distance that
// run was set up with (a set-up stored since, by a run that did not complete, is not shown).
#include <cmath>
#include <string>

#include "core/numbers.h"
#include "core/state.h"
#include "report/report_sections.h"
#include "report/speed_steps.h"
#include "simulation/timing_points.h"

namespace kestrelon {
namespace {

void StepRows(ReportWriter& out) {
  for (const SpeedStep& row : SpeedSteps()) {
    out.Tab(1);
    out.Text("0 - " + std::to_string(row.step));
    out.Tab(16);
    out.Text(Format(row.time, "#0.000"));
    out.Tab(31);
    out.Text(Format(static_cast<Single>(row.distance * S.LengthFactor), "####0.0"));
    out.Tab(46);
    out.Text(std::to_string(CLng(std::trunc(row.engineRows * 100.0))));
    out.Tab(61);
    out.Text(Format(row.acceleration / S.Gravity, "#0.00#"));
  }
  out.Text(" ");
  out.LineEnd();
  out.BlankLine();
}

void TimingLine(ReportWriter& out, std::initializer_list<std::string> label, Single time,
                Single speed) {
  out.Bold(true);
  for (const std::string& text : label) out.Text(text);
  out.Tab(20);
  out.Bold(false);
  out.Text(Format(time, "#0.000"));
  out.Text(" seconds at ");
  out.Text(Format(speed, "##0.00"));
  out.Text(" " + S.SpeedUnit);
  out.LineEnd();
}

// Where the spot distance stands among the marks: 1 before "60 ft" .. 5 after "1/4 mile";
// 0 without a spot distance.
int SpotSlot() {
  if (!(S.SimDistance > 0)) return 0;
  const Single fpu = S.FeetPerUnit;
  const Single marks[] = {60 / fpu, 330 / fpu, 660 / fpu, 1320 / fpu};
  int slot = 1;
  for (Single mark : marks)
    if (S.SimDistance >= mark) ++slot;
  return slot;
}

void TimingLines(ReportWriter& out) {
  const int slot = SpotSlot();
  const std::string spot =
      std::to_string(CInt(static_cast<Single>(S.SimDistance * S.LengthFactor)));
  auto spotLine = [&](int here) {
    if (slot == here) TimingLine(out, {spot, " ", S.LengthUnit}, S.TimeSimDistance, S.SpeedSimDistance);
  };
  spotLine(1);
  TimingLine(out, {"60 ft"}, S.Time60ft, S.Speed60ft);
  spotLine(2);
  TimingLine(out, {"330 ft"}, S.Time330ft, S.Speed330ft);
  spotLine(3);
  TimingLine(out, {"1/8 mile"}, S.Time660ft, S.Speed660ft);
  spotLine(4);
  TimingLine(out, {"1/4 mile"}, S.Time1320ft, S.Speed1320ft);
  spotLine(5);
}

}  // namespace

void PerformanceSection(ReportWriter& out) {
  out.Bold(true);
  out.Underline(true);
  out.Text("PERFORMANCE DATA");
  out.LineEnd();
  out.Underline(false);
  CalcTimingPoints();
  out.BlankLine();

  out.Text(S.SpeedUnit);
  out.Tab(14);
  out.Text("seconds");
  out.Tab(29);
  out.Text("Distance (" + S.LengthUnit + ")");
  out.Tab(44);
  out.Text("Engine RPM");
  out.Tab(59);
  out.Text("Acceleration (g)");
  out.LineEnd();
  out.Bold(false);
  out.BlankLine();
  StepRows(out);

  const bool staged = S.RecordedWith.LaunchStage != 0;
  if (staged)
    out.LabelledValueTab("Rollout", {Format(S.RunRolloutTime, "#0.000"), " seconds"}, 20);
  TimingLines(out);
  out.BlankLine();
  out.LabelledValueTab("Launch RPM ", {std::to_string(static_cast<Integer>(S.RecordedWith.LaunchRPM * 100))}, 20);
  if (staged) {
    out.BlankLine();
    out.LabelledValueTab("Rollout ", {Trim(S.RecordedWith.LaunchStageText)}, 20);
  }
  if (out.sink() != ReportSink::Printer) {
    out.EmptyLine();
    out.PlainLine("End of performance data");
  }
}

}  // namespace kestrelon
