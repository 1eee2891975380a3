#pragma once
// The practice tree's bulbs: where each one sits on the tree picture and the colours the light
// type gives them. A lit bulb is filled with its colour; an unlit one shows only its rim, with
// the background through it.

#include <array>

#include "platform/canvas.h"

namespace kestrelon {

enum class TreeBulb { Prestage1, Prestage2, Stage1, Stage2, Amber1, Amber2, Amber3, Green, Red };
inline constexpr int TreeBulbCount = 9;

// The tree picture, in twips.
inline constexpr int TreePicWidth = 3972;
inline constexpr int TreePicHeight = 6372;

struct BulbPlace {
  int diameter;  // twips
  int left[2];   // top-left corner per lane (0 left, 1 right), twips
  int top;
};

// Place of a bulb in the tree picture.
const BulbPlace& PlaceOf(TreeBulb bulb);

struct TreeColours {
  Color amber;  // pre-stage, stage and amber bulbs
  Color green;
  Color red;
  Color background;
};

// Colours of light type 0 (day), 1 (evening) or 2 (night); other numbers give the day's.
TreeColours LightColours(int lightType);
Color BulbColour(const TreeColours& colours, TreeBulb bulb);

}  // namespace kestrelon
