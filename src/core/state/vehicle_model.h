#pragma once
// The numeric vehicle model: what the data forms derive from the typed texts when they are
// accepted, in SI units (m, kg, N, Pa, s, deg C), and what the run reads. Start values are those
// of a program with no vehicle yet: full throttle at every throttle stop, no nitrous stage in
// use, standard air, the whole clutch lock-up weight at launch.

#include <array>
#include <string>

#include "core/numbers.h"

namespace kestrelon {

inline constexpr int GearSlots = 11;           // gear arrays (0 To 10), gear g at element g
inline constexpr int ThrottleStopStages = 6;   // throttle-stop table rows 0..5
inline constexpr int ClutchTimerStages = 5;    // clutch timer stages 0..4
inline constexpr int NitrousStages = 3;        // index = curve column / stage 0..2

// Progressive build-up of one nitrous stage.
struct NitrousStageRecord {
  Integer ProgStage = False;  // the stage builds up progressively
  Integer StartRPM = 0;       // rpm window in rows (rpm / 100); 0 = not given
  Integer FinalRPM = 0;
  Single StartPower = 0;      // fractions of the stage's extra torque
  Single FinalPower = 0;
  Single ProgTime = 0;        // build-up time, s; 0 = build up by rpm instead

  bool operator==(const NitrousStageRecord&) const = default;
};

struct VehicleModel {
  // Chassis.
  Single ChassisWeight = 0;     // laden weight with driver, kg
  Single ChassisCGL = 0;        // centre of gravity ahead of the rear axle
  Single ChassisCGH = 0;        // centre of gravity height
  Single ChassisWheelbase = 0;
  Single ChassisWBL = 0;        // wheelie bar length behind the rear axle; 0 = no bar
  Single ChassisWBH = 0;        // wheelie bar wheel height in stage
  Single ChassisCrankL = 0;     // crankshaft ahead of the rear axle (motorcycles); 0 = not given
  Single ChassisFTravel = 0;    // front suspension travel; 0 = none
  Single ChassisFRate = 0;      // front spring rate, N/m
  Single ChassisFPrel = 0;      // front spring preload, N
  Integer DriveType = 0;        // 0 rear, 1 all-wheel, 2 front drive
  Single FrontDamping = 0;
  Single FrontDampingHalf = 0;

  // Wheels and tyres.
  Single TyreDia = 0;           // static driven-tyre diameter
  Single RearTyreRadius = 0;    // TyreDia / 2
  Single TyreWidth = 0;
  Single TyreNum = 0;
  Single TyrePress = 0;         // Pa
  Single TyreMu = 0;
  Single FTyreMu = 0;
  Single FrontTyreDia = 0;
  Single TyreFWidth = 0;
  Single TyreFAspect = 0;
  Single TyreFPress = 0;
  Single TyreFTorque = 0;       // front brake drag torque, N m
  Single TyreStartTemp = 0;     // deg C
  Single RearWheelInertia = 0;  // kg m^2, all driven wheels
  Single FrontWheelInertia = 0;
  Single TyreGrowthDia = 0;
  Single TyreGrowthSpeed = 0;
  Single TyreGrowthRate = 0;    // 0 without growth
  Single RearTyreStiffness = 0;  // vertical damping of the driven tyres
  Single RearTyreStiffnessHalf = 0;
  Single RearTyreHeatMass = 0;
  Single TyreAspect = 0;        // rear aspect ratio as a fraction; 0 = not given
  Single TyreWDia = 0;          // rear rim diameter
  Single TyreWeight = 0;        // one rear rim and centre, kg
  Single TyreFDia = 0;          // front rim diameter
  Single FTyreNum = 0;
  Single RearTyreRadiusFt = 0;  // RearTyreRadius in feet

  // Aerodynamics and weather.
  Single AeroCD = 0;
  Single AeroArea = 0;
  Single AeroCL = 0;
  Single AeroSpeed = 0;         // head-wind component, m/s
  Single AeroPress = 101400;    // standard day pressure, Pa
  Single AeroTemp = 15.5f;      // standard day temperature, deg C
  Integer StandardDay = False;
  Single AeroDragFactor = 0;    // AeroArea x 0.6 x AeroCD
  Single AeroLiftFactor = 0;    // AeroArea x 0.6 x AeroCL; negative = downforce
  Single DryDensityRatio = 0;
  Single AirDensityRatio = 0;
  Single AeroRamFactor = 0;
  Single AeroBoxEff = 0;        // air box efficiency as a fraction, -1..1
  Single AeroAlt = 0;           // track altitude, m
  Single AeroHumid = 0;         // relative humidity, percent
  Single HumidityFactor = 0;

  // Inertia.
  Single EngineInertia = 0;     // engine side referred to the crankshaft, kg m^2
  Single InertiaCrank = 0;
  Single InertiaCrankStroke = 0;  // m; 0 = not given
  Single InertiaCrankMass = 0;    // bare crankshaft, kg; 0 = not given

