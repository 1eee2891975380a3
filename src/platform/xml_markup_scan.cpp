#include "platform/xml_markup_scan.h"

namespace kestrelon {

namespace {

constexpr std::u16string_view DoctypeStart = u"<!DOCTYPE";
constexpr std::u16string_view CdataStart = u"[CDATA[";

}  // namespace

bool XmlMarkupScan::Read(std::u16string_view piece) {
  for (const char16_t c : piece) {
    if (found_ != XmlOutline::Fits) break;
    Step(c);
  }
  return found_ == XmlOutline::Fits;
}

void XmlMarkupScan::Step(char16_t c) {
  // Looked for in the whole text, whatever holds it: a "<" within the word can only start it anew.
  if (c == DoctypeStart[doctypeMatched_])
    ++doctypeMatched_;
  else
    doctypeMatched_ = c == u'<' ? 1 : 0;
  if (doctypeMatched_ == DoctypeStart.size()) {
    found_ = XmlOutline::DeclaresType;
    return;
  }
  // After "<!" the reader takes only a comment, a CDATA section or a document type; at anything
  // else it stops, and the scan goes on as outside markup.
  const Place outside = c == u'<' ? Place::Open : Place::Text;
  // Whether c is the ">" that follows at least `marks` of the closing mark.
  const auto closes = [this, c](char16_t mark, std::size_t marks) {
    if (c == mark) {
      ++matched_;
      return false;
    }
    const bool closed = c == u'>' && matched_ >= marks;
    matched_ = 0;
    return closed;
  };
  switch (place_) {
    case Place::Text: place_ = outside; break;
    case Place::Bang:
      if (c == u'-') {
        place_ = Place::BangDash;
      } else if (c == CdataStart[0]) {
        place_ = Place::CdataOpen;
        matched_ = 1;
      } else {
        place_ = outside;
      }
      break;
    case Place::BangDash:
      place_ = c == u'-' ? Place::Comment : outside;
      matched_ = 0;
      break;
    case Place::CdataOpen:
      if (c != CdataStart[matched_]) {
        place_ = outside;
      } else if (++matched_ == CdataStart.size()) {
        place_ = Place::Cdata;
        matched_ = 0;
      }
      break;
    case Place::Comment:
      if (closes(u'-', 2)) place_ = Place::Text;
      break;
    case Place::Cdata:
      if (closes(u']', 2)) place_ = Place::Text;
      break;
    case Place::Instruction:
      if (closes(u'?', 1)) place_ = Place::Text;
      break;
    case Place::EndTag:
      if (c == u'>') place_ = Place::Text;
      break;
    case Place::Open:
      if (c == u'!') {
        place_ = Place::Bang;
        break;
      }
      if (c == u'?' || c == u'/') {
        place_ = c == u'?' ? Place::Instruction : Place::EndTag;
        matched_ = 0;
        break;
      }
      place_ = Place::StartTag;
      attributes_ = 0;
      [[fallthrough]];  // c is the first character of the element's name
    case Place::StartTag:
      if (c == u'"' || c == u'\'') {
        place_ = Place::Quoted;
        quote_ = c;
      } else if (c == u'=' && ++attributes_ > mostAttributes_) {
        found_ = XmlOutline::TooManyAttributes;
      } else if (c == u'>') {
        place_ = Place::Text;
      }
      break;
    case Place::Quoted:
      if (c == quote_) place_ = Place::StartTag;
      break;
  }
}

}  // namespace kestrelon
