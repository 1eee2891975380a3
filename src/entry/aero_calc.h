#pragma once
// The aerodynamics and weather section: what its OK accepts, the standard atmosphere at the
// track's altitude, the head-wind component of the wind, and the drag, lift, ram, humidity and
// air density figures that the run reads.

#include <string>

#include "entry/field_reading.h"

namespace kestrelon {

enum AeroField {
  AeroAreaField,
  AeroCDField,
  AeroCLField,
  AeroBoxEffField,
  AeroPressField,
  AeroTempField,
  AeroAltField,
  AeroHumidField,
  AeroSpeedField,
  AeroDirField,
};

// What the aerodynamics form shows.
struct AeroEntry {
  std::string Area, CD, CL, BoxEff, Press, Temp, Alt, Humid, Speed, Dir;
  bool StandardDay = false;
};

struct StandardAir {
  Single Pressure = 0;     // Pa
  Single Temperature = 0;  // K
};
// The standard atmosphere at an altitude from -1219 m to 20001 m, interpolated between rows.
StandardAir StandardAtmosphereAt(Single altitude);

// The head-wind component of a wind of the given speed from the typed direction in degrees
// (0 head wind, 90 cross wind, 180 tail wind).
Single HeadWind(Single speed, const std::string& directionText);
// The wind direction in degrees as typed: the number at the start of the text, blanks anywhere
// skipped ("1 80" is 180).
double WindDirectionDegrees(const std::string& directionText);

// Humidity correction of the air density; the temperature counts within 0 to 100 degrees C.
Single HumidityFactorOf(Single humidity, Single temperature);

void LoadAero(AeroEntry& entry);
// The OK's checks in order; on acceptance the model, the derived factors and the texts.
Verdict AcceptAero(AeroEntry& entry);

}  // namespace kestrelon
