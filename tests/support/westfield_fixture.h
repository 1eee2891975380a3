#pragma once
// The "WESTFLD" example (a Westfield with a quick motor) as the data forms would leave the
// model, worked out by hand from its typed items: 660 kg, 98 in wheelbase, 185/70-13 tyres at
// 18 psi, four gears on a 3.77 final drive, a conventional clutch of 159.9 lb-ft, and a torque
// curve from 3000 to 7500 rpm peaking at 139 lb-ft at 5500 rpm (162 BHP at 6500 rpm).

#include <cmath>

#include "core/state.h"

namespace kestrelon::test {

inline constexpr float Inch = 0.0254f;       // unit table factors
inline constexpr float PoundMass = 0.4537f;
inline constexpr float PoundForce = 4.4507f;
inline constexpr float Psi = 6899.0f;
inline constexpr float LbFt = 1.3567f;

// Torque rows 30..75 (lb-ft) of the example's curve.
inline constexpr float WestfieldTorque[] = {
    115,      116,      117,      118,      119,      120,   120.2128f, 120.4255f, 120.6383f, 120.851f,
    121.0638f, 122.5092f, 123.9546f, 125.4f, 128.2f, 131, 132.2f, 133.4f, 134.6f, 135.8f,
    137,      137.4f,   137.8f,   138.2f,   138.6f,   139,   138.6f,    138.2f,    137.8f,    137.4f,
    137,      135.8f,   134.6f,   133.4f,   132.2f,   131,   128.6f,    126.2f,    123.8f,    121.4f,
    119,      116,      113,      110,      107,      104};

// Resets the model and loads the example, with the run set-up of its launch items and the given
// analysis time.
inline void LoadWestfield(float analysisTime = 16) {
  S = SharedState{};
  const float pi = 3.1415927f;

  // Chassis: medium damping (k = 2).
  S.ChassisWeight = 660;
  S.ChassisWheelbase = 98 * Inch;
  S.ChassisCGL = 47 * Inch;
  S.ChassisCGH = 24 * Inch;
  S.ChassisFTravel = 5 * Inch;
  S.ChassisFRate = 200 * 175.2f;
  S.ChassisFPrel = 300 * PoundForce;
  S.FrontDamping = (S.ChassisFRate * S.ChassisFTravel + S.ChassisFPrel) /
                   (10 * 2 * std::sqrt(S.ChassisFTravel * S.ChassisFTravel * S.ChassisFTravel));
  S.FrontDampingHalf = S.FrontDamping / 2;
  S.DriveType = 0;

  // Tyres: the diameter follows from width x aspect x 2 + wheel diameter.
  const float wheel = 13 * Inch;
  const float D = 0.185f * 0.70f * 2 + wheel;
  const float w = 0.185f;
  S.TyreDia = D;
  S.RearTyreRadius = D / 2;
  S.TyreWidth = w;
  S.TyreNum = 2;
  S.TyrePress = 18 * Psi;
  S.TyreMu = 1.6f;
  S.FTyreMu = 1.0f;
  S.FrontTyreDia = D;
  S.TyreFWidth = w;
  S.TyreFAspect = 0.70f;
  S.TyreFPress = 18 * Psi;
  S.TyreFTorque = 5 * LbFt;
  S.TyreStartTemp = 70;
  const float D2 = D * D, d2 = wheel * wheel;
  S.RearWheelInertia = 2 * (0.875f * (D2 * D2 - d2 * d2) + 0.15f * 5.5f * d2 + 6.75f * w * D2 * D);
  S.FrontWheelInertia = 10.5f * 2 * (d2 + D2) / 8;
  S.RearTyreStiffness = w * 1e7f * D * 2 / std::sqrt(S.TyrePress);
  S.RearTyreStiffnessHalf = S.RearTyreStiffness / 2;
  S.RearTyreHeatMass = ((D2 - d2) * pi / 2 + w * D * pi) * 9.5f;

  // Air: not a standard day, but every weather box blank gives standard air.
  S.AeroArea = 17 * 0.0929f;
  S.AeroCD = 0.55f;
  S.AeroDragFactor = S.AeroArea * 0.6f * S.AeroCD;
  S.DryDensityRatio = 1;
  S.AirDensityRatio = 1;

  // Inertias: crank from stroke and mass, clutch from diameter and weight.
  S.InertiaCrank = 0.076f * 0.076f * (35 * PoundMass) / 2.5f;
  const float clutchInertia = (10 * Inch) * (10 * Inch) * (20 * PoundMass) / 4;
  S.EngineInertia = S.InertiaCrank + clutchInertia;

  S.ClutchType.assign(1, 'N');  // (a plain assignment trips a false g++ 12 -Wrestrict warning)
  S.ClutchTorqueStatic = 159.9f * LbFt;
  S.ClutchEngageInitial = 0.2f;
  S.ClutchEngageFinal = 0.75f;
  S.ClutchEngageInitialPC = 0.5f;

  S.TransPrimary = 1;
  S.TransFinal = 3.77f;
  S.GearCount = 4;
  const float ratios[] = {2.9f, 2.0f, 1.4f, 1.0f};
  for (int g = 1; g <= 4; ++g) {
    S.GearInternal[g] = ratios[g - 1];
    S.GearOverall[g] = S.TransFinal * ratios[g - 1] * S.TransPrimary;
    S.GearChange[g] = g < 4 ? 0.5f : 0.0f;
  }
  S.TransEff = 1;
  S.TransStart = 1;

  for (int row = 30; row <= 75; ++row) S.PowerCurve[0][row] = WestfieldTorque[row - 30];
  S.MinRPMIndex = 30;
  S.MaxRPMIndex = 75;
  S.RevLimitIndex = 75;
  S.EngineSummary[0] = {139, 55, 65 * 131 / 52.52f, 65};
  S.LaunchTemp = 70;

  S.StepsPerSecond = 500;
  S.LaunchThrottle = 0.60f;
  S.LaunchRisetime = 1.5f;
  S.LaunchRPM = 45;
  S.LaunchTime = analysisTime;
  S.PointSpacing = analysisTime / 1000;
  S.Trap8Length = 60 * 0.3048;
  S.Trap4Length = 60 * 0.3048;
}

// The same car built to stand on its rear wheels: a short wheelbase with the weight well back,
// tyres that grip three times as hard and an engine (and clutch) three times as strong.
inline void LoadWheelieCar(float analysisTime = 4) {
  LoadWestfield(analysisTime);
  S.ChassisWheelbase = 1.5f;
  S.ChassisCGL = 0.6f;
  S.TyreMu = 3;
  for (float& torque : S.PowerCurve[0]) torque *= 3;
  S.EngineSummary[0][0] *= 3;
  S.ClutchTorqueStatic *= 3;
}

}  // namespace kestrelon::test
