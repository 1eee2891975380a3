#include "files/example_vehicles.h"

#include <array>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_data.h"
#include "power/power_curve.h"

namespace kestrelon {

namespace {

struct CatalogueEntry {
  const char* key;
  const char* description;
  void (*setter)();
};

const std::array<CatalogueEntry, 25> Catalogue{{
    {"WESTFLD", "Lotus 7 sports car with injected Lotus Twin-Cam", ExampleLotusSeven},
    {"NFUNNY16", "Nitrous injected 1600cc Suzuki funny bike", ExampleNitrousFunnyBike},
    {"TNFUNNY", "Turbo Nitrous Suzuki Funny bike", ExampleTurboNitrousFunnyBike},
    {"PSB1990", "1325cc Suzuki GSXR Pro-Stock Motorcycle (1990)", ExampleProStockBike1990},
    {"MONZA", "8 second doorslammer", ExampleDoorslammer},
    {"TWOSTK400", "400cc Yamaha two-stroke drag bike", ExampleTwoStrokeDragBike},
    {"PS-CAR", "Pro Stock car", ExampleProStockCar},
    {"TFBIKE", "Suzuki Top Fuel bike", ExampleSuzukiTopFuelBike},
    {"ALKYCAR", "Top Alcohol Dragster", ExampleTopAlcoholDragster},
    {"FUNNYCAR", "Top Fuel Funny Car", ExampleTopFuelFunnyCar},
    {"TFDRAG", "Top Fuel Dragster", ExampleTopFuelDragster},
    {"SUPERGAS", "Super Gas Car using throttle stop", ExampleSuperGasCar},
    {"TFHARLEY", "Top Fuel Harley Davidson motorcycle", ExampleTopFuelHarley},
    {"F1CAR", "3-litre Formula One car", ExampleFormulaOneCar},
    {"BERZERKO", "Small block Chevy Nova bracket car", ExampleNovaBracketCar},
    {"PSB1999", "1500cc Suzuki Pro-Stock Motorcycle (1999)", ExampleProStockBike1999},
    {"STREET57", "Street/Strip 57 Chevy Small Block", ExampleStreetStripChevy57},
    {"PROMODSZ", "Pro-Mod Suzuki motorycle", ExampleProModBike},
    {"GP500", "Grand Prix 500cc 4-cylinder motorcycle", ExampleGP500},
    {"NISS300Z", "Nissan 300ZX Twin Turbo automatic", ExampleNissan300ZX},
    {"TGHARLEY", "Top Gas Harley Davidson", ExampleTopGasHarley},
    {"TFYAMAHA", "Puma-Yamaha top fuel bike", ExampleYamahaTopFuelBike},
    {"HAYABUSA", "Suzuki Hayabusa", ExampleHayabusa},
    {"CBR929", "Honda Fireblade", ExampleFireblade},
    {"ZX12-R", "Kawasaki ZX12-R", ExampleZX12R},
}};

// Writes one example's texts and torque points; everything else is left as it is.
void WriteExample(std::string_view key) {
  const ExampleVehicle data = ExampleData(key);
  for (const auto& item : data.items) S.VehicleData[item.group][item.item] = item.text;
  for (const auto& point : data.points) S.PowerCurve[point.column][point.row] = point.torque;
}

}  // namespace

void InitExampleCatalogue() {
  for (std::size_t n = 0; n < Catalogue.size(); ++n) {
    Tbl.ExampleKey[n + 1] = Catalogue[n].key;
    Tbl.ExampleDescription[n + 1] = Catalogue[n].description;
  }
}

void LoadExampleVehicle(const std::string& key) {
  for (const auto& entry : Catalogue)
    if (key == entry.key) {
      entry.setter();
      return;
    }
}

void RebuildExamplePeakSummary() {
  const CurveSpan span = SpanOfColumn(S.PowerCurve[0]);
  S.MinRPMIndex = span.first;
  S.MaxRPMIndex = span.last;
  // Unlike the span-bound search of a loaded file, every row counts here: a nitrous point
  // above the no-nitrous span still enters its column's peaks.
  for (int c = 0; c < CurveColumns; ++c) UpdateEngineSummaryOver(c, 0, CurveTopRow);
}

void ExampleLotusSeven() { WriteExample("WESTFLD"); }
void ExampleNitrousFunnyBike() { WriteExample("NFUNNY16"); }
void ExampleTurboNitrousFunnyBike() { WriteExample("TNFUNNY"); }
void ExampleProStockBike1990() { WriteExample("PSB1990"); }
void ExampleDoorslammer() { WriteExample("MONZA"); }
void ExampleTwoStrokeDragBike() { WriteExample("TWOSTK400"); }
void ExampleProStockCar() { WriteExample("PS-CAR"); }
void ExampleSuzukiTopFuelBike() { WriteExample("TFBIKE"); }
void ExampleTopAlcoholDragster() { WriteExample("ALKYCAR"); }
void ExampleTopFuelFunnyCar() { WriteExample("FUNNYCAR"); }
void ExampleTopFuelDragster() { WriteExample("TFDRAG"); }
void ExampleSuperGasCar() { WriteExample("SUPERGAS"); }
void ExampleTopFuelHarley() { WriteExample("TFHARLEY"); }
void ExampleFormulaOneCar() { WriteExample("F1CAR"); }
void ExampleNovaBracketCar() { WriteExample("BERZERKO"); }
void ExampleProStockBike1999() { WriteExample("PSB1999"); }
void ExampleStreetStripChevy57() { WriteExample("STREET57"); }
void ExampleProModBike() { WriteExample("PROMODSZ"); }
void ExampleGP500() { WriteExample("GP500"); }
void ExampleNissan300ZX() { WriteExample("NISS300Z"); }
void ExampleTopGasHarley() { WriteExample("TGHARLEY"); }
void ExampleYamahaTopFuelBike() { WriteExample("TFYAMAHA"); }
void ExampleHayabusa() { WriteExample("HAYABUSA"); }
void ExampleFireblade() { WriteExample("CBR929"); }
void ExampleZX12R() { WriteExample("ZX12-R"); }

}  // namespace kestrelon
