#pragma once
// The space bar as the tree needs it: one press when it goes down and one release when it comes
// up, whatever the keyboard repeats in between. A held key on X11 can arrive as release and
// press pairs that are not all marked as repeats, so a release counts only once no press has
// followed it within RepeatGap; it then counts at the moment it happened.

#include <optional>

namespace kestrelon {

class SpaceBar {
 public:
  // Longer than any keyboard repeat interval, short enough not to be seen.
  static constexpr double RepeatGap = 0.1;  // s

  // True when this press is the key going down (not a repeat of a held key).
  bool Press();
  void Release(double at);
  // The release that has proved real by now, with the time it happened.
  std::optional<double> ReleasedBy(double now);
  // When a pending release proves real.
  std::optional<double> Deadline() const;
  void Reset();
  // The keyboard went to another window: the release being confirmed, if any, counts as it is
  // (no press can follow it here now), and the bar starts afresh.
  std::optional<double> Leave();

 private:
  bool held_ = false;
  std::optional<double> pendingRelease_;
};

}  // namespace kestrelon
