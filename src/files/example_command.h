#pragma once
// File > Example: offers to save, lets the user choose one of the built-in examples, and loads
// it into an emptied model for the guided data entry.

namespace kestrelon {

// A cancelled choice leaves the vehicle, every flag and CancelFlag (0) as they were.
void FileExample();

}  // namespace kestrelon
