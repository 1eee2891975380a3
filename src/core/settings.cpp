#include "core/settings.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>
#include <type_traits>
#include <variant>

#include "core/expression.h"
#include "platform/paths.h"
#include "platform/windows_1252.h"

namespace kestrelon {

Settings Cfg;

namespace {

constexpr std::string_view StoreSection = "Data";
constexpr std::string_view FallbackSection = "Kestrelon";
// Passed as the default of every text read, so that an absent key can be told from an empty one.
constexpr std::string_view AbsentMarker = "zXcVbNm";
constexpr std::size_t FallbackTextLimit = 254;

// How a key's text becomes its field.
enum class Kind {
  Text,         // as read
  Folder,       // as read, "Error" read as empty; written trimmed
  Boolean,      // ReadSettingBool; written "1" or "0"
  Whole,        // nearest whole number, halves to even
  LeadingWhole, // the number the text begins with, made whole
  Number,       // a number with "." or "," as the decimal point; written with its pattern
  BooleanText,  // minus the number in the text; written "1" or "0"
};

using Field = std::variant<std::string Settings::*, Integer Settings::*, Long Settings::*,
                           Single Settings::*>;

struct Key {
  const char* name;
  Kind kind;
  const char* defaultText;  // for the kinds read with ReadSetting
  Field field;
  const char* pattern = "";  // Number: how it is written
};

// Every key, in the order it is read.
const Key Keys[] = {
    {"HistFontName", Kind::Text, "unknown", &Settings::HistFontName},
    {"HistFontBold", Kind::Boolean, "", &Settings::HistFontBold},
    {"HistFontUnderline", Kind::Boolean, "", &Settings::HistFontUnderline},
    {"HistColor", Kind::Text, "unknown", &Settings::HistColor},
    {"HistFontSize", Kind::Text, "unknown", &Settings::HistFontSize},
    {"HistFontItalic", Kind::Boolean, "", &Settings::HistFontItalic},
    {"HistFontStrikeThru", Kind::Boolean, "", &Settings::HistFontStrikeThru},
    {"HistTop", Kind::Whole, "-1", &Settings::HistTop},
    {"HistLeft", Kind::Whole, "-1", &Settings::HistLeft},
    {"HistWidth", Kind::Whole, "-1", &Settings::HistWidth},
    {"HistHeight", Kind::Whole, "-1", &Settings::HistHeight},
    {"DispTop", Kind::Whole, "-1", &Settings::DispTop},
    {"DispLeft", Kind::Whole, "-1", &Settings::DispLeft},
    {"GraphCascadeTop", Kind::Whole, "-1", &Settings::GraphCascadeTop},
    {"GraphCascadeLeft", Kind::Whole, "-1", &Settings::GraphCascadeLeft},
    {"GraphCascadeWidth", Kind::Whole, "-1", &Settings::GraphCascadeWidth},
    {"GraphCascadeHeight", Kind::Whole, "-1", &Settings::GraphCascadeHeight},
    {"GraphCascadeState", Kind::Whole, "0", &Settings::GraphCascadeState},
    {"GraphPowerTop", Kind::Whole, "-1", &Settings::GraphPowerTop},
    {"GraphPowerLeft", Kind::Whole, "-1", &Settings::GraphPowerLeft},
    {"GraphPowerWidth", Kind::Whole, "-1", &Settings::GraphPowerWidth},
    {"GraphPowerHeight", Kind::Whole, "-1", &Settings::GraphPowerHeight},
    {"GraphPowerState", Kind::Whole, "0", &Settings::GraphPowerState},
    {"GraphDynTop", Kind::Whole, "-1", &Settings::GraphDynTop},
    {"GraphDynLeft", Kind::Whole, "-1", &Settings::GraphDynLeft},
    {"GraphDynWidth", Kind::Whole, "-1", &Settings::GraphDynWidth},
    {"GraphDynHeight", Kind::Whole, "-1", &Settings::GraphDynHeight},
    {"GraphDynState", Kind::Whole, "0", &Settings::GraphDynState},
    {"ListFontName", Kind::Text, "unknown", &Settings::ListFontName},
    {"ListColor", Kind::Text, "unknown", &Settings::ListColor},
    {"ListFontSize", Kind::Text, "unknown", &Settings::ListFontSize},
    {"ListFontItalic", Kind::Boolean, "", &Settings::ListFontItalic},
    {"ListTop", Kind::Whole, "-1", &Settings::ListTop},
    {"ListLeft", Kind::Whole, "-1", &Settings::ListLeft},
    {"ListWidth", Kind::Whole, "-1", &Settings::ListWidth},
    {"ListHeight", Kind::Whole, "-1", &Settings::ListHeight},
    {"PUnits", Kind::Text, "I", &Settings::PUnits},
    {"DUnits", Kind::Text, "I", &Settings::DUnits},
    {"ShowPerfBox", Kind::Boolean, "", &Settings::ShowPerfBox},
    {"ShowGearShift", Kind::Boolean, "", &Settings::ShowGearShift},
    {"ShowGridLines", Kind::Boolean, "", &Settings::ShowGridLines},
    {"AlignRollout", Kind::Boolean, "", &Settings::AlignRollout},
    {"ProfOpts", Kind::LeadingWhole, "0", &Settings::ProfOpts},
    {"ProfCols", Kind::LeadingWhole, "0", &Settings::ProfCols},
    {"DataPath", Kind::Folder, "Error", &Settings::DataPath},
    {"EADataPath", Kind::Folder, "Error", &Settings::EADataPath},
    {"XAxisTime", Kind::Boolean, "", &Settings::XAxisTime},
    {"DelayTime", Kind::Number, "0", &Settings::DelayTime, "#.000"},
    {"HandicapTime", Kind::Number, "0", &Settings::HandicapTime, "##.000"},
    {"UseDelay", Kind::BooleanText, "0", &Settings::UseDelay},
    {"UseHandicap", Kind::BooleanText, "0", &Settings::UseHandicap},
    {"LanePointer", Kind::Whole, "0", &Settings::LanePointer},
    {"TreeType", Kind::Whole, "0", &Settings::TreeType},
    {"LightType", Kind::Whole, "0", &Settings::LightType},
    {"HistoryLog", Kind::Boolean, "", &Settings::HistoryLog},
    {"ShowToolTips", Kind::Boolean, "", &Settings::ShowToolTips},
    {"LastChassis", Kind::Text, "", &Settings::LastChassis},
    {"LastPower", Kind::Text, "", &Settings::LastPower},
    {"ShowLogo", Kind::Boolean, "", &Settings::ShowLogo},
    {"SplashImage", Kind::Text, "", &Settings::SplashImage},
};

// The number a whole stored text stands for: an optional sign, digits with at most one "." or
// "," as the decimal point, an optional exponent; blanks around it allowed. Anything else
// (an empty text included) does not convert.
std::optional<double> StoredNumber(std::string_view text) {
  const std::string s = Trim(text);
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false, point = false;
  for (; i < s.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(s[i]))) {
      digits = true;
    } else if ((s[i] == '.' || s[i] == ',') && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t e = i + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    const std::size_t expDigits = e;
    while (e < s.size() && std::isdigit(static_cast<unsigned char>(s[e]))) ++e;
    if (e == expDigits) return std::nullopt;
    i = e;
  }
  if (i != s.size()) return std::nullopt;
  const Single v = ParseLocaleNumber(s);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

// A whole number of the field's type, or nothing when the text does not convert or the value
// does not fit.
template <typename T>
std::optional<T> StoredWhole(std::string_view text) {
  const auto v = StoredNumber(text);
  if (!v) return std::nullopt;
  const double whole = RoundHalfEven(*v);
  if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max())
    return std::nullopt;
  return static_cast<T>(whole);
}

template <typename T>
T WholeOrDefault(std::string_view text, const char* defaultText) {
  if (const auto v = StoredWhole<T>(text)) return *v;
  return *StoredWhole<T>(defaultText);
}

std::string FirstExisting(const std::vector<std::string>& paths) {
  std::error_code ec;
  for (const auto& path : paths)
    if (!path.empty() && std::filesystem::is_regular_file(path, ec)) return path;
  return {};
}

// The store's own text of a key read as text; nothing when it has none, or the absent marker.
std::optional<std::string> StoredText(const IniFile& store, std::string_view key) {
  auto stored = store.Get(StoreSection, key);
  if (stored && *stored == AbsentMarker) return std::nullopt;
  return stored;
}

// The store's own switch; nothing when it has none, or holds 2, which stands for "not stored",
// or a text that is no whole number.
std::optional<Long> StoredSwitch(const IniFile& store, std::string_view key) {
  const auto stored = store.Get(StoreSection, key);
  const auto n = stored ? StoredWhole<Long>(*stored) : std::nullopt;
  if (n == 2) return std::nullopt;
  return n;
}

// KESTR.INI lines are read as the profile functions read them: blanks around the value and one
// pair of enclosing quotes removed.
std::optional<std::string> FallbackText(const IniFile& file, std::string_view key) {
  auto value = file.Get(FallbackSection, key);
  if (!value) return std::nullopt;
  std::string text = Trim(*value);
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front())
    text = text.substr(1, text.size() - 2);
  return text;
}

