#include "files/xml_library.h"

#include <charconv>

#include "core/settings.h"
#include "core/state.h"
#include "platform/ui_seam.h"

namespace kestrelon {

LibraryWindows LibraryAsk;

namespace {

constexpr const char* ConvertTitle = "Convert vehicle data";

// The throttle-stop lists, each ":"-separated, and the elements their pieces go into.
struct StopList {
  int item;
  const char* element;
};
constexpr StopList StopLists[] = {{13, "TStopTimer"}, {14, "TStopOpneing"}, {15, "TStopBuild"}};
constexpr int StopPieces = 4;

std::vector<std::string> SplitPieces(const std::string& list) {
  std::vector<std::string> pieces;
  if (list.empty()) return pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = list.find(':', start);
    pieces.push_back(list.substr(start, colon - start));
    if (colon == std::string::npos) return pieces;
    start = colon + 1;
  }
}

XmlElement FindOrAppend(XmlDocument& doc, XmlElement parent, const std::string& name) {
  const XmlElement found = doc.FirstChild(parent, name);
  return found != NoXmlElement ? found : doc.AppendChild(parent, name);
}

}  // namespace

const std::vector<LibraryItem>& LibraryItems() {
  static const std::vector<LibraryItem> items = {
    {"ClutchFrictions", "CLUTCH", 1, 1, ItemKind::Text},
    {"ClutchOD", "CLUTCH", 1, 2, ItemKind::Text},
    {"ClutchID", "CLUTCH", 1, 3, ItemKind::Text},
    {"ClutchMaterial", "CLUTCH", 1, 4, ItemKind::Text},
    {"ClutchSpring", "CLUTCH", 1, 5, ItemKind::Text},
    {"ClutchEngageInitialPC", "CLUTCH", 1, 6, ItemKind::Text},
    {"ClutchArms", "CLUTCH", 1, 7, ItemKind::Text},
    {"ClutchArmPL", "CLUTCH", 1, 8, ItemKind::Text},
    {"ClutchArmWL", "CLUTCH", 1, 9, ItemKind::Text},
    {"ClutchPCD", "CLUTCH", 1, 10, ItemKind::Text},
    {"ClutchArmWeight", "CLUTCH", 1, 11, ItemKind::Text},
    {"ClutchTotalWeight", "CLUTCH", 1, 12, ItemKind::Text},
    {"ClutchUseSpec", "CLUTCH", 1, 13, ItemKind::YesNo},
    {"ClTimerLPercent", "TIMERS", 1, 14, ItemKind::Text},
    {"ClTimerPC0", "TIMERS", 1, 15, ItemKind::Text},
    {"ClTimerPC1", "TIMERS", 1, 16, ItemKind::Text},
    {"ClTimerPC2", "TIMERS", 1, 17, ItemKind::Text},
    {"ClTimerPC3", "TIMERS", 1, 18, ItemKind::Text},
    {"ClutchWet", "CLUTCH", 1, 19, ItemKind::Wet},
    {"ClutchAG", "CLUTCH", 1, 20, ItemKind::Text},
    {"ChassisWheelbase", "CHASSIS", 2, 1, ItemKind::Text},
    {"ChassisWeight", "CHASSIS", 2, 2, ItemKind::Text},
    {"ChassisCGL", "CHASSIS", 2, 3, ItemKind::Text},
    {"ChassisCGH", "CHASSIS", 2, 4, ItemKind::Text},
    {"ChassisCrankL", "CHASSIS", 2, 5, ItemKind::Text},
    {"ChassisWBL", "CHASSIS", 2, 6, ItemKind::Text},
    {"ChassisWBH", "CHASSIS", 2, 7, ItemKind::Text},
    {"ChassisFTravel", "CHASSIS", 2, 8, ItemKind::Text},
    {"ChassisFRate", "CHASSIS", 2, 9, ItemKind::Text},
    {"ChassisFPrel", "CHASSIS", 2, 10, ItemKind::Text},
    {"ChassisFDamp", "CHASSIS", 2, 11, ItemKind::Text},
    {"ClTimerStart0", "TIMERS", 2, 12, ItemKind::Text},
    {"ClTimerStart1", "TIMERS", 2, 13, ItemKind::Text},
    {"ClTimerStart2", "TIMERS", 2, 14, ItemKind::Text},
    {"ClTimerStart3", "TIMERS", 2, 15, ItemKind::Text},
    {"ClTimerBuild0", "TIMERS", 2, 16, ItemKind::Text},
    {"ClTimerBuild1", "TIMERS", 2, 17, ItemKind::Text},
    {"ClTimerBuild2", "TIMERS", 2, 18, ItemKind::Text},
    {"ClTimerBuild3", "TIMERS", 2, 19, ItemKind::Text},
    {"ChassisDrive", "CHASSIS", 2, 20, ItemKind::Text},
    {"TyreDia", "TYRES", 3, 1, ItemKind::Text},
    {"TyreAspect", "TYRES", 3, 2, ItemKind::Text},
    {"TyreWidth", "TYRES", 3, 3, ItemKind::Text},
    {"TyreMu", "TYRES", 3, 4, ItemKind::Text},
    {"TyrePress", "TYRES", 3, 5, ItemKind::Text},
    {"TyreGrowthDia", "TYRES", 3, 6, ItemKind::Text},
    {"TyreGrowthSpeed", "TYRES", 3, 7, ItemKind::Text},
    {"TyreNum", "TYRES", 3, 8, ItemKind::Text},
    {"TyreWDia", "TYRES", 3, 9, ItemKind::Text},
    {"TyreWeight", "TYRES", 3, 10, ItemKind::Text},
    {"TyreFDia", "TYRES", 3, 11, ItemKind::Text},
    {"TyreFWidth", "TYRES", 3, 12, ItemKind::Text},
    {"TyreFAspect", "TYRES", 3, 13, ItemKind::Text},
    {"TyreFPress", "TYRES", 3, 14, ItemKind::Text},
    {"TyreFWeight", "TYRES", 3, 15, ItemKind::Text},
    {"TyreFTorque", "TYRES", 3, 16, ItemKind::Text},
    {"FTyreMu", "TYRES", 3, 17, ItemKind::Text},
    {"FTyreNum", "TYRES", 3, 18, ItemKind::Text},
    {"TyreStartTemp", "TYRES", 3, 19, ItemKind::Text},
    {"LaunchThrottle", "LAUNCH", 4, 1, ItemKind::Text},
    {"LaunchRisetime", "LAUNCH", 4, 2, ItemKind::Text},
    {"LaunchRPM", "LAUNCH", 4, 3, ItemKind::Text},
    {"LaunchTime", "LAUNCH", 4, 4, ItemKind::Text},
    {"LaunchStage", "LAUNCH", 4, 5, ItemKind::Text},
    {"AeroSpeed", "AERO", 4, 6, ItemKind::Text},
    {"LaunchHeight", "LAUNCH", 4, 7, ItemKind::Text},
    {"SimDistance", "LAUNCH", 4, 8, ItemKind::Text},
    {"Launch8Trap", "LAUNCH", 4, 9, ItemKind::Text},
    {"Trap8Position", "LAUNCH", 4, 10, ItemKind::Text},
    {"Launch4Trap", "LAUNCH", 4, 11, ItemKind::Text},
    {"Trap4Position", "LAUNCH", 4, 12, ItemKind::Text},
    {"GearSec0", "TRANSMISSION", 4, 13, ItemKind::Text},
    {"GearSec1", "TRANSMISSION", 4, 14, ItemKind::Text},
    {"GearSec2", "TRANSMISSION", 4, 15, ItemKind::Text},
    {"GearSec3", "TRANSMISSION", 4, 16, ItemKind::Text},
    {"GearSec4", "TRANSMISSION", 4, 17, ItemKind::Text},
    {"GearSec5", "TRANSMISSION", 4, 18, ItemKind::Text},
    {"GearSec6", "TRANSMISSION", 4, 19, ItemKind::Text},
    {"GearSec7", "TRANSMISSION", 4, 20, ItemKind::Text},
    {"AeroArea", "AERO", 5, 1, ItemKind::Text},
    {"AeroCD", "AERO", 5, 2, ItemKind::Text},
    {"AeroCL", "AERO", 5, 3, ItemKind::Text},
    {"AeroBoxEff", "AERO", 5, 5, ItemKind::Text},
    {"ClutchFrictionThickness", "CLUTCH", 5, 7, ItemKind::Text},
    {"ClutchPressureThickness", "CLUTCH", 5, 8, ItemKind::Text},
    {"AeroHumid", "AERO", 5, 10, ItemKind::Text},
    {"AeroAlt", "AERO", 5, 11, ItemKind::Text},
    {"AeroDir", "AERO", 5, 12, ItemKind::Text},
    {"StandardDay", "AERO", 5, 13, ItemKind::YesNo},
    {"BiteRPM", "CLUTCH", 5, 15, ItemKind::Text},
    {"LockupRPM", "CLUTCH", 5, 16, ItemKind::Text},
    {"ConverterSlip", "CLUTCH", 5, 17, ItemKind::Text},
    {"ConverterMult", "CLUTCH", 5, 18, ItemKind::Text},
    {"MaxRPM", "POWER", 6, 1, ItemKind::Text},
    {"MaxBHP", "POWER", 6, 2, ItemKind::Text},
    {"AeroPress", "AERO", 6, 3, ItemKind::Text},
    {"AeroTemp", "AERO", 6, 4, ItemKind::Text},
    {"InertiaCrankStroke", "INERTIA", 6, 5, ItemKind::Text},
    {"InertiaCrankMass", "INERTIA", 6, 6, ItemKind::Text},
    {"InertiaCrank", "INERTIA", 6, 7, ItemKind::Text},
    {"ClutchTorqueStatic", "CLUTCH", 6, 8, ItemKind::Text},
    {"ClutchTorqueLocked", "CLUTCH", 6, 9, ItemKind::Text},
    {"ClutchEngageInitial", "CLUTCH", 6, 10, ItemKind::Text},
    {"ClutchEngageFinal", "CLUTCH", 6, 11, ItemKind::Text},
    {"ClutchType", "CLUTCH", 6, 12, ItemKind::Text},
    {"ClutchDiameter", "CLUTCH", 6, 13, ItemKind::Text},
    {"ClutchWeight", "CLUTCH", 6, 14, ItemKind::Text},
    {"InertiaClutch", "CLUTCH", 6, 15, ItemKind::Text},
    {"TransPrimary", "TRANSMISSION", 6, 16, ItemKind::Text},
    {"TransFinal", "TRANSMISSION", 6, 17, ItemKind::Text},
    {"TransEff", "TRANSMISSION", 6, 18, ItemKind::Text},
    {"ClutchFeather", "CLUTCH", 6, 19, ItemKind::YesNo},
    {"ClutchBaseMaterial", "CLUTCH", 6, 20, ItemKind::Text},
    {"GearInternal0", "TRANSMISSION", 7, 1, ItemKind::Text},
    {"GearRPM0", "TRANSMISSION", 7, 2, ItemKind::Text},
    {"GearChange0", "TRANSMISSION", 7, 3, ItemKind::Text},
    {"GearInternal1", "TRANSMISSION", 7, 4, ItemKind::Text},
    {"GearRPM1", "TRANSMISSION", 7, 5, ItemKind::Text},
    {"GearChange1", "TRANSMISSION", 7, 6, ItemKind::Text},
    {"GearInternal2", "TRANSMISSION", 7, 7, ItemKind::Text},
    {"GearRPM2", "TRANSMISSION", 7, 8, ItemKind::Text},
    {"GearChange2", "TRANSMISSION", 7, 9, ItemKind::Text},
    {"GearInternal3", "TRANSMISSION", 7, 10, ItemKind::Text},
    {"GearRPM3", "TRANSMISSION", 7, 11, ItemKind::Text},
    {"GearChange3", "TRANSMISSION", 7, 12, ItemKind::Text},
    {"GearInternal4", "TRANSMISSION", 7, 13, ItemKind::Text},
    {"GearRPM4", "TRANSMISSION", 7, 14, ItemKind::Text},
    {"GearChange4", "TRANSMISSION", 7, 15, ItemKind::Text},
    {"GearInternal5", "TRANSMISSION", 7, 16, ItemKind::Text},
    {"GearRPM5", "TRANSMISSION", 7, 17, ItemKind::Text},
    {"GearChange5", "TRANSMISSION", 7, 18, ItemKind::Text},
    {"TransStart", "TRANSMISSION", 7, 19, ItemKind::Text},
    {"UseWheelieBarCheck", "CHASSIS", 7, 20, ItemKind::YesNo},
    {"NitrousSG1", "NITROUS", 8, 1, ItemKind::Text},
    {"NitrousDT1", "NITROUS", 8, 2, ItemKind::Text},
    {"NitrousSG2", "NITROUS", 8, 3, ItemKind::Text},
    {"NitrousDT2", "NITROUS", 8, 4, ItemKind::Text},
    {"NFinalPower1", "NITROUS", 8, 5, ItemKind::Text},
    {"NFinalPower2", "NITROUS", 8, 6, ItemKind::Text},
    {"NCorrect1", "NITROUS", 8, 7, ItemKind::YesNo},
    {"NCorrect2", "NITROUS", 8, 8, ItemKind::YesNo},
    {"ProfOpts", "", 8, 9, ItemKind::Text},
    {"GearLockup0", "TRANSMISSION", 8, 10, ItemKind::YesNo},
    {"GearLockup1", "TRANSMISSION", 8, 11, ItemKind::YesNo},
    {"GearLockup2", "TRANSMISSION", 8, 12, ItemKind::YesNo},
    {"GearLockup3", "TRANSMISSION", 8, 13, ItemKind::YesNo},
    {"GearLockup4", "TRANSMISSION", 8, 14, ItemKind::YesNo},
    {"GearLockup5", "TRANSMISSION", 8, 15, ItemKind::YesNo},
    {"GearLockup6", "TRANSMISSION", 8, 16, ItemKind::YesNo},
    {"GearLockup7", "TRANSMISSION", 8, 17, ItemKind::YesNo},
    {"LaunchTemp", "POWER", 8, 18, ItemKind::Text},
    {"RPMLimiter", "POWER", 9, 2, ItemKind::Text},
    {"TStopOpening0", "THROTTLESTOP", 9, 4, ItemKind::Text},
    {"TStopTimer0", "THROTTLESTOP", 9, 16, ItemKind::Text},
    {"TStopBuild0", "THROTTLESTOP", 9, 17, ItemKind::Text},
    {"TStopTimer1", "THROTTLESTOP", 9, 5, ItemKind::Text},
    {"TStopOpening1", "THROTTLESTOP", 9, 6, ItemKind::Text},
    {"TStopBuild1", "THROTTLESTOP", 9, 7, ItemKind::Text},
    {"UseThrottle", "THROTTLESTOP", 9, 10, ItemKind::YesNo},
    {"UseTraction", "THROTTLESTOP", 9, 12, ItemKind::YesNo},
    {"N2DropPressure", "NITROUS", 9, 18, ItemKind::Text},
    {"N2PowerPressure", "NITROUS", 9, 19, ItemKind::Text},
    {"N2RunPressure", "NITROUS", 9, 20, ItemKind::Text},
    {"ProgStage1", "NITROUS", 10, 1, ItemKind::YesNo},
    {"NStartRPM1", "NITROUS", 10, 2, ItemKind::Text},
    {"NStartPower1", "NITROUS", 10, 3, ItemKind::Text},
    {"NFinalRPM1", "NITROUS", 10, 4, ItemKind::Text},
    {"NProgTime1", "NITROUS", 10, 5, ItemKind::Text},
    {"ProgStage2", "NITROUS", 10, 6, ItemKind::YesNo},
    {"NStartRPM2", "NITROUS", 10, 7, ItemKind::Text},
    {"NStartPower2", "NITROUS", 10, 8, ItemKind::Text},
    {"NFinalRPM2", "NITROUS", 10, 9, ItemKind::Text},
    {"NProgTime2", "NITROUS", 10, 10, ItemKind::Text},
    {"GearInternal6", "TRANSMISSION", 10, 11, ItemKind::Text},
    {"GearRPM6", "TRANSMISSION", 10, 12, ItemKind::Text},
    {"GearChange6", "TRANSMISSION", 10, 13, ItemKind::Text},
    {"GearInternal7", "TRANSMISSION", 10, 14, ItemKind::Text},
    {"GearRPM7", "TRANSMISSION", 10, 15, ItemKind::Text},
    {"GearChange7", "TRANSMISSION", 10, 16, ItemKind::Text},
    {"GearUpshiftDefault", "TRANSMISSION", 10, 17, ItemKind::Text},
    {"PowerShiftCheck", "TRANSMISSION", 10, 18, ItemKind::YesNo},
    {"UseStage1", "NITROUS", 10, 19, ItemKind::YesNo},
    {"UseStage2", "NITROUS", 10, 20, ItemKind::YesNo},
  };
  return items;
}

