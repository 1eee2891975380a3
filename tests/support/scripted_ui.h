#pragma once
// A scripted answerer for tests: records every question the logic asks and answers from a queue.

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

class ScriptedUi : public UiSeam {
 public:
  std::vector<Asked> asked;
  std::deque<int> answers;  // answers in order; Msg::Ok once they run out
  int doEventsCalls = 0;

  int MsgBox(const std::string& text, int style, const std::string& title) override {
    asked.push_back({text, style, title});
    if (answers.empty()) return Msg::Ok;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
  void DoEvents() override { ++doEventsCalls; }
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
