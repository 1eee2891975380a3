#pragma once
// The engine's torque curves and what is derived from them: the span in use, the rev limit,
// the per-column peak summary, the column titles and entered flags, the backup of the column
// under edit, the display-unit divisors and the peak figures of the quick curve entry.

#include <array>
#include <string>

#include "core/numbers.h"
#include "core/state/vehicle_model.h"
#include "core/state/vehicle_text.h"

namespace kestrelon {

inline constexpr int CurveColumns = 3;  // 0 no nitrous, 1 first stage, 2 second stage
inline constexpr int CurveRows = 202;   // row j = j x 100 rpm; rows 0 and 201 are margins
inline constexpr int CurveTopRow = 200;

// Torque in lb-ft per column and row; 0 = no point at that speed.
using CurveTable = std::array<std::array<Single, CurveRows>, CurveColumns>;
// Per column: peak torque (lb-ft), its row, peak power (BHP), its row.
using PeakSummary = std::array<std::array<Single, 4>, CurveColumns>;

// The nitrous calculator's set-up of both stages: its figures as the run reads them (capacity,
// cylinders, efficiencies, jets, percentage, bottle pressure, base curve), its texts (group 0)
// and the stages' "Calculate Nitrous" items.
struct NitrousCalcSetUp {
  std::array<std::array<Single, NitrousStages>, 9> figures{};
  std::array<std::string, 21> texts{};
  std::array<std::string, 2> calculate{};
};

struct CurveState {
  CurveTable PowerCurve{};
  Integer MinRPMIndex = 0;    // first row in use, one span for all three columns
  Integer MaxRPMIndex = 0;    // last row in use
  Integer RevLimitIndex = 0;  // rev limiter as a row
  Integer PowerCurveIndex = 0;  // the column being entered, edited or shown
  Integer CurrentStage = 0;     // the column (nitrous stage) in use

  PeakSummary EngineSummary{};
  PeakSummary LastRunEngineSummary{};  // as of the last logged run
  Integer PowerMaxPower = 0;           // whole-number peak power of column 0, BHP

  std::array<std::string, CurveColumns> PowerDescript{};  // column titles
  std::string PowerCurveTitle;                            // title of the column under edit
  std::array<Integer, CurveColumns> CurveEntered{False, False, False};

  // The column under edit as it was when its graph opened, and the span's top then.
  std::array<Single, CurveTopRow + 1> PowerCurveBackup{};
  Integer PowerMaxRPMIndexBackup = 0;

  // What the curve graph's Cancel (CurveEntryStart, taken before the entry's peak figures) and
  // its Original (CurveGraphOpening, taken as the graph opens) put back: the curve side, the
  // inputs the graph's own commands type (the nitrous calculator's set-up of both stages), the
  // span the transmission was checked against and the flags of the sections worked out from the
  // curves. The rest of the vehicle is worked out again from what is put back, as a reopen works
  // it out. VehicleChanges counts the vehicle's changes outside the graph, so that Cancel puts the
  // flags back only where nothing else changed the vehicle meanwhile.
  struct VehicleAsFound {
    CurveTable curve{};
    Integer minRow = 0, maxRow = 0, revLimit = 0, maxPower = 0;
    PeakSummary summary{};
    std::array<std::string, CurveColumns> titles{};
    Single launchTemp = 0;
    std::array<std::string, 4> curveItems{};  // (6,1), (6,2), (8,18), (9,2)
    NitrousCalcSetUp calcSetUp;
    std::array<Integer, 2> transmissionSpan{};
    // The flags the curve's accept sets, and those of the sections worked out from the curves.
    Integer engineEntered = False;
    std::array<Integer, CurveColumns> curveEntered{};
    Integer clutchEntered = False, clutchRefused = False, nitrousEntered = False,
            transmissionEntered = False;
    Long vehicleChanges = 0;
  };
  VehicleAsFound CurveEntryStart, CurveGraphOpening;
  Long VehicleChanges = 0;
  // The curve graph is open with its edit not yet accepted or cancelled: anything that reads the
  // curve stores the edit first, and a command that replaces the curves cancels it first.
  Integer CurveGraphOpen = False;

  // Shown torque = stored torque / TorqueUnitDivisor; shown power = BHP / PowerUnitDivisor.
  // They start at 1 so that nothing divides by zero before the first entry sets them.
  Single TorqueUnitDivisor = 1.0f;
  Single PowerUnitDivisor = 1.0f;

  // Tops of the curve graph's axes, preset when a column is opened.
  Long CurvePeakValue = 0;
  Long GraphRPMTop = 0;
  Integer PowerEraseMode = 0;  // curve graph: 0 draw, otherwise erase

  // Peak figures of the quick curve entry.
  Integer ErasePower = False;
  Integer MaxPRPM = 0;  // rpm of peak power; 0 = none given
  Integer MaxTRPM = 0;  // rpm of peak torque
  Integer MinRPM = 0;   // lowest rpm of a synthesized curve
  Single MaxTRQ = 0;    // lb-ft
  Single MaxBHP = 0;
  Single LaunchTemp = 0;  // engine temperature at launch, degrees C

  // Rpm range of the curve manipulations; a load resets both.
  Integer LowRPM = 0;
  Integer HighRPM = 0;
};

}  // namespace kestrelon