void LoadKey(const SettingsStore& store, const Key& key) {
  std::visit(
      [&](auto member) {
        auto& field = Cfg.*member;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          field = store.ReadSetting(key.name, key.defaultText);
          if (key.kind == Kind::Folder && field == "Error") field.clear();
        } else if constexpr (std::is_same_v<T, Single>) {
          const auto v = StoredNumber(store.ReadSetting(key.name, key.defaultText));
          field = v ? static_cast<Single>(*v) : static_cast<Single>(*StoredNumber(key.defaultText));
        } else if (key.kind == Kind::Boolean) {
          field = store.ReadSettingBool(key.name);
        } else if (key.kind == Kind::LeadingWhole) {
          field = static_cast<T>(CLng(LeadingNumber(store.ReadSetting(key.name, key.defaultText))));
        } else if (key.kind == Kind::BooleanText) {
          // Negated in a wider type: the most negative 16-bit number stays a switch that is on.
          const long n = -static_cast<long>(WholeOrDefault<T>(store.ReadSetting(key.name, key.defaultText), key.defaultText));
          field = static_cast<T>(std::min<long>(n, std::numeric_limits<T>::max()));
        } else {
          field = WholeOrDefault<T>(store.ReadSetting(key.name, key.defaultText), key.defaultText);
        }
      },
      key.field);
}

