#include "results/channel_colours.h"

#include <algorithm>

namespace kestrelon {

int PaletteColourAt(double x, double y) {
  // A click on the far edge rounds to 256: it still belongs to the last cell.
  const int column = std::clamp<int>(CLng(x) / 64, 0, 3);
  const int row = std::clamp<int>(CLng(y) / 64, 0, 3);
  return row * 4 + column;
}

ChannelColourEdit ChannelColourEdit::From(const RunGraphDisplay& display) {
  ChannelColourEdit edit;
  edit.PendingColour = display.ChannelColour;
  edit.PendingWidth = display.ChannelWidth;
  return edit;
}

void ChannelColourEdit::PickColour(int colour) {
  if (SelectedChannel >= 1 && SelectedChannel <= GraphChannels)
    PendingColour[SelectedChannel] = static_cast<Integer>(colour);
}

void ChannelColourEdit::PickWidth(bool thick) {
  if (SelectedChannel >= 1 && SelectedChannel <= GraphChannels)
    PendingWidth[SelectedChannel] = thick ? 3 : 0;
}

void ChannelColourEdit::SetInto(RunGraphDisplay& display) const {
  for (int k = 1; k <= GraphChannels; ++k) {
    display.ChannelColour[k] = PendingColour[k];
    display.ChannelWidth[k] = PendingWidth[k];
  }
}

}  // namespace kestrelon
