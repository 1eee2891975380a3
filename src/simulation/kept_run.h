#pragma once
// The results of a run, kept aside while another run records or a power estimate tries its
// changes, so that the result windows can go back to them when that run does not complete or
// the changes are put back.

#include <memory>

namespace kestrelon {

class KeptRun {
 public:
  // Copies the current run's results aside: its recorded points with the settings of the last
  // completed run, its gear and wheelie records, and the rear wheel load its last step left.
  KeptRun();
  ~KeptRun();
  KeptRun(KeptRun&&) noexcept;
  KeptRun& operator=(KeptRun&&) noexcept;

  // Makes them the current run's results again, read with their settings, and works out their
  // timing ticket anew.
  void PutBack();

  struct Results;

 private:
  std::unique_ptr<Results> results_;
};

// At the end of a run that completed: notes the settings its points are read with, which the
// set-up of a later run may change before that run is kept aside.
void NoteCompletedRun();

// No results: every recorded point, gear and wheelie record of the current run 0, and no wheel
// load left from its last step.
void ClearRunResults();

// The result windows show the current run: the run graph when it is open, else its display
// options when they are open, else the display options open.
void ShowRunResults();

}  // namespace kestrelon
