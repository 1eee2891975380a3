#include "platform/qt/qt_xml_document.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

#include "platform/qt/text.h"
#include "platform/windows_1252.h"
#include "platform/xml_markup_scan.h"

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

// Whether a text begins with an XML declaration as the reader takes one: "<?xml" and a blank
// ("<?xmls" begins an instruction of another name).
template <typename Char>
bool BeginsWithDeclaration(std::basic_string_view<Char> text) {
  constexpr std::string_view start = "<?xml";
  if (text.size() <= start.size() || !std::equal(start.begin(), start.end(), text.begin())) return false;
  const Char blank = text[start.size()];
  return blank == ' ' || blank == '\t' || blank == '\r' || blank == '\n';
}

// Whether the text's XML declaration names Windows-1252, which the program's own table reads.
bool DeclaresWindows1252(std::string_view text) {
  const std::size_t end = text.rfind("?>", text.find('>'));
  return BeginsWithDeclaration(text) && end != std::string_view::npos &&
         IsWindows1252(DeclaredEncoding(QString::fromLatin1(text.data(), static_cast<qsizetype>(end))));
}

// The text's bytes read in place: a copy of a large library would only add to what its parse costs.
QByteArray InPlace(std::string_view text) {
  return QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The reader decodes bytes with the encoding their first bytes show, UTF-8 when they show none;
// once it has read an XML declaration that names another, it decodes the bytes it holds again in
// that one and goes on from the same place in the new text. That place is told beforehand only
// when the declaration ends within its first piece of bytes (8 KiB): within this many.
constexpr std::size_t DeclarationBytes = 4096;

// The decoder of the text the reader will read, or nothing when that cannot be told: a
// declaration that does not end within DeclarationBytes, or whose own text reads otherwise in the
// encoding it names (a text the reader would go on with from a place the declaration does not
// end at).
std::optional<QStringDecoder> ReaderDecoder(std::string_view text) {
  const QByteArray bytes = InPlace(text);
  const QStringDecoder::Encoding shown =
      QStringDecoder::encodingForData(bytes, u'<').value_or(QStringDecoder::Utf8);
  const QByteArray head = InPlace(text.substr(0, DeclarationBytes));
  const QString read = QStringDecoder(shown)(head);
  if (!BeginsWithDeclaration(View(read))) return QStringDecoder(shown);
  const qsizetype end = read.indexOf(u"?>");
  if (end < 0) return std::nullopt;
  const QByteArray name = DeclaredEncoding(read.first(end)).toUtf8();
  QStringDecoder named(name.constData());
  // A name the reader knows no decoder for stops it at the declaration.
  if (name.isEmpty() || !named.isValid()) return QStringDecoder(shown);
  if (!QString(named(head)).startsWith(read.first(end + 2))) return std::nullopt;
  return QStringDecoder(name.constData());
}

}  // namespace

bool QtXmlDocument::Parse(std::string_view text) {
  handles_.clear();
  elements_.clear();
  doc_ = QDomDocument();
  const bool parsed = DeclaresWindows1252(text) ? doc_.setContent(QText(text)) : doc_.setContent(InPlace(text));
  if (!parsed) doc_ = QDomDocument();
  return parsed;
}

XmlOutline QtXmlDocument::Prescan(std::string_view text, std::size_t mostAttributes) const {
  // Decoded as Parse has the reader decode it: through the program's own table, or by the
  // reader's own rules.
  std::optional<QStringDecoder> decoder;
  if (!DeclaresWindows1252(text)) {
    decoder = ReaderDecoder(text);
    if (!decoder) return XmlOutline::NotXml;
  }
  XmlMarkupScan scan(mostAttributes);
  // A piece at a time, so that no decoded copy of the whole text is held.
  constexpr std::size_t PieceBytes = 1 << 16;
  for (std::size_t at = 0; at < text.size(); at += PieceBytes) {
    const std::string_view piece = text.substr(at, PieceBytes);
    if (!scan.Read(View(decoder ? QString((*decoder)(InPlace(piece))) : QText(piece)))) break;
  }
  return scan.Found();
}

XmlOutline QtXmlDocument::Outline(std::string_view text, std::size_t mostDepth, std::size_t mostNodes) const {
  // The parser's own reader, fed the text Parse feeds the parser and, as the parser, without
  // namespace processing: it sees exactly what the document would hold, and keeps its open
  // elements in a list rather than on the stack. Bytes are read a piece at a time where they lie.
  QXmlStreamReader reader;
  QBuffer bytes;
  if (DeclaresWindows1252(text)) {
    reader.addData(QText(text));
  } else {
    bytes.setData(InPlace(text));
    bytes.open(QIODevice::ReadOnly);
    reader.setDevice(&bytes);
  }
  // Set once the reader has its text, which starts it afresh.
  reader.setNamespaceProcessing(false);
  std::size_t depth = 0, nodes = 0;
  // A text that opens its element is counted only once something other than the element's end
  // follows it.
  bool opening = false;
  QXmlStreamReader::TokenType last = QXmlStreamReader::NoToken;
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (opening && token != QXmlStreamReader::EndElement) ++nodes;
    opening = false;
    switch (token) {
      case QXmlStreamReader::DTD: return XmlOutline::DeclaresType;
      case QXmlStreamReader::StartElement:
        if (++depth > mostDepth) return XmlOutline::TooDeep;
        // Without namespace processing a namespace declaration is an attribute like any other.
        nodes += 1 + static_cast<std::size_t>(reader.attributes().size());
        break;
      case QXmlStreamReader::EndElement: --depth; break;
      case QXmlStreamReader::Comment:
      case QXmlStreamReader::ProcessingInstruction: ++nodes; break;
      case QXmlStreamReader::Characters:
        if (reader.isCDATA()) {
          ++nodes;
        } else if (!reader.isWhitespace()) {  // white space alone the parser drops
          opening = last == QXmlStreamReader::StartElement;
          nodes += !opening;
        }
        break;
      default: break;
    }
    last = token;
    if (nodes > mostNodes) return XmlOutline::TooManyNodes;
  }
  return reader.hasError() ? XmlOutline::NotXml : XmlOutline::Fits;
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
  // An empty text is no node, as the reader reads it, so the element is written as it reads back.
  if (const std::string held = XmlText(text); !held.empty()) e.appendChild(doc_.createTextNode(QText(held)));
}

void UseQtXmlDocument() {
  MakeXmlDocument = [] { return std::make_unique<QtXmlDocument>(); };
}

}  // namespace kestrelon
