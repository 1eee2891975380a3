#pragma once
// The 25 built-in example vehicles: the catalogue the chooser lists, the dispatch from a key to
// its setter, the setters themselves (each writes its vehicle's texts and torque points into a
// model the Example command has emptied), and the peak rebuild that follows a choice.

#include <string>

namespace kestrelon {

// Fills rows 1..25 of ExampleKey and ExampleDescription.
void InitExampleCatalogue();

// Runs the setter of the example whose key equals key exactly; any other key changes nothing.
void LoadExampleVehicle(const std::string& key);

// Derives MinRPMIndex and MaxRPMIndex from column 0 and rebuilds EngineSummary of all three
// columns over rows 0..200 and PowerMaxPower, as the Example command does after its chooser.
void RebuildExamplePeakSummary();

// One setter per example, by catalogue row.
void ExampleLotusSeven();
void ExampleNitrousFunnyBike();
void ExampleTurboNitrousFunnyBike();
void ExampleProStockBike1990();
void ExampleDoorslammer();
void ExampleTwoStrokeDragBike();
void ExampleProStockCar();
void ExampleSuzukiTopFuelBike();
void ExampleTopAlcoholDragster();
void ExampleTopFuelFunnyCar();
void ExampleTopFuelDragster();
void ExampleSuperGasCar();
void ExampleTopFuelHarley();
void ExampleFormulaOneCar();
void ExampleNovaBracketCar();
void ExampleProStockBike1999();
void ExampleStreetStripChevy57();
void ExampleProModBike();
void ExampleGP500();
void ExampleNissan300ZX();
void ExampleTopGasHarley();
void ExampleYamahaTopFuelBike();
void ExampleHayabusa();
void ExampleFireblade();
void ExampleZX12R();

}  // namespace kestrelon
