#include "core/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kestrelon {

double RoundHalfEven(double x) {
  if (!std::isfinite(x)) return x;
  return std::nearbyint(x);  // the default rounding mode sends halves to the even neighbour
}

namespace {

template <typename T>
T ToWhole(double x) {
  if (std::isnan(x)) return 0;
  const double r = RoundHalfEven(x);
  if (r <= std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
  if (r >= std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
  return static_cast<T>(r);
}

// Significant digits and decimal exponent of |x|: x = 0.d1d2d3... x 10^(exponent + 1).
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// ASCII digits only: the C library's digit test follows the desktop's locale.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The conversions here are the C++ library's locale-free ones, so that a desktop whose locale
// writes "1,5" neither changes how numbers read nor how they are written.
Decimal ToDecimal(double x, int significant) {
  char buf[64];
  const auto end =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, significant - 1).ptr;
  const std::string_view s(buf, static_cast<std::size_t>(end - buf));
  Decimal d;
  const auto e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (IsDigit(s[i])) d.digits += s[i];
  const char* exponent = s.data() + e + 1;
  if (*exponent == '+') ++exponent;
  std::from_chars(exponent, s.data() + s.size(), d.exponent);
  return d;
}

std::string PrintedNumber(double x, int significant) {
  if (x == 0 || std::isnan(x)) return " 0";
  const std::string sign = x < 0 ? "-" : " ";
  if (std::isinf(x)) return sign + "Inf";
  Decimal d = ToDecimal(x, significant);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= significant || d.exponent < -4) {
    std::string m = d.digits.substr(0, 1);
    if (n > 1) m += "." + d.digits.substr(1);
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return sign + m + e;
  }
  if (d.exponent < 0) return sign + "." + std::string(-d.exponent - 1, '0') + d.digits;
  const int whole = d.exponent + 1;
  if (n <= whole) return sign + d.digits + std::string(whole - n, '0');
  return sign + d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

}  // namespace

Integer CInt(double x) { return ToWhole<Integer>(x); }
bool FitsInteger(double x) {
  const double r = RoundHalfEven(x);
  return r >= std::numeric_limits<Integer>::min() && r <= std::numeric_limits<Integer>::max();
}
bool FitsSingle(double x) { return std::fabs(x) <= std::numeric_limits<Single>::max(); }
Long CLng(double x) { return ToWhole<Long>(x); }

Long IntDiv(double a, double b) {
  const Long d = CLng(b);
  if (d == 0) return 0;
  return static_cast<Long>(static_cast<std::int64_t>(CLng(a)) / d);
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t start = i;
  bool point = false, digit = false, nonZero = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      digit = true;
      nonZero = nonZero || (c != '0' && !point);
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digit) return 0;
  double value = 0;
  const auto read = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::fixed);
  // Too many digits for a double: a whole part beyond its range is infinite, a fraction
  // below it is zero.
  if (read.ec == std::errc::result_out_of_range) value = nonZero ? HUGE_VAL : 0.0;
  return negative ? -value : value;
}

double PlainNumber(std::string_view text) {
  std::string packed;
  for (const char c : text)
    if (c != ' ' && c != '\t') packed += c;
  return LeadingNumber(packed);
}

std::string Str(int x) { return (x < 0 ? "" : " ") + std::to_string(x); }
std::string Str(float x) { return PrintedNumber(x, 7); }
std::string Str(double x) { return PrintedNumber(x, 15); }
std::string NumText(float x) { return Trim(Str(x)); }
std::string NumText(double x) { return Trim(Str(x)); }

std::string LTrim(std::string_view s) {
  const auto b = s.find_first_not_of(' ');
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
  const auto e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string OneLineText(std::string_view text) {
  std::string line(text);
  for (char& c : line)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return line;
}

std::string UCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
      c = static_cast<char>(b - 0x20);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // the code page's s, oe and z with caron
      c = static_cast<char>(b - 0x10);
    } else if (b == 0xFF) {  // y with diaeresis
      c = static_cast<char>(0x9F);
    }
  }
  return r;
}

std::string LCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
      c = static_cast<char>(b + 0x20);
    } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
      c = static_cast<char>(b + 0x10);
    } else if (b == 0x9F) {
      c = static_cast<char>(0xFF);
    }
  }
  return r;
}

namespace {
// The C library's case rules follow the desktop's locale (a Turkish "i" has no ASCII capital).
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

std::string Format(double x, std::string_view pattern) {
  const auto first = pattern.find_first_of("#0.,");
  if (first == std::string_view::npos) return std::string(pattern);
  const auto last = pattern.find_last_of("#0.,");
  const std::string prefix(pattern.substr(0, first));
  const std::string suffix(pattern.substr(last + 1));
  const std::string_view body = pattern.substr(first, last - first + 1);

  const auto point = body.find('.');
  const std::string_view wholePattern = body.substr(0, point);
  const std::string_view fractionPattern =
      point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
  const int minWhole = static_cast<int>(std::count(wholePattern.begin(), wholePattern.end(), '0'));
  const bool grouping = wholePattern.find(',') != std::string_view::npos;
  const int minFraction =
      static_cast<int>(std::count(fractionPattern.begin(), fractionPattern.end(), '0'));
  const int maxFraction =
      minFraction + static_cast<int>(std::count(fractionPattern.begin(), fractionPattern.end(), '#'));

  // Round the 15-digit decimal value half away from zero at the last shown fraction digit.
  std::string whole = "0", fraction(maxFraction, '0');
  if (x != 0 && std::isfinite(x)) {
    Decimal d = ToDecimal(x, 15);
    int keep = d.exponent + 1 + maxFraction;  // digits left of the rounding position
    std::string kept;
    if (keep > 0) {
      kept = d.digits.substr(0, std::min<std::size_t>(keep, d.digits.size()));
      kept.resize(keep, '0');
      const bool up = keep < static_cast<int>(d.digits.size()) && d.digits[keep] >= '5';
      if (up) {
        int i = keep - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0) ++kept[i]; else { kept.insert(kept.begin(), '1'); ++keep; }
      }
    } else if (keep == 0 && d.digits[0] >= '5') {
      kept = "1";
      keep = 1;
    }
    if (!kept.empty()) {
      if (static_cast<int>(kept.size()) < maxFraction + 1)
        kept.insert(0, maxFraction + 1 - kept.size(), '0');
      whole = kept.substr(0, kept.size() - maxFraction);
      fraction = kept.substr(kept.size() - maxFraction);
      whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    }
  }
  const bool negative = x < 0 && (whole != "0" || fraction.find_first_not_of('0') != std::string::npos);

  if (whole == "0") whole.clear();
  if (static_cast<int>(whole.size()) < minWhole) whole.insert(0, minWhole - whole.size(), '0');
  if (grouping)
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3) whole.insert(i, ",");
  while (static_cast<int>(fraction.size()) > minFraction && fraction.back() == '0') fraction.pop_back();

  std::string out = prefix + (negative ? "-" : "") + whole;
  if (point != std::string_view::npos) out += "." + fraction;
  return out + suffix;
}

}  // namespace kestrelon
