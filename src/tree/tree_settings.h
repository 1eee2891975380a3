#pragma once
// Reading the practice tree's fields at Pre-Stage: the rollout, delay box and handicap times
// are checked, then every choice is kept in the settings (they are saved when the program
// ends). A refused field is named so the window can put the focus back on it.

#include <string>

namespace kestrelon {

enum class TreeField { None, Rollout, Delay, Handicap };

// What the window's fields hold when Pre-Stage is pressed.
struct TreeFields {
  std::string rollout, delay, handicap;  // as typed
  bool useDelay = false;
  bool useHandicap = false;
  int treeType = 0;  // 0 Sportsman, 1 Pro (.500), 2 Pro (.400)
  int lane = 0;      // 0 left, 1 right
};

// The settings one practice run goes by.
struct TreeRunSettings {
  int treeType = 0;
  int lane = 0;            // the user's lane; the program plays the other one
  double delayTime = 0;    // delay box, s (0 when not in use)
  double handicapTime = 0; // s, positive starts the user's tree later (0 when not in use)
  bool useHandicap = false;
  double rollout = 0;      // s
  double treeDelay = 0.5;  // last amber to green: 0.4 on the Pro (.400) tree, else 0.5
};

struct TreeFieldCheck {
  bool accepted = false;
  TreeField refused = TreeField::None;
  TreeRunSettings run;
};

// A time box's value: its leading number, with "." or "," as the decimal point, as the box
// shows it in the user's notation.
double TreeTimeValue(const std::string& text);

// Checks the fields in order (rollout, delay, handicap) and keeps them in the settings. A
// refusal shows its message (title "Practice Tree", question icon) and stops there.
TreeFieldCheck ReadTreeSettings(const TreeFields& fields);

}  // namespace kestrelon