std::string LibraryItemText(const LibraryItem& item, std::string_view text) {
  switch (item.kind) {
    case ItemKind::YesNo: return UCase(text) == "Y" ? "1" : "0";
    case ItemKind::Wet: return UCase(text) == "WET" ? "1" : "0";
    case ItemKind::Text: break;
  }
  return Trim(text);
}

std::string LibraryTorqueText(Single torque) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, torque);
  return std::string(text, result.ptr);
}

std::string LibraryPath() { return Cfg.DataPath + "KOBEX.XML"; }

void XmlSetChildText(XmlDocument& doc, XmlElement parent, const std::string& group,
                     std::string_view text, const std::string& element) {
  const XmlElement holder = group.empty() ? parent : FindOrAppend(doc, parent, group);
  doc.SetText(FindOrAppend(doc, holder, element), Trim(text));
}

void XmlWritePowerCurve(XmlDocument& doc, XmlElement vehicle, int column, int row) {
  const XmlElement power = FindOrAppend(doc, vehicle, "POWER");
  const std::string curveName = "CURVE" + std::to_string(column);
  XmlElement curve = doc.FirstChild(power, curveName);
  if (curve == NoXmlElement) {
    curve = doc.AppendChild(power, curveName);
    doc.SetText(doc.AppendChild(curve, "TITLE"), S.PowerDescript[column]);
  }
  const std::string rpm = std::to_string(row * 100);
  XmlElement point = NoXmlElement;
  for (XmlElement candidate : doc.Children(curve)) {
    if (doc.Name(candidate) != "POINT") continue;
    const XmlElement rpmElement = doc.FirstChild(candidate, "RPM");
    if (rpmElement != NoXmlElement && doc.ElementText(rpmElement) == rpm) {
      point = candidate;
      break;
    }
  }
  if (point == NoXmlElement) {
    point = doc.AppendChild(curve, "POINT");
    doc.SetText(doc.AppendChild(point, "RPM"), rpm);
  }
  doc.SetText(FindOrAppend(doc, point, "TORQUE"), LibraryTorqueText(S.PowerCurve[column][row]));
}

