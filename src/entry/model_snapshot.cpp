#include "entry/model_snapshot.h"

#include "core/state.h"

namespace kestrelon {

ModelSnapshot::ModelSnapshot() : model_(S), texts_(S.VehicleData) {}

void ModelSnapshot::Restore() const {
  static_cast<VehicleModel&>(S) = model_;
  S.VehicleData = texts_;
}

}  // namespace kestrelon
