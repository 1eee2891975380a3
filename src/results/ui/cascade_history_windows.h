#pragma once
// Makes the cascade graph and the history log window known by their form names.

namespace kestrelon {

void RegisterCascadeHistoryWindows();

}  // namespace kestrelon