std::unique_ptr<XmlDocument> ParseVehicleLibrary(std::string_view bytes, std::size_t mostNodes,
                                                 XmlOutline* outline) {
  std::unique_ptr<XmlDocument> doc = MakeXmlDocument();
  XmlOutline found = doc->Prescan(bytes, MostLibraryAttributes);
  if (found == XmlOutline::Fits) found = doc->Outline(bytes, MostLibraryDepth, mostNodes);
  if (outline) *outline = found;
  if (found != XmlOutline::Fits || !doc->Parse(bytes) || doc->Name(doc->Root()) != "KESTRELON") return nullptr;
  // Some malformed markup (a declaration without a proper name) parses but is written back in
  // a form that does not, and an instruction amid an element's text is written with a line break
  // after it that adds to the text at every write: such a library is refused now rather than
  // saved unreadable or refused at every save. A library that is its own written form (every one
  // the program saved) reads back as itself. Any other is read again from its written form, which
  // is then the document kept (so that only one is ever alive) and must write the same text: the
  // writer shows every element and text, so the two documents hold the same.
  const std::string written = doc->Text();
  if (written != bytes && (!doc->Parse(written) || doc->Text() != written)) return nullptr;
  return doc;
}

std::size_t MostLibraryElements(std::size_t mostBytes) {
  // A vehicle as Convert writes it holds some 2,000 elements in 49 to 53 kB: 26 bytes an element
  // with torques as measured, over 24 even when every torque has one digit. More elements than
  // that in a file are no vehicles, and would take the parser more memory than there is.
  constexpr std::size_t LeastBytesPerElement = 24;
  return mostBytes / LeastBytesPerElement;
}

