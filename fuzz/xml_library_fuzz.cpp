// The vehicle library reader on any bytes, through QtXml as the program reads it: a library it
// accepts takes the current vehicle under a name with an apostrophe, and the written library
// reads back with that vehicle in it.
#include "core/tables.h"
#include "files/example_vehicles.h"
#include "files/xml_library.h"
#include "fuzz_support.h"
#include "platform/qt/qt_xml_document.h"
#include "platform/ui_seam.h"

using namespace kestrelon;

namespace {

// A vehicle of the same name is always replaced.
class ReplacingUi : public UiSeam {
 public:
  int MsgBox(const std::string&, int, const std::string&) override { return Msg::Yes; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ReplacingUi answers;
  static const bool ready = [] {
    UseQtXmlDocument();
    setUi(&answers);
    fuzz::FreshModel();
    InitExampleCatalogue();
    LoadExampleVehicle(Tbl.ExampleKey[1]);
    return true;
  }();
  (void)ready;
  const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary(fuzz::AsText(data, size));
  if (!doc) return 0;
  const std::string name = "Bob's car";
  fuzz::Check(ConvertToXmlLibrary(*doc, name), "an accepted library takes the vehicle");
  const std::unique_ptr<XmlDocument> again = ParseVehicleLibrary(doc->Text());
  fuzz::Check(again != nullptr, "a written library reads back");
  fuzz::Check(FindVehicle(*again, name) != NoXmlElement, "the vehicle added is found again");
  return 0;
}
