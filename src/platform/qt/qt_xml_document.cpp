#include "platform/qt/qt_xml_document.h"

#include "platform/qt/text.h"

namespace kestrelon {

bool QtXmlDocument::Parse(std::string_view text) {
  elements_.clear();
  doc_ = QDomDocument();
  if (doc_.setContent(QByteArray(text.data(), static_cast<qsizetype>(text.size())))) return true;
  doc_ = QDomDocument();
  return false;
}

std::string QtXmlDocument::Text() const { return doc_.toByteArray().toStdString(); }

XmlElement QtXmlDocument::Handle(const QDomElement& element) const {
  if (element.isNull()) return NoXmlElement;
  elements_.push_back(element);
  return elements_.size();
}

QDomElement QtXmlDocument::At(XmlElement element) const {
  if (element == NoXmlElement || element > elements_.size()) return {};
  return elements_[element - 1];
}

XmlElement QtXmlDocument::Root() const { return Handle(doc_.documentElement()); }

std::string QtXmlDocument::Name(XmlElement element) const { return StdText(At(element).tagName()); }

std::vector<XmlElement> QtXmlDocument::Children(XmlElement element) const {
  std::vector<XmlElement> children;
  for (QDomElement child = At(element).firstChildElement(); !child.isNull();
       child = child.nextSiblingElement())
    children.push_back(Handle(child));
  return children;
}

std::string QtXmlDocument::ElementText(XmlElement element) const {
  return StdText(At(element).text());
}

XmlElement QtXmlDocument::CreateElement(const std::string& name) {
  return Handle(doc_.createElement(QText(name)));
}

XmlElement QtXmlDocument::AppendChild(XmlElement parent, const std::string& name) {
  const XmlElement child = CreateElement(name);
  MoveToEnd(parent, child);
  return child;
}

void QtXmlDocument::MoveToEnd(XmlElement parent, XmlElement child) {
  QDomElement p = At(parent);
  if (p.isNull()) {
    doc_.appendChild(At(child));
    return;
  }
  p.appendChild(At(child));
}

void QtXmlDocument::RemoveChild(XmlElement parent, XmlElement child) {
  At(parent).removeChild(At(child));
}

void QtXmlDocument::SetText(XmlElement element, const std::string& text) {
  QDomElement e = At(element);
  while (!e.firstChild().isNull()) e.removeChild(e.firstChild());
  e.appendChild(doc_.createTextNode(QText(text)));
}

void UseQtXmlDocument() {
  MakeXmlDocument = [] { return std::make_unique<QtXmlDocument>(); };
}

}  // namespace kestrelon
