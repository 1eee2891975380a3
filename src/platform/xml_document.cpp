#include "platform/xml_document.h"

namespace kestrelon {

std::function<std::unique_ptr<XmlDocument>()> MakeXmlDocument;

std::string XmlText(std::string_view text) {
  std::string held(text);
  for (char& c : held)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  // The reader counts the no-break space as white space too.
  if (held.find_first_not_of(" \t\r\n\xA0") == std::string::npos) held.clear();
  return held;
}

bool SameDocument(const XmlDocument& a, const XmlDocument& b) {
  // Walked with a list of pairs still to compare rather than by recursion: a document read from
  // any file may nest deeper than the stack allows.
  std::vector<std::pair<XmlElement, XmlElement>> pending = {{a.Root(), b.Root()}};
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if ((x == NoXmlElement) != (y == NoXmlElement)) return false;
    if (x == NoXmlElement) continue;
    if (a.Name(x) != b.Name(y)) return false;
    const std::vector<XmlElement> xs = a.Children(x), ys = b.Children(y);
    if (xs.size() != ys.size()) return false;
    if (xs.empty() && a.ElementText(x) != b.ElementText(y)) return false;
    for (std::size_t i = 0; i < xs.size(); ++i) pending.emplace_back(xs[i], ys[i]);
  }
  return true;
}

}  // namespace kestrelon
