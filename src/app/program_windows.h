#pragma once
// Makes every window of the program known by its form name, with the commands each subsystem
// carries out for the bar and the command-line run: the program calls it once before start-up, and tests that walk every
// window call it too.

namespace kestrelon {

void RegisterProgramWindows();

}  // namespace kestrelon
