#include "tree/tree_lights.h"

namespace kestrelon {
namespace {

constexpr std::array<BulbPlace, TreeBulbCount> Places{{
    {372, {960, 2760}, 360},    // Prestage1
    {372, {1440, 2280}, 360},   // Prestage2
    {372, {960, 2760}, 960},    // Stage1
    {372, {1440, 2280}, 960},   // Stage2
    {732, {1080, 2280}, 1560},  // Amber1
    {732, {1080, 2280}, 2400},  // Amber2
    {732, {1080, 2280}, 3240},  // Amber3
    {732, {1080, 2280}, 4080},  // Green
    {732, {1080, 2280}, 4920},  // Red
}};

}  // namespace

const BulbPlace& PlaceOf(TreeBulb bulb) { return Places[static_cast<int>(bulb)]; }

// The day lights are the pale variants; evening and night use the pure ones and differ only in
// the background.
TreeColours LightColours(int lightType) {
  switch (lightType) {
    case 1: return {Rgb(0xFF, 0xFF, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0x00, 0x00), Rgb(0x80, 0xFF, 0xFF)};
    case 2: return {Rgb(0xFF, 0xFF, 0x00), Rgb(0x00, 0xFF, 0x00), Rgb(0xFF, 0x00, 0x00), Rgb(0x00, 0x00, 0x00)};
    default: return {Rgb(0xFF, 0xFF, 0x80), Rgb(0x00, 0xFF, 0x80), Rgb(0xFF, 0x00, 0x80), Rgb(0xFF, 0xFF, 0xFF)};
  }
}

Color BulbColour(const TreeColours& colours, TreeBulb bulb) {
  if (bulb == TreeBulb::Green) return colours.green;
  if (bulb == TreeBulb::Red) return colours.red;
  return colours.amber;
}

}  // namespace kestrelon
