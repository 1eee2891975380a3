#pragma once
// What the display options dialog does apart from its controls: the sorted trace lists, the
// trace choice read from and written to the vehicle texts, the zoom text, and the Display
// command's checks and settings.

#include <array>
#include <optional>
#include <string>

#include "core/numbers.h"
#include "results/run_graph_display.h"

namespace kestrelon {

// The traces offered: all 25, or 24 without a clutch plate calculation ("Clutch temperature"
// is then not offered).
int OfferedTraceCount();

// Trace titles with trace 3 named for the X axis: "Distance Travelled" on a time axis, "Time"
// on a distance axis.
void SetTraceTitles(bool timeAxis, int offered);

// List position -> trace index (0-based) and back, by title compared without regard to case
// and padded with blanks to 40 characters.
struct TraceSort {
  std::array<Integer, 31> order{};
  std::array<Integer, 31> position{};
};
TraceSort SortTraceNames(int offered);

// The trace choice kept in the vehicle texts (item (8, 9), " 513" style) or, without one, the
// settings' ProfOpts; ids beyond the offered traces read as none. Without a usable number the
// choice stays as it is.
void DecodeTraceChoice(const std::string& stored, Long profOpts, int offered,
                       std::array<Integer, GraphChannels + 1>& choice);

// The choice of the four lists (trace index per list, -1 for "(none)") into TraceChoice,
// TraceCount, ProfOpts and item (8, 9).
void EncodeTraceChoice(const std::array<int, GraphChannels>& listTraces);

// The largest zoom, in per cent, the spinner offers on a screen this many twips wide.
int MaxZoomSpin(double screenWidthTwips);

// The zoom factor of a typed zoom text, the per cent over 100: a leading number of 0 (or none)
// is 100 %; a negative one, or one above the spinner's limit, is refused.
std::optional<Single> ParseZoom(const std::string& text, int maxPercent);

// The dialog's state as the Display command reads it.
struct DisplayChoice {
  std::array<int, GraphChannels> listTraces{-1, -1, -1, -1};
  bool xDistance = false;
  bool imperial = true;
  bool metric = false;
  std::string spotText;
  std::string zoomText;
  int maxZoomPercent = 370;
  bool perfBox = true, gridLines = true, gearChange = true, rollout = true;
};

// The control Display puts the focus on after a refusal.
enum class DisplayRefusal { None, Traces, Units, SpotDistance, Zoom };

// Display: stores the trace choice, then checks the units, the spot distance and the zoom
// and, when all pass, applies them with the X axis and the switches and asks the open result
// windows to redraw. A refusal is told with a message unless `silent` (the dialog applying
// itself after a run).
DisplayRefusal ApplyDisplayChoice(const DisplayChoice& choice, bool silent);

// Sets the display unit labels and factors of "I" or "M".
void SetDisplayUnits(const std::string& units);

}  // namespace kestrelon
