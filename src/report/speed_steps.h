#pragma once
// The speed-step rows of the performance data: for every multiple of 10 display speed units the
// run passed, when, where, at what engine speed and acceleration it was reached, interpolated
// inside the recorded interval that crossed it.

#include <vector>

namespace kestrelon {

struct SpeedStep {
  int step = 0;               // display speed units
  float time = 0;             // s
  float distance = 0;         // m
  float engineRows = 0;       // hundreds of rpm
  float acceleration = 0;     // m/s^2
};

// Times and distances from the start of motion, or from the start beam when the run graph
// aligns on rollout. Only the current run's recorded points count, on its own point spacing.
std::vector<SpeedStep> SpeedSteps();

}  // namespace kestrelon
