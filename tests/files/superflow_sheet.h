#pragma once
// A SuperFlow export (*.SD9) as the curve import reads it: a header, then four lines a reading,
// the speed in characters 1 to 5 of the first and the torque from character 21 of the second.

#include <string>
#include <utility>
#include <vector>

namespace kestrelon::test {

inline std::string SuperFlowSheet(const std::vector<std::pair<int, const char*>>& readings) {
  std::string sd9 = "a\r\n\nb\r\n\nc\r\nd\r\n";
  for (const auto& [rpm, torque] : readings) {
    const std::string speed = std::to_string(rpm);
    sd9 += std::string(5 - speed.size(), ' ') + speed + "\r\nTorque (lb-ft)      " + torque + "\r\n3\r\n4\r\n";
  }
  return sd9;
}

}  // namespace kestrelon::test
