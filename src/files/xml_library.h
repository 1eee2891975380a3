#pragma once
// The vehicle library: one XML file, KOBEX.XML in the data folder, that gathers converted
// vehicles under a KESTRELON root, each a VEHICLE with its name, description, every vehicle
// text in a named element of its group, and the three torque curves as points. The element
// names are fixed by the files already written (other tools read them), misspellings and all.

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/numbers.h"
#include "platform/xml_document.h"

namespace kestrelon {

// How an item's text is written: trimmed as typed, or as "1"/"0" for a Yes/No item ("Y" in
// capitals) and for the clutch's wet flag ("WET" in capitals).
enum class ItemKind { Text, YesNo, Wet };

struct LibraryItem {
  const char* element;
  const char* group;  // "" = directly under VEHICLE
  int vehicleGroup, vehicleItem;
  ItemKind kind;
};

// Every vehicle text the library carries, in the order it is written.
const std::vector<LibraryItem>& LibraryItems();

// The text an item is written with.
std::string LibraryItemText(const LibraryItem& item, std::string_view text);

// A torque as the library holds it: the shortest text that reads back as the same Single,
// "." as the decimal point.
std::string LibraryTorqueText(Single torque);

// The library file in the data folder.
std::string LibraryPath();

// Under parent (or its child element named group, made when missing), the child element named
// element, made when missing, gets the text trimmed of blanks.
void XmlSetChildText(XmlDocument& doc, XmlElement parent, const std::string& group,
                     std::string_view text, const std::string& element);

// One point of a curve: POWER / CURVE<column> (its TITLE written when it is made) / the POINT
// of that rpm with its RPM and TORQUE.
void XmlWritePowerCurve(XmlDocument& doc, XmlElement vehicle, int column, int row);

// The VEHICLE of that name under the root, or NoXmlElement. Names are compared as the library
// holds them (XmlText), so any character may be part of one.
XmlElement FindVehicle(const XmlDocument& doc, std::string_view name);

// How deep a library nests its elements at most. The program writes six levels (KESTRELON >
// VEHICLE > POWER > CURVEn > POINT > RPM); the rest leaves room for wrappers another tool may
// add, while the toolkit, which writes a document out by recursion over its levels, is only ever
// given a few dozen of them.
inline constexpr std::size_t MostLibraryDepth = 32;

// How many attributes an element of a library may have at most. The program writes none; the
// toolkit's reader checks each new one against all the others, and a few dozen cost it next to
// nothing where thousands would hold the program for minutes.
inline constexpr std::size_t MostLibraryAttributes = 16;

// The library held in a file's bytes: the parsed document, or nothing when the bytes are not
// XML, hold a document type declaration anywhere (whose entities may expand to any size, and
// whose declarations the reader takes in time growing with the square of their number; the
// program never writes one), have an element of more than MostLibraryAttributes attributes
// (these two found before the reader sees the text), nest deeper than MostLibraryDepth or hold
// more than mostNodes nodes (all found before anything is parsed, and told in outline when it
// is given), their root is not KESTRELON, or the document would not read back once written.
// Needs MakeXmlDocument.
std::unique_ptr<XmlDocument> ParseVehicleLibrary(std::string_view bytes,
                                                 std::size_t mostNodes = std::numeric_limits<std::size_t>::max(),
                                                 XmlOutline* outline = nullptr);

// The most nodes a library of mostBytes holds when every vehicle in it is a real one, each text
// filled and all three curves full: its elements, as the program writes no other node the
// outline counts. A file of more is no library the program wrote.
std::size_t MostLibraryElements(std::size_t mostBytes);

// Adds the vehicle now in the model under the name. A vehicle of the same name is replaced
// when the user says so; another name may be given instead, or the conversion cancelled
// (false, nothing added). The document is not saved.
bool ConvertToXmlLibrary(XmlDocument& doc, std::string name);

// Asks for a text (prompt, title) in an input box; "" when cancelled. Filled by the windows.
struct LibraryWindows {
  std::function<std::string(const std::string&, const std::string&)> InputBox;
};
extern LibraryWindows LibraryAsk;

}  // namespace kestrelon
