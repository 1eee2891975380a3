#include "tree/space_bar.h"

namespace kestrelon {

bool SpaceBar::Press() {
  if (pendingRelease_) {  // the release was a repeat: the key is still held
    pendingRelease_.reset();
    return false;
  }
  if (held_) return false;
  held_ = true;
  return true;
}

void SpaceBar::Release(double at) {
  if (held_ && !pendingRelease_) pendingRelease_ = at;
}

std::optional<double> SpaceBar::ReleasedBy(double now) {
  if (!pendingRelease_ || now < *pendingRelease_ + RepeatGap) return std::nullopt;
  const double at = *pendingRelease_;
  Reset();
  return at;
}

std::optional<double> SpaceBar::Deadline() const {
  if (!pendingRelease_) return std::nullopt;
  return *pendingRelease_ + RepeatGap;
}

std::optional<double> SpaceBar::Leave() {
  const std::optional<double> release = pendingRelease_;
  Reset();
  return release;
}

void SpaceBar::Reset() {
  held_ = false;
  pendingRelease_.reset();
}

}  // namespace kestrelon
