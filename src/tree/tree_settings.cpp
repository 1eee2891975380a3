#include "tree/tree_settings.h"

#include <cmath>

#include "core/numbers.h"
#include "core/settings.h"
#include "platform/ui_seam.h"

namespace kestrelon {
namespace {

TreeFieldCheck Refuse(const char* message, TreeField field) {
  ui().MsgBox(message, Msg::OKOnly | Msg::Question, "Practice Tree");
  TreeFieldCheck check;
  check.refused = field;
  return check;
}

}  // namespace

double TreeTimeValue(const std::string& text) {
  std::string s = text;
  if (s.find('.') == std::string::npos) {
    const auto comma = s.find(',');
    if (comma != std::string::npos) s[comma] = '.';
  }
  return LeadingNumber(s);
}

TreeFieldCheck ReadTreeSettings(const TreeFields& fields) {
  const Single rollout = static_cast<Single>(TreeTimeValue(fields.rollout));
  if (rollout < 0) return Refuse("Cannot have a negative rollout time", TreeField::Rollout);
  if (rollout > 1) return Refuse("Rollout time too long", TreeField::Rollout);

  const Single delay = static_cast<Single>(TreeTimeValue(fields.delay));
  if (delay < 0) return Refuse("Cannot have a negative delay", TreeField::Delay);
  if (delay > 20) return Refuse("Delay time too long", TreeField::Delay);
  Cfg.DelayTime = delay;

  const Single handicap = static_cast<Single>(TreeTimeValue(fields.handicap));
  if (std::fabs(handicap) > 20) return Refuse("Handicap time is too long", TreeField::Handicap);
  Cfg.HandicapTime = handicap;

  Cfg.UseDelay = ToFlag(fields.useDelay);
  if (!fields.useDelay) Cfg.DelayTime = 0;
  Cfg.UseHandicap = ToFlag(fields.useHandicap);
  if (!fields.useHandicap) Cfg.HandicapTime = 0;
  Cfg.TreeType = static_cast<Integer>(fields.treeType == 0 ? 0 : fields.treeType == 1 ? 1 : 2);
  Cfg.LanePointer = static_cast<Integer>(fields.lane == 0 ? 0 : 1);

  TreeFieldCheck check;
  check.accepted = true;
  check.run.treeType = Cfg.TreeType;
  check.run.lane = Cfg.LanePointer;
  check.run.delayTime = Cfg.DelayTime;
  check.run.handicapTime = Cfg.HandicapTime;
  check.run.useHandicap = fields.useHandicap;
  check.run.rollout = rollout;
  check.run.treeDelay = Cfg.TreeType == 2 ? 0.4 : 0.5;
  return check;
}

}  // namespace kestrelon
