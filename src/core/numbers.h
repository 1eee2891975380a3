#pragma once
// The numeric and text rules the whole program shares: single-precision values, 16- and 32-bit
// whole numbers, rounding to the even neighbour, truncating whole-number division, the
// leading-number rule for plain numbers, and the number texts shown to the racer.

#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelon {

using Single = float;
using Integer = std::int16_t;
using Long = std::int32_t;

// Stored Booleans are whole numbers: True is -1, False is 0.
inline constexpr Integer True = -1;
inline constexpr Integer False = 0;
constexpr Integer ToFlag(bool b) { return b ? True : False; }

// Nearest whole number; an exact half goes to the even neighbour.
double RoundHalfEven(double x);
// Whole numbers by rounding half to even, held inside their range (NaN reads 0).
Integer CInt(double x);
// True when the value rounds to a whole number an Integer holds (-32768..32767).
bool FitsInteger(double x);
// True when the value is a number a Single holds: finite and within its range. A figure typed
// with more digits than that has no Single; taken as one it would be an infinity.
bool FitsSingle(double x);
Long CLng(double x);
// The "\" operator: both operands rounded to whole numbers, quotient truncated towards zero.
// A divisor that rounds to 0 gives 0 instead of stopping the program.
Long IntDiv(double a, double b);

// The number at the start of a text: leading blanks skipped, an optional sign, digits and one
// "." as the decimal point, read up to the first character that cannot continue it; 0 if none.
// The desktop's locale plays no part.
double LeadingNumber(std::string_view text);

// A plain number typed into a data form or a curve cell (an rpm, a time, a count, a
// percentage): blanks anywhere in the text are skipped, then the leading-number rule reads it,
// so " 1 2.5x" reads 12.5 and "8 050" reads 8050.
double PlainNumber(std::string_view text);

// Number text as printed: a blank in front of a value that is not negative, no 0 before the
// decimal point (" .5"), single precision with at most 7 significant digits, double with 15,
// exponent form ("1E+07") outside the plain range.
std::string Str(int x);
std::string Str(float x);
std::string Str(double x);
// The same text without the leading blank.
std::string NumText(float x);
std::string NumText(double x);

// Blanks only; tabs and other white space stay.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
// The text as one line of a file holds it: a line break inside it becomes a blank, so that no
// later value moves to another line, and so does a NUL byte, which the readers take for the mark
// of a file that is no 8-bit text. A box's text is read this way too, so that what the session
// holds and what its file gives back read alike.
std::string OneLineText(std::string_view text);
// Upper and lower case of program text: every letter of the Windows-1252 code page, whatever
// the desktop's locale.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// Equal but for the case of ASCII letters: file names are compared as the file system's bytes,
// where a code-page upper case would pair different names.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Number shaped by a digit pattern: "0" a digit always shown, "#" a digit shown only when
// significant, "." the decimal point, "," thousands grouping; other characters are copied.
// Halves round away from zero, as the displayed decimal value suggests.
std::string Format(double x, std::string_view pattern);

}  // namespace kestrelon
