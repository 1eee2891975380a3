#pragma once
// The results of a run, kept aside while another run records or a power estimate tries its
// changes, so that the result windows can go back to them when that run does not complete or
// the changes are put back.

#include <memory>

namespace kestrelon {

class KeptRun {
 public:
  // Copies the current run's results aside: its recorded points with the settings they were
  // recorded with, its gear and wheelie records, and the rear wheel load its last step left.
  KeptRun();
  ~KeptRun();
  KeptRun(KeptRun&&) noexcept;
  KeptRun& operator=(KeptRun&&) noexcept;

  // Makes them the current run's results again, read with their own settings, and works out
  // their timing ticket anew. The set-up for the next run stays as it was last stored.
  void PutBack();

  struct Results;

 private:
  std::unique_ptr<Results> results_;
};

// No results: every recorded point, gear and wheelie record of the current run 0, and no wheel
// load left from its last step.
void ClearRunResults();

// The result windows show the current run: the open listing, cascade and history log draw it
// anew, and the run graph shows it (ShowRunInGraph).
void ShowRunResults();

// The run graph shows the current run: the graph when it is open, else its display options when
// they are open, else the display options open. Each attempt of the power estimate shows its run
// only there; the other result windows wait for the search's end.
void ShowRunInGraph();

}  // namespace kestrelon
