#include <charconv>

#include "files/example_data.h"

namespace kestrelon {

namespace {

std::string_view NextLine(std::string_view& rest) {
  const auto end = rest.find('\n');
  const std::string_view line = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  return line;
}

std::string_view NextWord(std::string_view& rest) {
  const auto start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest = {};
    return {};
  }
  rest.remove_prefix(start);
  const auto end = rest.find(' ');
  const std::string_view word = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  return word;
}

template <typename T>
T NumberOf(std::string_view word) {
  T value{};
  std::from_chars(word.data(), word.data() + word.size(), value);
  return value;
}

// "Tc r v1 v2 ...": torque points of column c from row r upward.
void ReadPoints(std::string_view line, std::vector<ExamplePoint>& points) {
  const int column = NumberOf<int>(NextWord(line).substr(1));
  int row = NumberOf<int>(NextWord(line));
  for (auto word = NextWord(line); !word.empty(); word = NextWord(line))
    points.push_back({column, row++, NumberOf<Single>(word)});
}

// "g,i text": the text of vehicle item (g, i), everything after the first blank.
void ReadItem(std::string_view line, std::vector<ExampleItem>& items) {
  const auto blank = line.find(' ');
  const std::string_view position = line.substr(0, blank);
  const auto comma = position.find(',');
  items.push_back({NumberOf<int>(position.substr(0, comma)),
                   NumberOf<int>(position.substr(comma + 1)),
                   blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1)});
}

}  // namespace

ExampleVehicle ExampleData(std::string_view key) {
  ExampleVehicle vehicle;
  std::string_view rest = ExampleVehicleText;
  bool inside = false;
  while (!rest.empty()) {
    const std::string_view line = NextLine(rest);
    if (line.empty()) continue;
    if (line.front() == '=') {
      if (inside) break;
      inside = line.substr(2) == key;
    } else if (inside) {
      if (line.front() == 'T')
        ReadPoints(line, vehicle.points);
      else
        ReadItem(line, vehicle.items);
    }
  }
  return vehicle;
}

}  // namespace kestrelon
