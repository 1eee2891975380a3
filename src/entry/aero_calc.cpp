#include "entry/aero_calc.h"

#include <algorithm>
#include <cmath>

#include "core/state.h"
#include "core/tables.h"

namespace kestrelon {
namespace {

constexpr Single StandardPressure = 101400;  // Pa
constexpr Single StandardTemperature = 15.5f;  // deg C
constexpr Single HalfAirDensity = 0.6f;        // kg/m^3, as in the drag equation
constexpr Single MaxWindSpeed = 25;            // m/s

Verdict Refuse(std::string message, int field) { return Refusal{std::move(message), field}; }

// The weather fields, read unless the standard day replaces them. BarometerPressure is the
// pressure typed, reduced to the track's altitude when one is typed.
Verdict ReadWeather(const AeroEntry& e) {
  if (IsBlank(e.Press)) {
    S.AeroPress = StandardPressure;
  } else if (auto r = ReadUnitField(e.Press, "pressure", S.AeroPress, Above0,
                                    "Invalid air pressure value ", AeroPressField)) {
    return r;
  }
  const Single barometerPressure = S.AeroPress;

  if (IsBlank(e.Temp)) {
    S.AeroTemp = StandardTemperature;
  } else {
    const UnitValue t = ReadUnits(e.Temp, "temp");
    S.AeroTemp = t.value;
    if (!(t.ok && t.value >= -100 && t.value <= 100))
      return Refuse(WithUnitsError("Invalid air temperature "), AeroTempField);
  }

  if (IsBlank(e.Alt)) {
    S.AeroAlt = 0;
  } else {
    const UnitValue h = ReadUnits(e.Alt, "length");
    S.AeroAlt = h.value;
    if (!(h.ok && h.value >= -1200 && h.value <= 20000))
      return Refuse(WithUnitsError("Invalid altitude value "), AeroAltField);
    const StandardAir air = StandardAtmosphereAt(h.value);
    if (IsBlank(e.Temp)) S.AeroTemp = air.Temperature - 273;
    S.AeroPress = air.Pressure * barometerPressure / StandardPressure;
  }

  if (IsBlank(e.Humid)) {
    S.AeroHumid = 0;
  } else {
    S.AeroHumid = static_cast<Single>(PlainNumber(e.Humid));
    if (S.AeroHumid < 0 || S.AeroHumid > 100)
      return Refuse("Invalid Relative Humidity - must be between 0 and 100%", AeroHumidField);
  }
  return std::nullopt;
}

}  // namespace

StandardAir StandardAtmosphereAt(Single altitude) {
  const auto& rows = Tbl.AtmosphereTable;
  int k = 2;
  while (k < 26 && rows[k].Altitude < altitude) ++k;
  const AtmosphereRow& lo = rows[k - 1];
  const AtmosphereRow& hi = rows[k];
  const Single f = (altitude - lo.Altitude) / (hi.Altitude - lo.Altitude);
  return {lo.Pressure + (hi.Pressure - lo.Pressure) * f,
          lo.Temperature + (hi.Temperature - lo.Temperature) * f};
}

double WindDirectionDegrees(const std::string& directionText) { return PlainNumber(Trim(directionText)); }

Single HeadWind(Single speed, const std::string& directionText) {
  const double degrees = std::fmod(RoundHalfEven(WindDirectionDegrees(directionText)), 360.0);
  return static_cast<Single>(speed * std::cos(static_cast<double>(Pi) * degrees / 180));
}

Single HumidityFactorOf(Single humidity, Single temperature) {
  const Single t = std::clamp(temperature, Single{0}, Single{100});
  return 1 - (humidity / 5000) * (t / 15.5f);
}

void LoadAero(AeroEntry& e) {
  const auto& d = S.VehicleData;
  e.Area = d[5][1];
  e.CD = d[5][2];
  e.CL = d[5][3];
  e.BoxEff = d[5][5];
  e.Press = d[6][3];
  e.Temp = d[6][4];
  e.Alt = d[5][11];
  e.Humid = d[5][10];
  e.Speed = d[4][6];
  e.Dir = d[5][12];
  e.StandardDay = d[5][13] == "Y";
}

Verdict AcceptAero(AeroEntry& e) {
  if (auto r = ReadUnitField(e.Area, "area", S.AeroArea, Above0, "Invalid frontal area ",
                             AeroAreaField))
    return r;
  if (auto r = ReadPlainField(e.CD, S.AeroCD, Above0, "Invalid drag coefficient", AeroCDField))
    return r;
  if (auto r = ReadPlainField(e.CL, S.AeroCL, NoFloor, "Invalid lift coefficient", AeroCLField))
    return r;
  if (IsBlank(e.BoxEff)) {
    S.AeroBoxEff = 0;
  } else {
    S.AeroBoxEff = static_cast<Single>(PlainNumber(e.BoxEff) / 100);
    if (std::fabs(S.AeroBoxEff) > 1)
      return Refuse("Air box efficiency cannot be greater than 100 percent", AeroBoxEffField);
  }

  if (e.StandardDay) {
    S.StandardDay = True;
    S.AeroPress = StandardPressure;
    S.AeroHumid = 0;
    S.AeroTemp = StandardTemperature;
    S.AeroAlt = 0;
  } else {
    S.StandardDay = False;
    if (auto r = ReadWeather(e)) return r;
  }

  if (IsBlank(e.Speed)) {
    S.AeroSpeed = 0;
  } else {
    const UnitValue wind = ReadUnits(e.Speed, "speed");
    S.AeroSpeed = wind.value;
    if (std::fabs(wind.value) > MaxWindSpeed) return Refuse("Wind speed too high", AeroSpeedField);
    if (!wind.ok) return Refuse(WithUnitsError("Invalid wind speed "), AeroSpeedField);
    // An angle of any size has its direction; one past every number has none.
    if (!std::isfinite(WindDirectionDegrees(e.Dir)))
      return Refuse("Invalid wind direction", AeroDirField);
    S.AeroSpeed = HeadWind(wind.value, e.Dir);
  }

  S.AeroDragFactor = S.AeroArea * HalfAirDensity * S.AeroCD;
  S.AeroLiftFactor = S.AeroArea * HalfAirDensity * S.AeroCL;
  S.AeroRamFactor = S.AeroBoxEff * HalfAirDensity / StandardPressure;
  S.HumidityFactor = HumidityFactorOf(S.AeroHumid, S.AeroTemp);
  const Single temperatureRatio = 288.5f / (S.AeroTemp + 273);
  S.DryDensityRatio = temperatureRatio * (S.AeroPress / StandardPressure);
  S.AirDensityRatio = temperatureRatio * (S.AeroPress / StandardPressure * S.HumidityFactor);

  auto& d = S.VehicleData;
  d[4][6] = e.Speed;
  d[6][4] = e.Temp;
  d[6][3] = e.Press;
  d[5][10] = e.Humid;
  d[5][11] = e.Alt;
  d[5][12] = e.Dir;
  d[5][13] = S.StandardDay ? "Y" : "N";
  d[5][5] = e.BoxEff;
  d[5][3] = e.CL;
  d[5][2] = e.CD;
  d[5][1] = e.Area;
  return std::nullopt;
}

}  // namespace kestrelon
