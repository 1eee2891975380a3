#pragma once
// What the estimate's results window shows: the racer's ticket beside the last run's, with the
// error of each figure, and each quantity the search could change before and after.

#include <array>
#include <string>

namespace kestrelon {

// One figure of the ticket: the racer's target ("Actual"), the last run's figure ("Estimated")
// and the error in percent, outside the tolerance when above EstError. Actual and error are
// empty without a target.
struct EstimateTicketRow {
  std::string actual, estimated, error;
  bool outside = false;
};

enum EstimateTicketFigure { Row60t, Row330t, Row660t, Row660v, Row1320t, Row1320v, TicketRows };

// One restore row: enabled when the search could change the quantity; its value then before
// the search and now.
struct EstimateRestoreRow {
  bool enabled = false;
  std::string original, estimated;
};

enum EstimateRestoreQuantity { RestoreDrag, RestoreGrip, RestorePower, RestoreGearing, RestoreRows };

struct EstimateResults {
  std::array<EstimateTicketRow, TicketRows> ticket;
  std::array<EstimateRestoreRow, RestoreRows> restore;
};

// The results of the search just ended, from the estimate state, the last run's timing results
// and the model.
EstimateResults EstimateResultTexts();

}  // namespace kestrelon
