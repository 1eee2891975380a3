#include "results/display_options.h"

#include <cmath>
#include <limits>

#include "core/expression.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "core/units.h"
#include "platform/ui_seam.h"

namespace kestrelon {

int OfferedTraceCount() {
  return S.ClutchPlateCalc1 == 0 ? Tbl.TraceNameTotal - 1 : Tbl.TraceNameTotal;
}

void SetTraceTitles(bool timeAxis, int offered) {
  auto& titles = GraphDisplay.TraceTitles;
  titles = {};
  for (int i = 0; i < offered && i < 25; ++i) titles[i] = Tbl.TraceNames[i];
  titles[2] = timeAxis ? "Distance Travelled" : "Time";
}

TraceSort SortTraceNames(int offered) {
  auto key = [](const std::string& title) {
    std::string k = UCase(title.substr(0, 40));
    k.resize(40, ' ');
    return k;
  };
  TraceSort sort;
  std::array<bool, 31> taken{};
  for (int k = 0; k < offered; ++k) {
    std::string best = key("ZZZZZZZZZZ");
    int owner = -1;
    for (int j = 0; j < offered; ++j) {
      if (taken[j]) continue;
      const std::string candidate = key(GraphDisplay.TraceTitles[j]);
      if (candidate < best) {
        best = candidate;
        owner = j;
      }
    }
    // A title sorting after the marker still gets a place: the first one left.
    for (int j = 0; owner < 0 && j < offered; ++j)
      if (!taken[j]) owner = j;
    sort.order[k] = static_cast<Integer>(owner);
    sort.position[owner] = static_cast<Integer>(k);
    taken[owner] = true;
  }
  return sort;
}

void DecodeTraceChoice(const std::string& stored, Long profOpts, int offered,
                       std::array<Integer, GraphChannels + 1>& choice) {
  double v = 0;
  if (HasNonNumericChar(stored) == 1) {
    const double n = RoundHalfEven(LeadingNumber(Trim(stored)));
    // A number beyond 32 bits is no trace choice this program wrote.
    if (n >= std::numeric_limits<Long>::min() && n <= std::numeric_limits<Long>::max()) v = n;
  }
  if (v == 0) v = profOpts;
  if (v <= 0) return;
  auto packed = static_cast<Long>(v);
  for (int k = 1; k <= GraphChannels; ++k) {
    const Long id = packed % 256;
    choice[k] = static_cast<Integer>(id > offered ? 0 : id);
    packed /= 256;
  }
}

void EncodeTraceChoice(const std::array<int, GraphChannels>& listTraces) {
  auto& d = GraphDisplay;
  d.TraceCount = 0;
  double packed = 0, place = 1;
  for (int k = 1; k <= GraphChannels; ++k) {
    const int trace = listTraces[k - 1];
    d.TraceChoice[k] = static_cast<Integer>(trace >= 0 ? trace + 1 : 0);
    if (trace >= 0) ++d.TraceCount;
    packed += d.TraceChoice[k] * place;
    place *= 256;
  }
  Cfg.ProfOpts = CLng(packed);
  S.VehicleData[8][9] = " " + std::to_string(Cfg.ProfOpts);
}

int MaxZoomSpin(double screenWidthTwips) {
  if (screenWidthTwips <= 0) return 100;
  return CLng((screenWidthTwips + 32767) * 100 / screenWidthTwips) / 10 * 10;
}

std::optional<Single> ParseZoom(const std::string& text, int maxPercent) {
  const double percent = LeadingNumber(Trim(text));
  if (percent == 0) return 1.0f;
  if (percent < 0 || percent > maxPercent) return std::nullopt;
  return static_cast<Single>(percent / 100);
}

void SetDisplayUnits(const std::string& units) {
  const bool metric = units == "M";
  Cfg.DUnits = metric ? "M" : "I";
  ApplyDisplayUnits(Cfg.DUnits);
  S.TorqueUnitFactor = metric ? 1.0f : 1.3567f;
  S.TorqueFactorUnit = metric ? "N/m" : "lb/ft";
}

DisplayRefusal ApplyDisplayChoice(const DisplayChoice& c, bool silent) {
  auto refuse = [silent](DisplayRefusal why, const std::string& text, const std::string& title) {
    if (!silent) ui().MsgBox(text, Msg::OKOnly | Msg::Question, title);
    return why;
  };
  EncodeTraceChoice(c.listTraces);
  if (GraphDisplay.TraceCount == 0)
    return refuse(DisplayRefusal::Traces, "You must select at least one option", "Simulation display");
  if (!c.imperial && !c.metric)
    return refuse(DisplayRefusal::Units, "You must select a unit type", "Simulation display");
  const std::string spot = Trim(c.spotText);
  Single spotDistance = 0;
  if (!spot.empty()) {
    spotDistance = ParseValueWithUnits(spot, "length");
    if (spotDistance < 0 || S.UnitsParseOK == 0)
      return refuse(DisplayRefusal::SpotDistance, "Invalid 'Spot Check' Distance" + S.UnitsErrorText,
                    "Simulation Display");
  }
  const std::optional<Single> zoom = ParseZoom(c.zoomText, c.maxZoomPercent);
  if (!zoom)
    return refuse(DisplayRefusal::Zoom,
                  "Invalid zoom factor: this screen takes at most " + std::to_string(c.maxZoomPercent) + "%",
                  "Simulation Display");

  Cfg.XAxisTime = ToFlag(!c.xDistance);
  const std::string units = c.imperial ? "I" : "M";
  S.UnitsChanged = ToFlag(Cfg.DUnits != units);
  SetDisplayUnits(units);
  S.VehicleData[4][8] = spot;
  S.SimDistance = spotDistance;
  S.GraphZoom = *zoom;
  Cfg.ShowPerfBox = ToFlag(c.perfBox);
  Cfg.ShowGridLines = ToFlag(c.gridLines);
  Cfg.ShowGearShift = ToFlag(c.gearChange);
  Cfg.AlignRollout = ToFlag(c.rollout);
  // The units, spot distance and rollout alignment are drawn by the open result windows too.
  ui().RefreshResultWindows();
  return DisplayRefusal::None;
}

}  // namespace kestrelon
