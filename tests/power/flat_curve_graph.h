#pragma once
// The power curve graph on screen over a flat curve: 200 lb-ft from 2000 to 6000 rpm.

#include "core/state.h"
#include "platform/qt/form.h"
#include "power/ui/frmGraphPower.h"

namespace kestrelon::test {

inline frmGraphPower* ShowFlatCurveGraph() {
  S.MinRPMIndex = 20;
  S.MaxRPMIndex = 60;
  S.GraphRPMTop = 7000;
  S.CurvePeakValue = 500;
  for (int j = 20; j <= 60; ++j) S.PowerCurve[0][j] = 200;
  auto* graph = static_cast<frmGraphPower*>(Form::Instance("frmGraphPower"));
  graph->Show();
  return graph;
}

}  // namespace kestrelon::test
