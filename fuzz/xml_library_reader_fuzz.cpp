// The vehicle library reader on any bytes: a library it takes, written out, reads back as the
// same document, as Convert's save requires of it.
#include "files/xml_library.h"
#include "fuzz_support.h"
#include "platform/qt/qt_xml_document.h"
#include "platform/whole_file.h"

using namespace kestrelon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = (UseQtXmlDocument(), true);
  (void)ready;
  const std::unique_ptr<XmlDocument> doc =
      ParseVehicleLibrary(fuzz::AsText(data, size), MostLibraryElements(MostFileBytes));
  if (!doc) return 0;
  const std::unique_ptr<XmlDocument> again = ParseVehicleLibrary(doc->Text());
  fuzz::Check(again && DocumentDigest(*again) == DocumentDigest(*doc), "a library read is written so that it reads back");
  return 0;
}
