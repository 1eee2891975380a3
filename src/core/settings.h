#pragma once
// The user's preferences, kept from one run of the program to the next: window places and
// fonts, units, run graph switches, data folders, the practice tree options, the last files
// and the splash. Read once at start-up and written once at exit; in between each lives only in
// its field here, named like its key. The defaults below are the values of keys found nowhere.
//
// The per-user store is the INI file <config folder>/Kestrelon/Kestrelon.ini, section [Data];
// every value is text and Booleans are "1" and "0". A KESTR.INI file (section [Kestrelon]) beside
// the program, else in the user's Kestrelon config folder, gives first values to keys the store
// lacks; nothing writes it.

#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "platform/ini_file.h"
#include "platform/whole_file.h"

namespace kestrelon {

struct Settings {
  // History window font; the texts read "unknown" until the window stores its own.
  std::string HistFontName = "unknown";
  Integer HistFontBold = True;
  Integer HistFontUnderline = True;
  std::string HistColor = "unknown";
  std::string HistFontSize = "unknown";
  Integer HistFontItalic = True;
  Integer HistFontStrikeThru = True;

  // Window places and sizes in twips, -1 = not set; window states 0 normal, 2 maximised.
  Long HistTop = -1, HistLeft = -1, HistWidth = -1, HistHeight = -1;
  Long DispTop = -1, DispLeft = -1;
  Long GraphCascadeTop = -1, GraphCascadeLeft = -1, GraphCascadeWidth = -1,
       GraphCascadeHeight = -1;
  Long GraphCascadeState = 0;
  Long GraphPowerTop = -1, GraphPowerLeft = -1, GraphPowerWidth = -1, GraphPowerHeight = -1;
  Integer GraphPowerState = 0;
  Long GraphDynTop = -1, GraphDynLeft = -1, GraphDynWidth = -1, GraphDynHeight = -1;
  Long GraphDynState = 0;

  // Listing window.
  std::string ListFontName = "unknown";
  std::string ListColor = "unknown";
  std::string ListFontSize = "unknown";
  Integer ListFontItalic = True;
  Long ListTop = -1, ListLeft = -1, ListWidth = -1, ListHeight = -1;

  std::string PUnits = "I";  // power units: "I" BHP and lb-ft, "M" KW and N-m
  std::string DUnits = "I";  // display units: "I" imperial, "M" metric

  // Run graph.
  Integer ShowPerfBox = True;
  Integer ShowGearShift = True;
  Integer ShowGridLines = True;
  Integer AlignRollout = True;
  Long ProfOpts = 0;  // the four chosen traces, packed
  Long ProfCols = 0;  // trace colour choice

  std::string DataPath;    // vehicle data folder, "/" at the end unless empty
  std::string EADataPath;  // Engine Analyser export folder
  Integer XAxisTime = True;

  // Practice tree.
  Single DelayTime = 0;     // s
  Single HandicapTime = 0;  // s
  Integer UseDelay = False;
  Integer UseHandicap = False;
  Integer LanePointer = 0;
  Integer TreeType = 0;
  Integer LightType = 0;

  // Desktop window metrics in pixels: frame allowances of the resizable windows.
  Long BorderWidth = 3;
  Long MenuHeight = 24;
  Long CaptionHeight = 24;

  Integer HistoryLog = True;
  Integer ShowToolTips = True;
  std::string LastChassis;
  std::string LastPower;
  Integer ShowLogo = True;
  std::string SplashImage;  // empty = the built-in picture
  Integer DebugMode = False;  // from the key "Debug", read only
  // Why the store, or else KESTR.INI while the store lacked a key it would give, could not be
  // read at start (the system's error number), else 0; and the file. The store is then not
  // written at exit: the racer's settings are never replaced by the defaults read instead.
  int StoreReadError = 0;
  std::string StoreReadFile;

  bool operator==(const Settings&) const = default;
};

extern Settings Cfg;

// Where the settings are read and written.
struct SettingsFiles {
  std::string Store;                   // the per-user store, read and written
  std::vector<std::string> Fallbacks;  // KESTR.INI candidates, first existing one is read
  std::size_t MostBytes = MostFileBytes;  // the largest file read or written
};

// The store in the user's config folder; KESTR.INI beside the program, then in that folder.
SettingsFiles DefaultSettingsFiles();

// Reads single settings: the store first, then KESTR.INI, then the default.
class SettingsStore {
 public:
  explicit SettingsStore(const SettingsFiles& files);

  // The stored text, even when empty; else the KESTR.INI text when not empty (at most 254
  // characters); else the default. A value that is exactly the absent marker counts as absent.
  std::string ReadSetting(std::string_view key, std::string_view defaultText) const;
  // True (-1) or False (0). A value of 2, or one that is not a number, counts as absent; a key
  // found nowhere is True.
  Integer ReadSettingBool(std::string_view key) const;
  // Why the store could not be read; else why KESTR.INI could not be read while the store
  // lacks a key the exit writes (KESTR.INI would give it); else 0. Either gives defaults that
  // the store, once written, would keep in front of what the racer had. Once the store holds
  // every key, KESTR.INI gives nothing the exit writes.
  int StoreReadError() const;
  // The file StoreReadError is about.
  const std::string& StoreReadFile() const { return store_.ReadError() ? storePath_ : fallbackPath_; }

 private:
  std::string storePath_, fallbackPath_;
  IniFile store_;
  IniFile fallback_;
};

// Fills every field of Cfg from the settings.
void LoadSettings(const SettingsFiles& files = DefaultSettingsFiles());
// Writes every key except Debug to the store, making its missing folders for the user alone.
// Not ok when the store could not be written (it would pass the bound, EFBIG, among others), or
// is there but could not be read now or at start (the old store is then left as it was), or when
// there is no folder to keep it in. The description then names the file after the reason.
FileWriteResult SaveSettings(const SettingsFiles& files = DefaultSettingsFiles());

}  // namespace kestrelon
