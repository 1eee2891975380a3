#pragma once
// The list of open windows that the main bar shows at the foot of its Window menu.
// Windows register their caption when they load and withdraw it when they unload; the menu
// itself is rebuilt from this list only when the user next reaches the bar, so the list only
// marks itself stale when it changes.

#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

class WindowList {
 public:
  // Appends a caption that is neither blank nor listed already.
  void Add(std::string_view caption);
  // Removes the first entry equal to the caption; an unlisted caption changes nothing.
  void Remove(std::string_view caption);
  // A window renamed keeps its place: the first entry equal to `from` becomes `to`. A caption
  // unchanged changes nothing; one that cannot be listed (blank, or listed already) is withdrawn
  // as at an unload, and an unlisted `from` lists `to` as at a load.
  void Rename(std::string_view from, std::string_view to);
  // Drops later duplicates, keeping each caption's first place.
  void Cleanup();

  bool Contains(std::string_view caption) const;
  const std::vector<std::string>& Captions() const { return captions_; }

  // True while the Window menu no longer matches the list.
  bool Stale() const { return stale_; }
  void MarkStale() { stale_ = true; }
  void MarkBuilt() { stale_ = false; }

 private:
  std::vector<std::string> captions_;
  bool stale_ = true;  // the first visit to the bar builds the menu
};

// The program's one list of open window captions.
extern WindowList OpenWindows;

// What every listed window calls from its load and unload.
void windowlistAdd(std::string_view caption);
void windowlistRemove(std::string_view caption);
// What a listed window calls when its caption changes while it is loaded.
void windowlistRename(std::string_view from, std::string_view to);

}  // namespace kestrelon
