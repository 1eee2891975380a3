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

std::uint64_t DocumentDigest(const XmlDocument& doc) {
  // FNV-1a over each text with its length before it, so that no two lists of texts run together.
  std::uint64_t digest = 14695981039346656037u;
  const auto mix = [&digest](unsigned char byte) { digest = (digest ^ byte) * 1099511628211u; };
  const auto add = [&mix](std::string_view text) {
    for (std::size_t n = text.size(), i = 0; i < sizeof n; ++i, n >>= 8) mix(static_cast<unsigned char>(n));
    for (const char c : text) mix(static_cast<unsigned char>(c));
  };
  // Walked with a list of elements still to visit rather than by recursion: a document read from
  // any file may nest deeper than the stack allows.
  std::vector<XmlElement> pending = {doc.Root()};
  while (!pending.empty()) {
    const XmlElement element = pending.back();
    pending.pop_back();
    if (element == NoXmlElement) continue;
    const std::vector<XmlElement> children = doc.Children(element);
    add(doc.Name(element));
    add(std::to_string(children.size()));
    if (children.empty()) add(doc.ElementText(element));
    pending.insert(pending.end(), children.begin(), children.end());
  }
  return digest;
}

}  // namespace kestrelon