XmlElement FindVehicle(const XmlDocument& doc, std::string_view name) {
  for (XmlElement vehicle : doc.Children(doc.Root())) {
    if (doc.Name(vehicle) != "VEHICLE") continue;
    const XmlElement nameElement = doc.FirstChild(vehicle, "Name");
    if (nameElement != NoXmlElement && doc.ElementText(nameElement) == XmlText(name)) return vehicle;
  }
  return NoXmlElement;
}

bool ConvertToXmlLibrary(XmlDocument& doc, std::string name) {
  const XmlElement root = doc.Root();
  for (XmlElement existing = FindVehicle(doc, name); existing != NoXmlElement;
       existing = FindVehicle(doc, name)) {
    const int answer = ui().MsgBox("A vehicle called " + name + " already exists.\r\n" +
                                       "Do you want to overwrite it?",
                                   Msg::YesNoCancel + Msg::Exclamation, ConvertTitle);
    if (answer == Msg::Yes) {
      doc.RemoveChild(root, existing);
      break;
    }
    if (answer != Msg::No) return false;
    name = LibraryAsk.InputBox ? LibraryAsk.InputBox("Enter a new name for the vehicle",
                                                     ConvertTitle)
                               : std::string();
    if (name.empty()) return false;
  }

  const XmlElement vehicle = doc.CreateElement("VEHICLE");
  doc.SetText(doc.AppendChild(vehicle, "Name"), name);
  doc.SetText(doc.AppendChild(vehicle, "Description"),
              S.VehicleFileDescription + "\r\n" + S.PowerFileDescription);
  for (const LibraryItem& item : LibraryItems())
    XmlSetChildText(doc, vehicle, item.group,
                    LibraryItemText(item, S.VehicleData[item.vehicleGroup][item.vehicleItem]),
                    item.element);
  std::vector<std::string> lists[std::size(StopLists)];
  for (std::size_t l = 0; l < std::size(StopLists); ++l)
    lists[l] = SplitPieces(S.VehicleData[9][StopLists[l].item]);
  for (int k = 0; k < StopPieces; ++k)
    for (std::size_t l = 0; l < std::size(StopLists); ++l)
      if (k < static_cast<int>(lists[l].size()))
        XmlSetChildText(doc, vehicle, "THROTTLESTOP", lists[l][k],
                        StopLists[l].element + std::to_string(k + 2));
  for (int c = 0; c < CurveColumns; ++c)
    for (int j = 1; j <= CurveTopRow; ++j)
      if (S.PowerCurve[c][j] > 0) XmlWritePowerCurve(doc, vehicle, c, j);
  doc.MoveToEnd(root, vehicle);
  return true;
}

}  // namespace kestrelon
