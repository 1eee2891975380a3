#pragma once
// The four sections of the performance report, in the order the report writes them.

#include "report/report_ops.h"

namespace kestrelon {

void EngineSection(ReportWriter& out);
void VehicleSection(ReportWriter& out);
void TransmissionSection(ReportWriter& out);
void PerformanceSection(ReportWriter& out);

}  // namespace kestrelon
