#pragma once
// The colours dialog's working copies: each channel's colour and line type while the racer
// chooses them, written back to the run graph's channels only by Set.

#include <array>

#include "core/numbers.h"
#include "results/run_graph_display.h"

namespace kestrelon {

// The palette cell under a point of the 4 x 4 palette, whose scale runs 0..255 both ways:
// row x 4 + column, the colour number of that cell.
int PaletteColourAt(double x, double y);

struct ChannelColourEdit {
  std::array<Integer, GraphChannels + 1> PendingColour{};
  std::array<Integer, GraphChannels + 1> PendingWidth{};
  Integer SelectedChannel = 0;  // 1..4; 0 before the first channel is selected

  // Working copies of the run graph's channels.
  static ChannelColourEdit From(const RunGraphDisplay& display);
  // The selected channel takes colour or line type (0 thin, 3 thick).
  void PickColour(int colour);
  void PickWidth(bool thick);
  // Writes the working copies back.
  void SetInto(RunGraphDisplay& display) const;
};

}  // namespace kestrelon