  // Clutch or torque converter.
  std::string ClutchType;       // "N" conventional, "L" lock-up, "S" slider, "T" converter
  Single ClutchTorqueStatic = 0;  // N m at the crank; stall torque of a converter
  Single ClutchTorqueLocked = 0;  // centrifugal capacity at MaxRPMIndex
  Single ClutchEngageInitial = 0;
  Single ClutchEngageFinal = 0;
  Single ClutchEngageInitialPC = 0;
  Integer ClutchFeatherFlag = False;
  Single ConverterK = 0;
  Single ConverterCurveA = 0;
  Single ConverterCurveB = 0;
  Single ConverterMult = 0;
  Single ConverterSlipComplement = 0;
  Single ConverterCurveC = 0;      // 1 - slip, for the gear cascade graph
  Single BiteRPM = 0;              // converter stall speed as a row (rpm / 100)
  Single ClutchDiameter = 0;       // clutch or flywheel, m
  Single ClutchWeight = 0;         // kg
  Single ClutchInertia = 0;        // kg m^2, diameter^2 x weight / 4

  // Clutch mechanical specification and what is computed from it.
  Integer ClutchUseSpec = False;
  Integer ClutchFrictions = 0;
  Single ClutchOD = 0;
  Single ClutchID = 0;
  Single ClutchFrictionCoeff = 0;
  Integer ClutchMaterialIndex = 0;      // clutch material rows of the friction plates
  Integer ClutchBaseMaterialIndex = 0;  // and of the pressure (intermediate) plates
  Integer ClutchWet = False;            // runs in oil
  Single ClutchFrictionThickness = 0;   // m, one friction plate
  Single ClutchPressureThickness = 0;   // m, one intermediate plate
  Single ClutchAG = 0;                  // slider air gap, m
  Single ClutchSpring = 0;
  Single ClutchSpringCopy = 0;
  Integer ClutchArms = 0;
  Single ClutchArmPL = 0;
  Single ClutchArmWL = 0;
  Single ClutchPCD = 0;
  Single ClutchPCDCopy = 0;
  Single ClutchArmWeight = 0;
  Single ClutchTotalWeight = 0;
  Single ClutchStaticCopy = 0;
  Single ClutchLockedCopy = 0;
  Single TorqueUnitFactor = 0;     // N m per displayed torque unit
  std::string TorqueFactorUnit;    // "lb/ft" or "N/m"
  // Heat capacity of the pack (0 = no temperature model), of the body, pack-to-body transfer,
  // (unused by the run), fade start temperature, fade percent per degree.
  Single ClutchPlateCalc1 = 0;
  Single ClutchPlateCalc2 = 0;
  Single ClutchPlateCalc3 = 0;
  Single ClutchPlateCalc4 = 0;
  Single ClutchPlateCalc5 = 0;
  Single ClutchPlateCalc6 = 0;

  // Clutch timers.
  Single ClutchTimerLPercent = 1.0f;  // whole lock-up weight at launch
  std::array<Single, ClutchTimerStages> ClutchTimerWeight{};
  std::array<Single, ClutchTimerStages> ClutchTimerStart{};
  std::array<Single, ClutchTimerStages> ClutchTimerBuild{};

  // Transmission; gear g at element g, but GearLockup holds gear g at element g - 1.
  Single GearCount = 0;
  std::array<Single, GearSlots> GearInternal{};
  std::array<Single, GearSlots> GearOverall{};
  std::array<Integer, GearSlots> GearRPM{};    // upshift rows; 0 = none
  std::array<Single, GearSlots> GearSec{};     // upshift run time, s; 0 = none
  std::array<Single, GearSlots> GearChange{};  // upshift duration, s
  std::array<Integer, GearSlots> GearLockup{};
  std::array<Single, GearSlots> GearGrowthRPM{};
  Integer PowerShift = False;
  Single TransEff = 0;
  Integer TransStart = 0;
  Single TransPrimary = 0;
  Single TransFinal = 0;

  // Nitrous.
  std::array<NitrousStageRecord, NitrousStages> NitrousStageData{};
  Integer NitrousSG1 = 10;  // gear from which a stage is on; 10 = stage not used
  Integer NitrousSG2 = 10;
  Single NitrousDT1 = 0;    // delay after that gear's engagement, s
  Single NitrousDT2 = 0;
  Single N2RunPressure = 0;
  Single N2DropPressure = 0;  // Pa per s
  Single N2PowerPressure = 0;
  std::array<Integer, NitrousStages> NitrousCorrect{True, False, False};
  std::array<Single, NitrousStages> NitrousCapacity{};  // 0 = stage uses its own curve column
  std::array<Single, NitrousStages> NitrousCylinders{};
  std::array<Single, NitrousStages> NitrousVolEff{};
  std::array<Single, NitrousStages> NitrousJetSize{};
  std::array<Single, NitrousStages> NitrousNumJets{};
  std::array<Single, NitrousStages> NitrousBottlePress{};
  std::array<Single, NitrousStages> NitrousPCurve{};
  std::array<Single, NitrousStages> NitrousTransEff{};
  std::array<Single, NitrousStages> NitrousPercentage{};

  // Throttle stops and traction control.
  Integer UseThrottleStop = False;
  Integer UseTraction = False;
  std::array<Single, ThrottleStopStages> TStopTimer{};
  std::array<Single, ThrottleStopStages> TStopOpening{1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f};
  std::array<Single, ThrottleStopStages> TStopBuild{};

  Single Gravity = 9.81f;

  bool operator==(const VehicleModel&) const = default;
};

}  // namespace kestrelon
