#pragma once
// The wheelie threshold: how much torque the rear axle can take in first gear before the front
// wheels lift, as engine torque and as vehicle acceleration. Worked out from the model alone;
// no run is needed and nothing is stored.

#include <string>

#include "core/numbers.h"

namespace kestrelon {

// True when the engine, transmission, chassis, inertia and tyre data have been entered;
// otherwise the first missing one has been named in a message box.
bool WheelieThresholdAllowed();

struct WheelieThreshold {
  Single GearRatio = 0;      // first gear's overall ratio at the torque peak, tyre growth included
  Single Mass = 0;           // vehicle mass with the rotating parts, kg
  Single AxleTorque = 0;     // rear axle torque at which the front lifts, kgf m
  Single TorqueKGM = 0;      // that torque at the engine, kgf m
  Single TorqueLBFT = 0;     // the same in lb-ft
  Single Acceleration = 0;   // vehicle acceleration at the threshold, g
  bool valid = true;         // false when a ratio, the tyre, the centre of gravity or the mass is 0
};

WheelieThreshold CalcWheelieThreshold();

// The four captions of the result box: ratio, torque in kgf m, torque in lb-ft, acceleration.
struct WheelieCaptions {
  std::string GearRatio, TorqueKGM, TorqueLBFT, Acceleration;
};

WheelieCaptions WheelieThresholdCaptions(const WheelieThreshold& threshold);

}  // namespace kestrelon
