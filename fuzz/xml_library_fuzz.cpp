// The vehicle library writer on any vehicle texts: the input gives, each as a length byte and
// its bytes after a first byte that chooses the encoding, the vehicle's name, the two file descriptions, the three curve titles and every text
// the library carries. The vehicle is converted into an empty library (declared Windows-1252 or
// UTF-8), and the written library must read back as the same document,
// holding the vehicle under its name with every text as the library writes it.
#include <algorithm>

#include "core/state.h"
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/xml_library.h"
#include "fuzz_support.h"
#include "platform/qt/qt_xml_document.h"
#include "platform/ui_seam.h"

using namespace kestrelon;

namespace {

class QuietUi : public UiSeam {
 public:
  int MsgBox(const std::string&, int, const std::string&) override { return Msg::Yes; }
};

// Takes the next length-prefixed text of the input; "" once the input is used up.
std::string Next(std::string_view& input) {
  if (input.empty()) return {};
  const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(input[0]), input.size() - 1);
  std::string text(input.substr(1, length));
  input.remove_prefix(1 + length);
  return text;
}

std::string Held(const XmlDocument& doc, XmlElement parent, std::initializer_list<const char*> path) {
  for (const char* name : path)
    if (*name) parent = doc.FirstChild(parent, name);  // "" is the vehicle itself
  fuzz::Check(parent != NoXmlElement, "every written element is read back");
  return doc.ElementText(parent);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QuietUi answers;
  static const bool ready = [] {
    UseQtXmlDocument();
    setUi(&answers);
    fuzz::FreshModel();
    InitExampleCatalogue();
    return true;
  }();
  (void)ready;
  static const SharedState example = [] {
    LoadExampleVehicle(Tbl.ExampleKey[1]);
    // A few points of each curve keep the titles written while the run stays quick.
    for (auto& column : S.PowerCurve)
      for (std::size_t row = 0; row < column.size(); ++row)
        if (row % 25 != 0) column[row] = 0;
    return S;
  }();
  S = example;
  std::string_view input = fuzz::AsText(data, size);
  const bool utf8 = !input.empty() && (input[0] & 1);
  if (!input.empty()) input.remove_prefix(1);
  const std::string name = Next(input);
  S.VehicleFileDescription = Next(input);
  S.PowerFileDescription = Next(input);
  for (std::string& title : S.PowerDescript) title = Next(input);
  for (const LibraryItem& item : LibraryItems()) S.VehicleData[item.vehicleGroup][item.vehicleItem] = Next(input);
  for (int item : {13, 14, 15}) S.VehicleData[9][item] = Next(input);

  const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary(
      std::string("<?xml version=\"1.0\" encoding=\"") + (utf8 ? "UTF-8" : "windows-1252") + "\"?><KESTRELON/>");
  fuzz::Check(doc && ConvertToXmlLibrary(*doc, name), "an empty library takes the vehicle");
  const std::unique_ptr<XmlDocument> again = ParseVehicleLibrary(doc->Text());
  fuzz::Check(again != nullptr, "a written library reads back");
  fuzz::Check(DocumentDigest(*doc) == DocumentDigest(*again), "a written library reads back as the same document");
  const XmlElement vehicle = FindVehicle(*again, name);
  fuzz::Check(vehicle != NoXmlElement, "the vehicle is found again under its name");
  fuzz::Check(Held(*again, vehicle, {"Description"}) ==
                  XmlText(S.VehicleFileDescription + "\r\n" + S.PowerFileDescription),
              "the descriptions are held");
  for (const LibraryItem& item : LibraryItems())
    fuzz::Check(Held(*again, vehicle, {item.group, item.element}) ==
                    XmlText(Trim(LibraryItemText(item, S.VehicleData[item.vehicleGroup][item.vehicleItem]))),
                "every vehicle text is held");
  for (int c = 0; c < CurveColumns; ++c)
    if (again->FirstChild(again->FirstChild(vehicle, "POWER"), "CURVE" + std::to_string(c)) != NoXmlElement)
      fuzz::Check(Held(*again, vehicle, {"POWER", ("CURVE" + std::to_string(c)).c_str(), "TITLE"}) ==
                      XmlText(S.PowerDescript[c]),
                  "the curve titles are held");
  return 0;
}
