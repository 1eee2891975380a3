#pragma once
// The performance summary of the current vehicle and its last run: the title, the weather, and
// the engine, vehicle, transmission and performance sections, as one list of operations for a
// sink. Building it only reads the model, apart from recomputing the timing ticket from the
// recorded run.

#include <string>

#include "report/report_ops.h"

namespace kestrelon {

ReportOps PerformanceReport(ReportSink sink, ReportSizes sizes);

// The vehicle name the title carries. The file names the vehicle after its vehicle file when
// that file has no description (FilePerformanceData then keeps that name in VehicleName); the
// screen and the printer use VehicleName.
std::string ReportVehicleName(ReportSink sink);

}  // namespace kestrelon
