#pragma once
// A small XML document: parse a text, walk child elements, add, remove and fill elements, and
// write the document out as text. Element texts are the program's own bytes (Windows-1252).
// The Qt implementation lives in platform/qt; logic reaches it through MakeXmlDocument.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelon {

// What reading a text through, without building a document, finds first.
enum class XmlOutline {
  Fits,               // well-formed XML within the bounds, without a document type declaration
  NotXml,             // an error: the text is not well-formed XML
  DeclaresType,       // a document type declaration, whose entities may expand to any size
  TooDeep,            // an element nested deeper than allowed
  TooManyNodes,       // more nodes than allowed
  TooManyAttributes,  // an element with more attributes than allowed
};

// An element of one document; 0 is no element.
using XmlElement = std::size_t;
inline constexpr XmlElement NoXmlElement = 0;

class XmlDocument {
 public:
  virtual ~XmlDocument() = default;
  // Replaces the document by the parsed text; false (document empty) when it is not XML.
  virtual bool Parse(std::string_view text) = 0;
  // Reads the text as Parse's reader will decode it, but without that reader and in time that
  // grows only as the text does (XmlMarkupScan), and stops at a document type declaration
  // anywhere or at an element of more than mostAttributes attributes, on which the reader would
  // spend time growing with the square of their number. A text whose decoding cannot be told
  // beforehand (an XML declaration that does not end within the text's first 4 KiB, or whose
  // own text the encoding it names would read otherwise) is NotXml. Run it before Outline.
  virtual XmlOutline Prescan(std::string_view text, std::size_t mostAttributes) const = 0;
  // Reads the text as Parse would without building anything, and stops at the first document
  // type declaration, element deeper than mostDepth (the root is at depth 1), node past
  // mostNodes, or error. Elements, attributes, comments, instructions, CDATA sections and texts
  // count as nodes, but for a text that is all its element holds (as each text of a library the
  // program writes), which goes with its element, and white space alone, which the parser drops.
  virtual XmlOutline Outline(std::string_view text, std::size_t mostDepth, std::size_t mostNodes) const = 0;
  // The document as the text of a file, in the encoding its declaration names (UTF-8 when it
  // names none).
  virtual std::string Text() const = 0;
  virtual XmlElement Root() const = 0;
  virtual std::string Name(XmlElement element) const = 0;
  virtual std::vector<XmlElement> Children(XmlElement element) const = 0;
  // The first child element of that name, or NoXmlElement.
  virtual XmlElement FirstChild(XmlElement element, std::string_view name) const = 0;
  // The text of the element and everything inside it.
  virtual std::string ElementText(XmlElement element) const = 0;
  virtual XmlElement AppendChild(XmlElement parent, const std::string& name) = 0;
  // Moves a detached or existing element to the end of parent's children.
  virtual void MoveToEnd(XmlElement parent, XmlElement child) = 0;
  virtual XmlElement CreateElement(const std::string& name) = 0;
  virtual void RemoveChild(XmlElement parent, XmlElement child) = 0;
  virtual void SetText(XmlElement element, const std::string& text) = 0;
};

// Filled at start-up with the implementation; empty, no document can be made.
extern std::function<std::unique_ptr<XmlDocument>()> MakeXmlDocument;

// The text as an XML document can hold it and gives it back when read: a control character the
// format has no place for (any below the blank but tab, line feed and carriage return) becomes
// a blank, as a line break does in a vehicle file, and white space alone (the no-break space
// counting as such), which a reader drops, is written as no text. SetText stores every text this way.
std::string XmlText(std::string_view text);

// A digest of the document's elements, their order and the texts of those without children:
// two documents with the same digest hold the same ones, but for a chance of one in 2^64. It lets
// a document be compared with another that is made only once the first is gone.
std::uint64_t DocumentDigest(const XmlDocument& doc);

}  // namespace kestrelon
