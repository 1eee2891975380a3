#pragma once
// The wheels and tyres section: the form's texts by item, the tyre diameter worked out from the
// width, aspect ratio and rim, what the OK accepts, and the tyre figures derived from it (radius,
// growth rate, wheel inertias, stiffness, heat mass).

#include <array>
#include <string>

#include "entry/field_reading.h"

namespace kestrelon {

// The fields, numbered as their items (3, n) of the vehicle texts.
enum TyreField {
  TyreDiaItem = 1,
  TyreAspectItem,
  TyreWidthItem,
  TyreMuItem,
  TyrePressItem,
  TyreGrowthDiaItem,
  TyreGrowthSpeedItem,
  TyreNumItem,
  TyreWDiaItem,
  TyreWeightItem,
  TyreFDiaItem,
  TyreFWidthItem,
  TyreFAspectItem,
  TyreFPressItem,
  TyreFWeightItem,
  TyreFTorqueItem,
  FTyreMuItem,
  FTyreNumItem,
  TyreStartTempItem,
};
inline constexpr int TyreItems = 19;

// What the tyre form shows: Text[n] is the box of item (3, n).
struct TyreEntry {
  std::array<std::string, TyreItems + 1> Text{};
};

// Tyre diameter from its width and aspect ratio (a fraction) on a rim of the given diameter.
Single AspectTyreDiameter(Single width, Single aspect, Single rim);
// A diameter as the static-diameter box shows it: "681.0mm" metric, "26.81in" otherwise.
std::string TyreDiameterText(Single metres);

// The load: every box from the vehicle texts, an empty burnout temperature shown as "70c" (the
// OK stores it).
void LoadTyre(TyreEntry& entry);
// Writes the diameter derived from aspect ratio, width and rim into the static-diameter box,
// when all three are given; otherwise leaves it.
void RecalcTyreDiameter(TyreEntry& entry);

// The OK's checks in order; on acceptance the model, the derived figures, each gear's tyre
// growth speed and the texts.
Verdict AcceptTyre(TyreEntry& entry);

}  // namespace kestrelon
