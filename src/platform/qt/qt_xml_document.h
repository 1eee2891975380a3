#pragma once
// The XML document over QtXml's DOM. Elements are handed out as numbers that index the
// document's own list of the elements it has handed out; an element keeps its number however
// often it is reached again, so walking the document never makes the list grow.

#include <QDomDocument>
#include <unordered_map>
#include <vector>

#include "platform/xml_document.h"

namespace kestrelon {

class QtXmlDocument : public XmlDocument {
 public:
  bool Parse(std::string_view text) override;
  XmlOutline Prescan(std::string_view text, std::size_t mostAttributes) const override;
  XmlOutline Outline(std::string_view text, std::size_t mostDepth, std::size_t mostNodes) const override;
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
  // The handle of each element handed out, by the node the DOM keeps it in. The list holds on to
  // every such node, so none is freed and its place taken by another while it is listed here.
  mutable std::unordered_map<const void*, XmlElement> handles_;
};

// Installs QtXmlDocument as the program's XML document.
void UseQtXmlDocument();

}  // namespace kestrelon
