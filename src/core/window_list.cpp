#include "core/window_list.h"

#include <algorithm>

#include "core/numbers.h"

namespace kestrelon {

WindowList OpenWindows;

void WindowList::Add(std::string_view caption) {
  if (Trim(caption).empty() || Contains(caption)) return;
  captions_.emplace_back(caption);
  stale_ = true;
}

void WindowList::Remove(std::string_view caption) {
  auto it = std::find(captions_.begin(), captions_.end(), caption);
  if (it == captions_.end()) return;
  captions_.erase(it);
  stale_ = true;
}

void WindowList::Rename(std::string_view from, std::string_view to) {
  if (from == to) return;
  auto it = std::find(captions_.begin(), captions_.end(), from);
  if (it == captions_.end() || Trim(to).empty() || Contains(to)) {
    Remove(from);
    Add(to);
    return;
  }
  *it = to;
  stale_ = true;
}

void WindowList::Cleanup() {
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    for (std::size_t j = captions_.size() - 1; j > i; --j) {
      if (captions_[j] == captions_[i]) {
        captions_.erase(captions_.begin() + static_cast<std::ptrdiff_t>(j));
        stale_ = true;
      }
    }
  }
}

bool WindowList::Contains(std::string_view caption) const {
  return std::find(captions_.begin(), captions_.end(), caption) != captions_.end();
}

void windowlistAdd(std::string_view caption) { OpenWindows.Add(caption); }
void windowlistRemove(std::string_view caption) { OpenWindows.Remove(caption); }
void windowlistRename(std::string_view from, std::string_view to) { OpenWindows.Rename(from, to); }

}  // namespace kestrelon
