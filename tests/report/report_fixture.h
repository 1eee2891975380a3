#pragma once
// A vehicle and a run built by hand for the report's tests: two nitrous stages with progression,
// a lock-up clutch with its mechanical specification and arms, four gears, throttle stops, a
// staged run and a spot distance of 100 m. The run accelerates at a steady 2.5 m/s^2, one
// recorded point a second, so every figure of the report can be worked out on paper.

#include "core/settings.h"
#include "core/state.h"

namespace kestrelon::test {

inline void SetSteadyRun(int points, Single spacing, Single acceleration) {
  auto& r = S.RunResults;
  for (int n = 0; n <= points; ++n) {
    const Single t = n * spacing;
    r[PtSpeed][CurrentRun][n] = acceleration * t;
    r[PtDistance][CurrentRun][n] = acceleration * t * t / 2;
    r[PtAcceleration][CurrentRun][n] = acceleration;
    r[PtEngineSpeed][CurrentRun][n] = 30 + 1.7f * t;
  }
  S.PointCount = static_cast<Integer>(points);
  S.RecordedWith.PointSpacing = spacing;
}

inline void GoldenVehicle() {
  S = SharedState{};
  Cfg = Settings{};
  auto& V = S.VehicleData;
  S.VehicleName = "Golden";
  S.VehicleFileName = "/nowhere/GOLDEN.WCD";
  S.VehicleFileDescription = "Golden fixture car, two stage nitrous";
  S.PowerFileDescription = "Dyno sheet 12 May";

  // Weather.
  V[6][4] = "25C";
  V[6][3] = " 1010mb ";
  V[5][11] = "150m";
  V[5][10] = "40";
  V[4][6] = "10MPH";
  V[5][12] = "45";
  S.AeroSpeed = -4.47f;

  // Engine: rows 50 to 62, three columns.
  S.MinRPMIndex = 50;
  S.MaxRPMIndex = 62;
  S.RevLimitIndex = 62;
  const Single torque[3][4] = {{400, 420, 410, 390}, {500, 530, 520, 500}, {600, 640, 630, 610}};
  const int rows[4] = {50, 55, 60, 62};
  for (int c = 0; c < 3; ++c)
    for (int row = 50; row <= 62; ++row) S.PowerCurve[c][row] = torque[c][0];
  for (int c = 0; c < 3; ++c)
    for (int k = 0; k < 4; ++k) S.PowerCurve[c][rows[k]] = torque[c][k];
  S.EngineSummary[0] = {420, 55, 468.4f, 60};
  S.EngineSummary[1] = {530, 55, 594.06f, 60};
  S.EngineSummary[2] = {640, 55, 720.11f, 62};
  S.PowerDescript = {"", "  Stage one wet kit with long title", ""};
  S.AirDensityRatio = 0.9876f;
  S.NitrousSG1 = 2;
  S.NitrousDT1 = 0.5f;
  S.NitrousSG2 = 3;
  S.NitrousDT2 = 1.25f;
  S.NitrousStageData[1] = {True, 0, 0, 0.4f, 1.0f, 1.5f};
  S.NitrousStageData[2] = {True, 50, 70, 0.25f, 1.0f, 0};
  V[9][19] = "1000psi";
  V[9][20] = "950psi";
  S.UseThrottleStop = True;
  S.TStopTimer = {0.5f, 1.2f, 2000, 2000, 2000, 2500};
  S.TStopOpening = {0.6f, 1.0f, 1, 1, 1, 1};
  S.TStopBuild = {0.25f, 0.1f, 0, 0, 0, 0};

  // Chassis, tyre, aerodynamics and front suspension.
  S.ChassisWeight = 500;
  S.ChassisWheelbase = 2.54f;
  S.ChassisCGL = 0.635f;
  S.ChassisWBL = 1.5f;
  S.ChassisFTravel = 0.05f;
  V[2][1] = "100in";
  V[2][20] = "RWD";
  V[2][4] = "20in";
  V[2][6] = "60in";
  V[2][7] = "2in";
  V[2][8] = "2in";
  V[2][10] = "50lb";
  V[2][9] = "100lb/in";
  V[2][11] = "M";
  S.TyreGrowthRate = 0.1f;
  S.TyreAspect = 0.6f;
  S.TyreMu = 1.2f;
  S.RearTyreRadius = 0.4064f;
  S.TyreDia = 0.8128f;
  V[3][1] = "32in";
  V[3][3] = "14in";
  V[3][9] = "15in";
  V[3][6] = "34in";
  V[3][7] = "200mph";
  V[5][1] = "20sqft";
  S.AeroCD = 0.5f;
  S.AeroCL = 0.125f;
  S.AeroBoxEff = 0.1f;

  // Lock-up clutch with its mechanical specification and arms; four gears.
  S.ClutchType = "L";
  S.ClutchEngageInitial = 0.2f;
  S.ClutchEngageInitialPC = 0.5f;
  S.ClutchEngageFinal = 1.25f;
  V[6][8] = "800lbft";
  V[6][9] = "1500lbft";
  S.ClutchFrictions = 3;
  S.ClutchArms = 6;
  V[1][2] = "7.25in";
  V[1][3] = "4.5in";
  V[1][4] = "Ceramic";
  V[6][20] = "Steel";
  V[5][7] = "0.125in";
  V[5][8] = "0.25in";
  V[1][5] = "1200lb";
  V[1][20] = "0.040in";
  V[1][8] = "1.5in";
  V[1][9] = "2.25in";
  V[1][10] = "9in";
  V[1][11] = "0.1lb";
  V[1][12] = "60g";
  S.TransPrimary = 1.5f;
  S.TransFinal = 4.3f;
  S.TransEff = 0.98f;
  S.GearCount = 4;
  S.GearInternal = {0, 2.5f, 1.8f, 1.4f, 1.0f};
  S.GearOverall = {0, 16.125f, 11.61f, 9.03f, 6.45f};
  S.GearChange = {0, 0.1f, 0.12f, 0.15f, 0};
  S.GearEngagedRPM[CurrentRun] = {0, 60, 61, 61.5f, 62, 62, 62, 62, 62, 62, 62};
  S.GearEngagedTime[CurrentRun] = {0, 1.1f, 2.35f, 3.6f, 0};

  // The run: staged 0.2 m, spot distance 100 m, speed traps of 100 ft and 80 ft ending at
  // their marks, 18 s at 2.5 m/s^2.
  S.RecordedWith.LaunchStage = 0.2f;
  V[4][5] = S.RecordedWith.LaunchStageText = "20cm";
  S.LaunchRPM = S.RecordedWith.LaunchRPM = 45;
  S.RecordedWith.LaunchTime = 18;
  S.SimDistance = 100;
  S.RecordedWith.Trap8Length = 30.48;
  S.RecordedWith.Trap4Length = 24.384;
  SetSteadyRun(18, 1.0f, 2.5f);
  S.RunDone = True;
}

}  // namespace kestrelon::test
