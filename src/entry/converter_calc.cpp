#include "entry/converter_calc.h"

#include "core/state.h"
#include "simulation/engine_torque.h"
#include "simulation/nitrous.h"

namespace kestrelon {

namespace {

constexpr double kLbFtToNm = 1.3567;

}  // namespace

Single AirDensityOrStandard() { return S.AirDensityRatio > 0 ? S.AirDensityRatio : 1.0f; }

Single CorrectedTorqueNm(int column, int row) {
  return static_cast<Single>(AirDensityOrStandard() * kLbFtToNm * ColumnAt(column, row));
}

std::optional<ConverterCoefficients> CalcConverterCoefficients(Integer stallRow, Single slip) {
  const Integer launchStage = NitrousStageAt(1, 0);
  const Integer topStage = NitrousStageAt(CInt(S.GearCount), 0);
  ConverterCoefficients k;
  k.StallTorque = CorrectedTorqueNm(launchStage, stallRow);
  const Single topTorque = CorrectedTorqueNm(topStage, S.MaxRPMIndex);
  if (topTorque <= 0) return std::nullopt;

  const double maxRow = S.MaxRPMIndex;
  const double row = stallRow;
  k.K = static_cast<Single>(topTorque / (maxRow * maxRow * slip));
  double f = k.StallTorque / (row * row * k.K);
  if (f > 1) {
    k.K = static_cast<Single>(k.StallTorque / (row * row));
    f = 1;
  }
  const Single complement = 1 - slip;
  k.CurveA = static_cast<Single>((f - slip) / complement);
  k.CurveB = (1 - k.CurveA) * slip;
  k.CurveC = complement;
  return k;
}

}  // namespace kestrelon
