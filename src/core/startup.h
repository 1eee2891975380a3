#pragma once
// What start-up does before the main window bar is shown. The application calls the two halves
// in order and shows the splash between them when asked to:
//
//   if (StartupBeforeSplash(commandLine)) { S.SplashDone = False; show the splash;
//                                           S.SplashDone = True; }
//   StartupAfterSplash();
//   show the main window bar.

#include "core/command_line.h"
#include "core/settings.h"

namespace kestrelon {

// Reads the settings and splits the command line (the text after the program's name). Returns
// true when the splash is to be shown: no arguments and the ShowLogo setting on.
bool StartupBeforeSplash(const CommandLineSource& commandLine,
                         const SettingsFiles& files = DefaultSettingsFiles());

// Builds the reference tables, resets the model and sets the import folder from SFDATA (else
// the data folder). Leaves CalcRequested True for the first run set-up.
void StartupAfterSplash();

}  // namespace kestrelon
