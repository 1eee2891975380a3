#pragma once
// What the run graph shows besides the global switches of the settings: the trace chosen for
// each of the four channels, the titles the options dialog lists the traces under, and each
// channel's colour and line type. The options dialog, the graph window and the colours dialog
// share them for as long as the program runs; the choices and colours travel in the settings
// packed into ProfOpts and ProfCols.

#include <array>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr int GraphChannels = 4;  // channels 1..4; element 0 unused

struct RunGraphDisplay {
  std::array<Integer, GraphChannels + 1> TraceChoice{};  // trace id per channel, 0 = none
  Integer TraceCount = 0;
  // Palette colour (0..15) and line type (0 solid, 1 dashed, 2 dotted, 3+ thick) per channel.
  std::array<Integer, GraphChannels + 1> ChannelColour{0, 2, 12, 3, 13};
  std::array<Integer, GraphChannels + 1> ChannelWidth{};
  // Trace titles as listed: the trace names, with "Time" for trace 3 on a distance axis.
  std::array<std::string, 26> TraceTitles{};
};

extern RunGraphDisplay GraphDisplay;

// The title of a trace id (1..25) as the lists show it; empty for any other id.
std::string TraceTitle(int traceId);

// Moves the chosen traces down over empty channels (0, 5, 0, 10 becomes 5, 10, 0, 0) and
// counts them into TraceCount.
void PackTraceChoices(RunGraphDisplay& display);

// Channel colours and line types from the packed setting (byte k - 1 = width x 16 + colour);
// 0 or less gives the program's own colours, all thin.
void DecodeChannelColours(Long profCols, RunGraphDisplay& display);
Long EncodeChannelColours(const RunGraphDisplay& display);

}  // namespace kestrelon
