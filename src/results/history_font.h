#pragma once
// The history listing's font as the settings keep it between runs of the program: name, bold,
// underline, colour, size, italic and strikethrough.

#include <string>

#include "core/numbers.h"

namespace kestrelon {

struct Settings;

struct HistoryFont {
  std::string Name = "Courier";
  bool Bold = false;
  bool Underline = false;
  Long Colour = 0;  // red + 256 x green + 65536 x blue
  Single Size = 9.6f;
  bool Italic = false;
  bool StrikeThru = false;
};

// Takes the stored font over `font`, only when a name is stored, in the order name, bold,
// colour, italic, underline, size, strikethrough. A stored colour or size that is not a number is
// passed over; one out of range is refused, and the rest of the font with it.
void RestoreHistoryFont(const Settings& settings, HistoryFont& font);
void StoreHistoryFont(Settings& settings, const HistoryFont& font);

}  // namespace kestrelon
