#pragma once
// The cascade's read-out under the pointer: the gear (chosen, or the one whose range the pointer
// is in), the engine speed, the tractive force and the road speed; or, in resistance mode, the
// resistance to motion and the power it takes at that speed.

#include <optional>
#include <string>

#include "core/numbers.h"
#include "results/cascade_scene.h"

namespace kestrelon {

struct CascadeReadout {
  Integer SelectedGear = 0;  // 0 = Auto
  bool ShowResistance = false;
  Integer ReadoutStage = 0;
  Single ReadoutTorqueFactor = 0;
  Integer ReadoutGear = 0;
  Integer ReadoutGearShown = -1;  // gear the gear label names in Auto
  Single ReadoutRatio = 0;
  Single ReadoutSpeed = 0;   // m/s
  Single ReadoutRadius = 0;  // m
  Single ReadoutRow = 0;     // engine rpm / 100
};

// Texts for the four labels; a label left empty keeps what it shows.
struct ReadoutTexts {
  std::optional<std::string> Gear, RPM, Force, Speed;
};

// Chooses the read-out gear (0 = Auto) and leaves resistance mode; gives the gear label's text.
std::string SelectReadoutGear(CascadeReadout& r, const CascadeScene& scene, int index);
// Resistance mode; gives the gear label's text.
std::string SelectReadoutResistance(CascadeReadout& r);
// Recomputes the torque factor for the present ratio in the scene's units.
void RefreshReadoutFactor(CascadeReadout& r, const CascadeScene& scene);

// The read-out at plot x (clamped to the plot).
ReadoutTexts PointerReadout(CascadeReadout& r, const CascadeScene& scene, double x, bool showGradient);

}  // namespace kestrelon
