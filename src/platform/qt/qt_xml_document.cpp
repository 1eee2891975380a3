#include "platform/qt/qt_xml_document.h"

#include <QRegularExpression>
#include <QStringEncoder>

#include "platform/qt/text.h"
#include "platform/windows_1252.h"

namespace kestrelon {

namespace {

// The encoding named by an XML declaration's text ("version='1.0' encoding='windows-1252'").
QString DeclaredEncoding(QString declaration) {
  static const QRegularExpression pattern(R"(encoding\s*=\s*["']([^"']*)["'])");
  return pattern.match(declaration).captured(1).trimmed();
}

// Windows-1252, the program's own code page, goes through the program's own table both ways, so
// that every byte of a text comes back as it was.
bool IsWindows1252(const QString& encoding) {
  return encoding.compare("windows-1252", Qt::CaseInsensitive) == 0 ||
         encoding.compare("cp1252", Qt::CaseInsensitive) == 0;
}

// The document's text in Windows-1252; a character the code page lacks goes in as a character
// reference, which holds it as well in the text of an element.
std::string Windows1252Text(const QString& text) {
  std::string bytes;
  for (const char32_t character : text.toUcs4()) {
    const char byte = UnicodeToCp1252(character);
    if (byte == '?' && character != U'?')
      bytes += "&#" + std::to_string(static_cast<unsigned long>(character)) + ";";
    else
      bytes += byte;
  }
  return bytes;
}

// The DOM's own node behind an element: every QDomElement of one element shares it.
struct DomNode : QDomNode {
  static constexpr auto Node = &DomNode::impl;
};

}  // namespace

bool QtXmlDocument::Parse(std::string_view text) {
  handles_.clear();
  elements_.clear();
  doc_ = QDomDocument();
  bool parsed = false;
  const std::size_t end = text.rfind("?>", text.find('>'));
  if (text.substr(0, 5) == "<?xml" && end != std::string_view::npos &&
      IsWindows1252(DeclaredEncoding(QString::fromLatin1(text.data(), static_cast<qsizetype>(end))))) {
    parsed = doc_.setContent(QText(text));
  } else {
    // Read in place: a copy of a large library would only add to what its parse costs.
    parsed = doc_.setContent(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
  }
  if (!parsed) doc_ = QDomDocument();
  return parsed;
}

std::string QtXmlDocument::Text() const {
  const QDomNode first = doc_.firstChild();
  const QString encoding = first.isProcessingInstruction() && first.nodeName() == "xml"
                               ? DeclaredEncoding(first.toProcessingInstruction().data())
                               : QString();
  // The text in UTF-16, twice the size of the file, is let go as soon as it is encoded.
  if (encoding.isEmpty() || encoding.compare("UTF-8", Qt::CaseInsensitive) == 0) {
    const QByteArray bytes = doc_.toString().toUtf8();
    return bytes.toStdString();
  }
  const QString text = doc_.toString();
  if (IsWindows1252(encoding)) return Windows1252Text(text);
  // Any other encoding that cannot hold the document gives no text at all, which no reader
  // takes for the document.
  QStringEncoder encoder(encoding.toLatin1().constData());
  const QByteArray bytes = encoder.isValid() ? QByteArray(encoder(text)) : QByteArray();
  return encoder.hasError() ? std::string() : bytes.toStdString();
}

XmlElement QtXmlDocument::Handle(const QDomElement& element) const {
  if (element.isNull()) return NoXmlElement;
  const void* node = element.*DomNode::Node;
  if (const auto known = handles_.find(node); known != handles_.end()) return known->second;
  elements_.push_back(element);
  handles_.emplace(node, elements_.size());
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

XmlElement QtXmlDocument::FirstChild(XmlElement element, std::string_view name) const {
  return Handle(At(element).firstChildElement(QText(name)));
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
  e.appendChild(doc_.createTextNode(QText(XmlText(text))));
}

void UseQtXmlDocument() {
  MakeXmlDocument = [] { return std::make_unique<QtXmlDocument>(); };
}

}  // namespace kestrelon
