#pragma once
// File > Reload Baseline Data: puts back the vehicle texts and engine curves stored with the
// baseline run and lets the data forms accept them again.

namespace kestrelon {

void FileBaseline();

}  // namespace kestrelon
