#pragma once
// The File menu's commands that bring a vehicle in or save it: New, Open Complete Vehicle,
// Open Chassis, Open Power file and Save. Each ends with CancelFlag 0; one whose data entry
// was cancelled first runs File > Exit, which asks the exit question.

#include <string>

namespace kestrelon {

void FileNew();

// Open Complete Vehicle: asks for the pair, or, with both paths given (the command-line run),
// loads them without asking. True when both files were read and handed to the data entry.
bool FileVehicle(const std::string& chassisPath = {}, const std::string& enginePath = {});

void FileChassis();
void FilePowerVCAL();
void FileSave();

}  // namespace kestrelon
