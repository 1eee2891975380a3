#include "report/performance_report.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <optional>

#include "core/numbers.h"
#include "core/state.h"
#include "entry/aero_calc.h"
#include "platform/windows_1252.h"
#include "report/report_sections.h"

namespace kestrelon {
namespace {

// The file's name without its folder; empty when there is no such file, nothing when the
// look-up itself failed.
std::optional<std::string> ListedFileName(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0)
    return errno == ENOENT || errno == ENOTDIR ? std::optional<std::string>("") : std::nullopt;
  if (!S_ISREG(st.st_mode)) return std::string();
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WindText() {
  const std::string typed = Trim(S.VehicleData[4][6]);
  if (!typed.empty()) return typed;
  return Trim(Str(static_cast<Single>(std::fabs(S.AeroSpeed) / S.SpeedFactor))) + " " +
         S.SpeedUnit;
}

std::string WindDirectionText() {
  std::string direction = S.AeroSpeed < 0 ? " tailwind" : " headwind";
  // Read as the aerodynamics form reads it, so the report names the angle the run used.
  const double degrees = WindDirectionDegrees(S.VehicleData[5][12]);
  if (degrees != 0) {
    // The remainder keeps the sign of the angle; taken on the whole number itself so a typed
    // angle of any size gives its direction.
    const double turn = std::fmod(RoundHalfEven(degrees), 360.0);
    direction += " at " + std::to_string(CLng(turn)) + " degrees";
  }
  return direction;
}

void AmbientLines(ReportWriter& out) {
  const bool standard = S.StandardDay != False;
  const std::string temperature = standard ? "15.5C (59.9F)" : Trim(S.VehicleData[6][4]);
  const std::string pressure = standard ? "1014mb (29.92in Hg)" : Trim(S.VehicleData[6][3]);
  const std::string altitude = standard ? "Sea level" : Trim(S.VehicleData[5][11]);
  const std::string humidity = standard ? "0" : Trim(S.VehicleData[5][10]);
  if (!temperature.empty()) out.LabelledValue("Ambient temperature", {temperature});
  if (!pressure.empty()) out.LabelledValue("Atmospheric pressure", {pressure});
  if (!altitude.empty()) out.LabelledValue("Altitude", {altitude});
  if (!humidity.empty()) out.LabelledValue("Relative Humidity", {humidity + "%"});
}

}  // namespace

std::string ReportVehicleName(ReportSink sink) {
  if (sink != ReportSink::File) return S.VehicleName;
  if (!S.VehicleFileDescription.empty() || S.VehicleFileName.empty()) return {};
  const std::optional<std::string> listed = ListedFileName(S.VehicleFileName);
  if (!listed) return S.VehicleName;
  const std::string name = PathText(*listed);
  const auto dot = name.find('.');
  return dot != std::string::npos && dot > 0 ? name.substr(0, dot) : name;
}

ReportOps PerformanceReport(ReportSink sink, ReportSizes sizes) {
  ReportWriter out(sink, sizes);
  if (sink != ReportSink::File) out.Size(sizes.base);
  const std::string wind = WindText();
  const std::string direction = WindDirectionText();
  const std::string name = ReportVehicleName(sink);

  out.BlankLine();
  out.TitleLine(name.empty() ? "PERFORMANCE DATA" : "PERFORMANCE DATA FOR " + UCase(name));
  out.BlankLine();
  if (!S.VehicleFileDescription.empty()) {
    out.PlainLine(S.VehicleFileDescription);
    out.BlankLine();
  }
  AmbientLines(out);
  out.LabelledValue("Wind conditions", {wind + direction});
  out.BlankLine();
  out.BlankLine();

  EngineSection(out);
  VehicleSection(out);
  TransmissionSection(out);
  PerformanceSection(out);
  return out.take();
}

}  // namespace kestrelon