std::string SavedText(const Key& key) {
  return std::visit(
      [&](auto member) -> std::string {
        const auto& field = Cfg.*member;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return key.kind == Kind::Folder ? Trim(field) : field;
        } else if constexpr (std::is_same_v<T, Single>) {
          return Format(field, key.pattern);
        } else if (key.kind == Kind::Boolean || key.kind == Kind::BooleanText) {
          return std::to_string(std::abs(static_cast<long>(field)));
        } else {
          return std::to_string(static_cast<long>(field));
        }
      },
      key.field);
}

// A failed save's result, its description naming the file it is about.
FileWriteResult NamingFile(FileWriteResult result, const std::string& path) {
  if (!result.ok()) result.description += "\r\nSettings file " + PathText(path);
  return result;
}

}  // namespace

SettingsFiles DefaultSettingsFiles() {
  const std::string config = UserConfigFolder();
  const std::string folder = config.empty() ? std::string() : config + "/Kestrelon";
  SettingsFiles files;
  if (!folder.empty()) files.Store = folder + "/Kestrelon.ini";
  files.Fallbacks.push_back(ProgramFolder() + "/KESTR.INI");
  if (!folder.empty()) files.Fallbacks.push_back(folder + "/KESTR.INI");
  return files;
}

SettingsStore::SettingsStore(const SettingsFiles& files)
    : storePath_(files.Store), fallbackPath_(FirstExisting(files.Fallbacks)),
      store_(storePath_.empty() ? IniFile() : IniFile::Read(storePath_, files.MostBytes)),
      fallback_(fallbackPath_.empty() ? IniFile() : IniFile::Read(fallbackPath_, files.MostBytes)) {}

