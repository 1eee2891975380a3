#pragma once
// A single pass over an XML text's markup, a piece at a time, that finds what the toolkit's reader
// would spend time on growing with the square of its size before the reader ever sees the text:
// a document type declaration (the reader takes one before, after or inside the root element,
// and its work on the declarations inside grows with the square of their number) and an element
// with many attributes (each new one is checked against all the others). Every character costs
// the same, whatever comes before it.

#include <cstddef>
#include <string_view>

#include "platform/xml_document.h"

namespace kestrelon {

class XmlMarkupScan {
 public:
  explicit XmlMarkupScan(std::size_t mostAttributes) : mostAttributes_(mostAttributes) {}

  // Reads the next piece of the text (UTF-16, as the reader decodes it); false once the text is
  // refused, Found() then telling why.
  bool Read(std::u16string_view piece);

  // DeclaresType once "<!DOCTYPE" is met anywhere, even inside a comment, a CDATA section or a
  // quoted value (the program writes none); TooManyAttributes once an element has more than
  // mostAttributes attributes, counted as the "=" of its start tag outside quoted values;
  // else Fits.
  XmlOutline Found() const { return found_; }

 private:
  enum class Place {
    Text,         // outside markup
    Open,         // after "<"
    Bang,         // after "<!"
    BangDash,     // after "<!-"
    CdataOpen,    // within "<![CDATA["
    Comment,      // inside "<!--" ... "-->"
    Cdata,        // inside "<![CDATA[" ... "]]>"
    Instruction,  // inside "<?" ... "?>"
    EndTag,       // inside "</" ... ">"
    StartTag,     // inside a start tag, outside its quoted values
    Quoted,       // inside a quoted value of a start tag
  };

  void Step(char16_t c);

  std::size_t mostAttributes_;
  XmlOutline found_ = XmlOutline::Fits;
  Place place_ = Place::Text;
  std::size_t doctypeMatched_ = 0;  // characters of "<!DOCTYPE" matched so far
  std::size_t matched_ = 0;         // characters of "[CDATA[" matched, or closing "-", "]" or "?" seen
  char16_t quote_ = 0;              // the quote that ends the value being read
  std::size_t attributes_ = 0;      // attributes of the start tag being read
};

}  // namespace kestrelon
