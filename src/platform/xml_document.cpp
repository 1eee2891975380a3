#include "platform/xml_document.h"

namespace kestrelon {

std::function<std::unique_ptr<XmlDocument>()> MakeXmlDocument;

XmlElement FindChild(const XmlDocument& doc, XmlElement parent, std::string_view name) {
  for (XmlElement child : doc.Children(parent))
    if (doc.Name(child) == name) return child;
  return NoXmlElement;
}

}  // namespace kestrelon
