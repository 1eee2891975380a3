#include "results/history_font.h"

#include <optional>

#include "core/expression.h"
#include "core/settings.h"

namespace kestrelon {

namespace {

// A stored number, or nothing when the text is not one ("unknown").
std::optional<double> StoredNumber(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  const std::size_t start = t[0] == '-' ? 1 : 0;
  if (start == t.size() || HasNonNumericChar(std::string_view(t).substr(start)) != 0) return std::nullopt;
  return ParseLocaleNumber(t);
}

constexpr double LargestFontSize = 2048;

}  // namespace

void RestoreHistoryFont(const Settings& c, HistoryFont& f) {
  const std::string name = Trim(c.HistFontName);
  if (name.empty() || name == "unknown") return;
  f.Name = name;
  f.Bold = c.HistFontBold != False;
  if (const auto colour = StoredNumber(c.HistColor)) {
    if (*colour < 0 || *colour > 0xFFFFFF) return;
    f.Colour = CLng(*colour);
  }
  f.Italic = c.HistFontItalic != False;
  f.Underline = c.HistFontUnderline != False;
  if (const auto size = StoredNumber(c.HistFontSize)) {
    if (!(*size > 0) || *size > LargestFontSize) return;
    f.Size = static_cast<Single>(*size);
  }
  f.StrikeThru = c.HistFontStrikeThru != False;
}

void StoreHistoryFont(Settings& c, const HistoryFont& f) {
  c.HistFontName = f.Name;
  c.HistFontBold = ToFlag(f.Bold);
  c.HistFontUnderline = ToFlag(f.Underline);
  c.HistColor = NumText(static_cast<double>(f.Colour));
  c.HistFontSize = NumText(f.Size);
  c.HistFontItalic = ToFlag(f.Italic);
  c.HistFontStrikeThru = ToFlag(f.StrikeThru);
}

}  // namespace kestrelon
