#pragma once
// The shared model state: one object that the data forms write and the run, graphs and report
// read. Each topic keeps its fields in its own header; default member initializers are the
// start-up values, so `S = SharedState{}` gives the state the program starts with.
// Settings and reference tables live apart (settings.h, tables.h) and survive such a reset.

#include "core/state/app_state.h"
#include "core/state/baseline_state.h"
#include "core/state/curve_state.h"
#include "core/state/run_state.h"
#include "core/state/vehicle_model.h"
#include "core/state/vehicle_text.h"

namespace kestrelon {

struct SharedState : AppState, VehicleTextState, VehicleModel, CurveState, RunState,
                     BaselineState {};

extern SharedState S;

}  // namespace kestrelon
