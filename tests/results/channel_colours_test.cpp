// Channel colours and line types: the palette cells, the working copies of the colours dialog
// and the packed setting.
#include "results/channel_colours.h"

#include "run_graph_fixture.h"

namespace kestrelon::test {
namespace {

class ChannelColours : public RunGraphTest {};

TEST_F(ChannelColours, PaletteCells) {
  struct Case {
    double x, y;
    int colour;
  } cases[] = {{10, 10, 0}, {250, 250, 15}, {80, 140, 9}, {255.6, 255.6, 15}, {63.4, 0, 0}, {64, 0, 1}};
  for (const Case& c : cases) EXPECT_EQ(PaletteColourAt(c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST_F(ChannelColours, SetChangesOnlyTheChosenChannel) {
  ChannelColourEdit edit = ChannelColourEdit::From(GraphDisplay);
  edit.SelectedChannel = 3;
  edit.PickWidth(true);
  edit.PickColour(9);
  edit.SelectedChannel = 1;  // the first channel is one to choose too
  edit.PickWidth(true);
  edit.PickColour(7);
  edit.SetInto(GraphDisplay);
  EXPECT_EQ(GraphDisplay.ChannelColour, (std::array<Integer, 5>{0, 7, 12, 9, 13}));
  EXPECT_EQ(GraphDisplay.ChannelWidth, (std::array<Integer, 5>{0, 3, 0, 3, 0}));
  // Without a selected channel nothing is picked.
  ChannelColourEdit none = ChannelColourEdit::From(GraphDisplay);
  none.PickColour(4);
  none.PickWidth(true);
  EXPECT_EQ(none.PendingColour, GraphDisplay.ChannelColour);
}

TEST_F(ChannelColours, PackedSettingRoundTrips) {
  DecodeChannelColours(0, GraphDisplay);
  EXPECT_EQ(GraphDisplay.ChannelColour, (std::array<Integer, 5>{0, 2, 12, 3, 13}));
  GraphDisplay.ChannelColour = {0, 4, 9, 0, 15};
  GraphDisplay.ChannelWidth = {0, 3, 0, 1, 2};
  const Long packed = EncodeChannelColours(GraphDisplay);
  EXPECT_EQ(packed, (2 * 16 + 15) * 16777216 + 1 * 16 * 65536 + 9 * 256 + (3 * 16 + 4));
  RunGraphDisplay decoded;
  DecodeChannelColours(packed, decoded);
  EXPECT_EQ(decoded.ChannelColour, GraphDisplay.ChannelColour);
  EXPECT_EQ(decoded.ChannelWidth, GraphDisplay.ChannelWidth);
}

}  // namespace
}  // namespace kestrelon::test