int SettingsStore::StoreReadError() const {
  if (const int error = store_.ReadError()) return error;
  const bool holdsEveryKey = std::all_of(std::begin(Keys), std::end(Keys), [&](const Key& key) {
    return key.kind == Kind::Boolean ? StoredSwitch(store_, key.name).has_value()
                                     : StoredText(store_, key.name).has_value();
  });
  return holdsEveryKey ? 0 : fallback_.ReadError();
}

std::string SettingsStore::ReadSetting(std::string_view key, std::string_view defaultText) const {
  if (auto stored = StoredText(store_, key)) return *stored;
  auto text = FallbackText(fallback_, key);
  if (!text || text->empty()) return std::string(defaultText);
  if (text->size() > FallbackTextLimit) text->resize(FallbackTextLimit);
  if (*text == AbsentMarker) return std::string(defaultText);
  return *text;
}

Integer SettingsStore::ReadSettingBool(std::string_view key) const {
  if (const auto n = StoredSwitch(store_, key)) return ToFlag(*n != 0);
  if (const auto text = FallbackText(fallback_, key)) {
    if (const auto n = StoredWhole<Long>(*text)) return ToFlag(*n != 0);
  }
  return True;
}

void LoadSettings(const SettingsFiles& files) {
  const SettingsStore store(files);
  for (const auto& key : Keys) LoadKey(store, key);
  // This platform has no desktop metrics to read: BorderWidth, MenuHeight and CaptionHeight keep
  // their pixel values.
  Cfg.DebugMode = ToFlag(store.ReadSetting("Debug", "") == "True");
  Cfg.StoreReadError = store.StoreReadError();
  Cfg.StoreReadFile = Cfg.StoreReadError ? store.StoreReadFile() : std::string();
}

FileWriteResult SaveSettings(const SettingsFiles& files) {
  // Without a home folder there is no folder to keep the store in.
  if (files.Store.empty()) return FileError(ENOENT);
  // A store that is there but could not be read, at start or now, is kept: rewriting it would
  // lose every place, font, colour and folder it holds. So is one that lacked a key at start
  // while KESTR.INI, which would have given it, could not be read.
  if (Cfg.StoreReadError != 0) return NamingFile(FileAccessError(Cfg.StoreReadError), Cfg.StoreReadFile);
  IniFile store = IniFile::Read(files.Store, files.MostBytes);
  if (const int error = store.ReadError()) return NamingFile(FileAccessError(error), files.Store);
  // In the order they are read, except that the run graph's two trace keys follow the listing
  // window's place.
  const auto isTraceKey = [](const Key& key) {
    return std::string_view(key.name) == "ProfOpts" || std::string_view(key.name) == "ProfCols";
  };
  for (const auto& key : Keys) {
    if (isTraceKey(key)) continue;
    store.Set(StoreSection, key.name, SavedText(key));
    if (std::string_view(key.name) == "ListHeight")
      for (const auto& trace : Keys)
        if (isTraceKey(trace)) store.Set(StoreSection, trace.name, SavedText(trace));
  }
  return NamingFile(store.Write(files.Store, files.MostBytes), files.Store);
}

}  // namespace kestrelon
