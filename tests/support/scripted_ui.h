#pragma once
// Scripted answerers for tests: they record every question the logic asks and answer from a queue.

#include <deque>
#include <string>
#include <vector>

#include "platform/ui_seam.h"

namespace kestrelon::test {

struct Asked {
  std::string text;
  int style = 0;
  std::string title;
};

// Records every message box asked and answers from a queue (Msg::Ok once it runs out).
template <typename Base>
class RecordingUi : public Base {
 public:
  std::vector<Asked> asked;
  std::deque<int> answers;

  int MsgBox(const std::string& text, int style, const std::string& title) override {
    asked.push_back({text, style, title});
    if (answers.empty()) return Msg::Ok;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
};

// For logic tests: no windows at all; the redraws of the result windows asked for are counted.
class ScriptedUi : public RecordingUi<UiSeam> {
 public:
  int doEventsCalls = 0;
  int resultRedraws = 0;
  void DoEvents() override { ++doEventsCalls; }
  void RefreshResultWindows() override { ++resultRedraws; }
};

// Installs a seam for the lifetime of the guard.
class ScopedUi {
 public:
  explicit ScopedUi(UiSeam& seam) : previous_(setUi(&seam)) {}
  ~ScopedUi() { setUi(previous_); }
  ScopedUi(const ScopedUi&) = delete;
  ScopedUi& operator=(const ScopedUi&) = delete;

 private:
  UiSeam* previous_;
};

}  // namespace kestrelon::test
