#pragma once
// Makes the performance listing window reachable by its form name at start-up.

namespace kestrelon {

void RegisterReportWindows();

}  // namespace kestrelon
