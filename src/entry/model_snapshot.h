#pragma once
// The numeric vehicle model and the vehicle texts as they stood when a data form's OK began, so
// that a refused OK leaves both exactly as they were.

#include "core/state/vehicle_model.h"
#include "core/state/vehicle_text.h"

namespace kestrelon {

class ModelSnapshot {
 public:
  ModelSnapshot();  // takes the model and the texts now
  void Restore() const;

 private:
  VehicleModel model_;
  VehicleTable texts_;
};

}  // namespace kestrelon
