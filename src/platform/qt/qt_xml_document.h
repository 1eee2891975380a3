#pragma once
// The XML document over QtXml's DOM. Elements are handed out as numbers that index the
// document's own list of the elements it has handed out (one element may have several).

#include <QDomDocument>
#include <vector>

#include "platform/xml_document.h"

namespace kestrelon {

class QtXmlDocument : public XmlDocument {
 public:
  bool Parse(std::string_view text) override;
  std::string Text() const override;
  XmlElement Root() const override;
  std::string Name(XmlElement element) const override;
  std::vector<XmlElement> Children(XmlElement element) const override;
  XmlElement FirstChild(XmlElement element, std::string_view name) const override;
  std::string ElementText(XmlElement element) const override;
  XmlElement AppendChild(XmlElement parent, const std::string& name) override;
  void MoveToEnd(XmlElement parent, XmlElement child) override;
  XmlElement CreateElement(const std::string& name) override;
  void RemoveChild(XmlElement parent, XmlElement child) override;
  void SetText(XmlElement element, const std::string& text) override;

 private:
  XmlElement Handle(const QDomElement& element) const;
  QDomElement At(XmlElement element) const;

  QDomDocument doc_;
  mutable std::vector<QDomElement> elements_;  // handle n is elements_[n - 1]
};

// Installs QtXmlDocument as the program's XML document.
void UseQtXmlDocument();

}  // namespace kestrelon
