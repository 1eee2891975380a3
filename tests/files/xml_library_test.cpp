// The vehicle library: File > Convert reads a vehicle and its power file into KOBEX.XML under
// the vehicle's name, asks before it replaces one, writes the texts and curves in their named
// elements, never overwrites a file that is no library, and leaves the working model as it was.
#include "files/xml_library.h"

#include <gtest/gtest.h>

#include <QDomDocument>
#include <QStringList>
#include <cstdio>
#include <filesystem>
#include <set>

#include "core/settings.h"
#include "core/state.h"
#include "files/convert_command.h"
#include "support/failing_file_system.h"
#include "files/power_file.h"
#include "files/vehicle_file.h"
#include "platform/qt/qt_xml_document.h"
#include "scripted_file_windows.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace kestrelon {
namespace {

class VehicleLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    S = SharedState{};
    Cfg = Settings{};
    Cfg.DataPath = folder.file("");
    UseQtXmlDocument();
  }
  void TearDown() override {
    MakeXmlDocument = nullptr;
    LibraryAsk = LibraryWindows{};
  }

  // Writes a vehicle file and its power file (NAME.WCD, NAME.VCD) from a vehicle set up here,
  // then puts a different working vehicle in the model.
  std::string WriteVehicle(const std::string& name) {
    S.VehicleData[1][1] = " 2 ";
    S.VehicleData[1][13] = "y";
    S.VehicleData[5][13] = " Y";
    S.VehicleData[1][19] = "wet";
    S.VehicleData[9][13] = "1.5:2.5";
    S.VehicleData[8][9] = "opts";
    S.PowerDescript[0] = "Gas";
    S.PowerCurve[0][35] = 245.5f;
    S.PowerCurve[0][36] = 250;
    S.MaxRPMIndex = 60;
    S.DataDescription = "A car";
    EXPECT_TRUE(WriteVehicleFile(folder.file(name + ".WCD")).ok());
    EXPECT_TRUE(WritePowerFile(folder.file(name + ".VCD")).ok());
    S = SharedState{};
    S.VehicleData[2][2] = "working";
    S.PowerCurve[1][40] = 123.25f;
    S.MinRPMIndex = 20;
    S.MaxRPMIndex = 70;
    S.RevLimitIndex = 65;
    S.PowerMaxPower = 400;
    S.EngineSummary[1] = {1, 2, 3, 4};
    S.PowerDescript[1] = "Wet";
    S.VehicleFileDescription = "working car";
    return folder.file(name + ".WCD");
  }

  QDomDocument Library() const {
    QDomDocument doc;
    doc.setContent(QByteArray::fromStdString(test::TempFolder::read(LibraryPath())));
    return doc;
  }
  static QString Text(const QDomElement& parent, const char* path) {
    QDomElement e = parent;
    for (const QString& name : QString::fromLatin1(path).split('/')) e = e.firstChildElement(name);
    return e.text();
  }

  test::TempFolder folder;
  test::ScriptedUi seam;
  test::ScopedUi guard{seam};
  test::ScriptedFileWindows windows;
};

TEST_F(VehicleLibrary, ItemsAndCurvesAreWrittenInTheirNamedElements) {
  windows.answers = {{WriteVehicle("CAR")}};
  FileConvert();
  const QDomElement vehicle = Library().documentElement().firstChildElement("VEHICLE");
  ASSERT_FALSE(vehicle.isNull());
  EXPECT_EQ(Text(vehicle, "Name"), "CAR");
  EXPECT_EQ(Text(vehicle, "Description"), "A car\r\nA car");
  EXPECT_EQ(Text(vehicle, "CLUTCH/ClutchFrictions"), "2");
  EXPECT_EQ(Text(vehicle, "CLUTCH/ClutchUseSpec"), "1");  // "y"
  EXPECT_EQ(Text(vehicle, "AERO/StandardDay"), "0");      // " Y"
  EXPECT_EQ(Text(vehicle, "CLUTCH/ClutchWet"), "1");
  EXPECT_EQ(Text(vehicle, "ProfOpts"), "opts");
  EXPECT_EQ(Text(vehicle, "THROTTLESTOP/TStopTimer2"), "1.5");
  EXPECT_EQ(Text(vehicle, "THROTTLESTOP/TStopTimer3"), "2.5");
  EXPECT_TRUE(vehicle.firstChildElement("THROTTLESTOP").firstChildElement("TStopTimer4").isNull());
  EXPECT_TRUE(vehicle.firstChildElement("THROTTLESTOP").firstChildElement("TStopOpneing2").isNull());
  const QDomElement curve = vehicle.firstChildElement("POWER").firstChildElement("CURVE0");
  EXPECT_EQ(Text(curve, "TITLE"), "Gas");
  EXPECT_EQ(Text(curve, "POINT/RPM"), "3500");
  EXPECT_EQ(Text(curve, "POINT/TORQUE"), "245.5");
  EXPECT_TRUE(vehicle.firstChildElement("POWER").firstChildElement("CURVE1").isNull());
  // The groups come in the order their first items are written.
  QStringList order;
  for (QDomElement e = vehicle.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
    order << e.tagName();
  EXPECT_EQ(order.join(','), "Name,Description,CLUTCH,TIMERS,CHASSIS,TYRES,LAUNCH,AERO,"
                             "TRANSMISSION,POWER,INERTIA,NITROUS,ProfOpts,THROTTLESTOP");
}

// Every vehicle text the library carries as typed lands in exactly one element (a throttle-stop
// list of one piece too); the texts it does not carry, and the Yes/No items (written as "1" or
// "0"), land in none.
TEST_F(VehicleLibrary, EachCarriedTextLandsInExactlyOneElement) {
  const std::set<std::pair<int, int>> notCarried = {{3, 20}, {5, 4},  {5, 6},  {5, 9},  {5, 14},
                                                    {5, 19}, {5, 20}, {8, 19}, {8, 20}, {9, 1},
                                                    {9, 3},  {9, 8},  {9, 9},  {9, 11}};
  for (int g = 0; g <= 10; ++g)
    for (int i = 0; i <= 20; ++i) S.VehicleData[g][i] = std::to_string(g) + "." + std::to_string(i);
  const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary("<KESTRELON/>");
  ASSERT_TRUE(ConvertToXmlLibrary(*doc, "CAR"));
  std::multiset<std::pair<int, int>> found;
  std::vector<XmlElement> pending = {doc->Root()};
  while (!pending.empty()) {
    const XmlElement e = pending.back();
    pending.pop_back();
    const std::vector<XmlElement> children = doc->Children(e);
    pending.insert(pending.end(), children.begin(), children.end());
    int g = 0, i = 0;
    if (children.empty() && std::sscanf(doc->ElementText(e).c_str(), "%d.%d", &g, &i) == 2) found.insert({g, i});
  }
  std::set<std::pair<int, int>> distinct(found.begin(), found.end());
  EXPECT_EQ(distinct.size(), found.size());
  EXPECT_EQ(found.size(), 164u);  // 183 items, 22 of them Yes/No, and the three lists' one piece
  for (const auto& item : found) {
    EXPECT_TRUE(item.first >= 1 && item.second >= 1) << item.first << "." << item.second;
    EXPECT_FALSE(notCarried.count(item)) << item.first << "." << item.second;
  }
  // Each Yes/No item is read from its own text: "y" at an even group + item, so 11 say Yes (the wet clutch too).
  for (int g = 0; g <= 10; ++g) for (int i = 0; i <= 20; ++i) S.VehicleData[g][i] = (g + i) % 2 ? "N" : "y";
  S.VehicleData[1][19] = "wet";
  ASSERT_TRUE(ConvertToXmlLibrary(*doc, "YESNO"));
  EXPECT_EQ(QString::fromStdString(doc->Text()).count(">1<"), 11);
  // And "y" at an odd one: 11 more (the clutch now dry), the last group's read from its own texts too.
  for (int g = 0; g <= 10; ++g) for (int i = 0; i <= 20; ++i) S.VehicleData[g][i] = (g + i) % 2 ? "y" : "N";
  ASSERT_TRUE(ConvertToXmlLibrary(*doc, "ODD"));
  EXPECT_EQ(QString::fromStdString(doc->Text()).count(">1<"), 22);
}

TEST_F(VehicleLibrary, ACurveHoldsItsFirstAndLastRowsButNeverRowZero) {
  S.PowerCurve[2] = {};
  S.PowerCurve[2][0] = 9;
  S.PowerCurve[2][1] = 2;
  S.PowerCurve[2][200] = 1.5f;
  const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary("<KESTRELON/>");
  ASSERT_TRUE(ConvertToXmlLibrary(*doc, "CAR"));
  const XmlElement curve = doc->FirstChild(doc->FirstChild(FindVehicle(*doc, "CAR"), "POWER"), "CURVE2");
  std::vector<std::string> points;
  for (const XmlElement point : doc->Children(curve))
    if (doc->Name(point) == "POINT")
      points.push_back(doc->ElementText(doc->FirstChild(point, "RPM")) + "=" + doc->ElementText(doc->FirstChild(point, "TORQUE")));
  EXPECT_EQ(points, (std::vector<std::string>{"100=2", "20000=1.5"}));
  // A walk hands out the numbers it handed out before: walking does not add to the document.
  EXPECT_EQ(doc->Children(curve), doc->Children(curve));
}

TEST_F(VehicleLibrary, TheWorkingModelIsBitForBitAsItWas) {
  windows.answers = {{WriteVehicle("CAR")}};
  const SharedState before = S;
  FileConvert();
  EXPECT_EQ(S.PowerCurve, before.PowerCurve);
  EXPECT_EQ(S.EngineSummary, before.EngineSummary);
  EXPECT_EQ(S.PowerDescript, before.PowerDescript);
  EXPECT_EQ(S.VehicleData, before.VehicleData);
  EXPECT_EQ(std::tie(S.VehicleFileDescription, S.PowerFileDescription),
            std::tie(before.VehicleFileDescription, before.PowerFileDescription));
  EXPECT_EQ(std::tuple(S.MinRPMIndex, S.MaxRPMIndex, S.PowerMaxPower, S.RevLimitIndex),
            std::tuple(20, 70, 400, 65));
}

TEST_F(VehicleLibrary, ConvertingTwiceWithYesLeavesOneVehicleTheLast) {
  const std::string car = WriteVehicle("CAR");
  const std::string other = WriteVehicle("OTHER");
  // One library document alive at a time, read or written.
  struct Counted : QtXmlDocument {
    int& alive;
    Counted(int& alive, int& most) : alive(alive) { most = std::max(most, ++alive); }
    ~Counted() override { --alive; }
  };
  int alive = 0, most = 0;
  MakeXmlDocument = [&] { return std::make_unique<Counted>(alive, most); };
  windows.answers = {{car}, {other}, {car}};
  FileConvert();
  FileConvert();
  seam.answers = {Msg::Yes};
  FileConvert();
  EXPECT_EQ(std::tuple(alive, most), std::tuple(0, 1));
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "A vehicle called CAR already exists.\r\nDo you want to overwrite it?");
  EXPECT_EQ(seam.asked[0].style, Msg::YesNoCancel + Msg::Exclamation);
  const QDomElement root = Library().documentElement();
  QStringList names;
  for (QDomElement v = root.firstChildElement("VEHICLE"); !v.isNull();
       v = v.nextSiblingElement("VEHICLE"))
    names << Text(v, "Name");
  EXPECT_EQ(names.join(','), "OTHER,CAR");
}

TEST_F(VehicleLibrary, NoAsksForAnotherNameAndCancelChangesNothing) {
  const std::string car = WriteVehicle("CAR");
  windows.answers = {{car}};
  FileConvert();
  const std::string saved = test::TempFolder::read(LibraryPath());

  std::vector<std::string> names = {"Bob's car"};
  LibraryAsk.InputBox = [&names](const std::string& prompt, const std::string& title) {
    EXPECT_EQ(std::tie(prompt, title),
              std::tuple("Enter a new name for the vehicle", "Convert vehicle data"));
    const std::string name = names.front();
    names.erase(names.begin());
    return name;
  };
  windows.answers = {{car}};
  seam.answers = {Msg::No};
  FileConvert();
  // An apostrophe is just part of the name: the next clash finds it.
  windows.answers = {{car}};
  names = {"Bob's car"};
  seam.answers = {Msg::No, Msg::Cancel};
  FileConvert();
  ASSERT_EQ(seam.asked.size(), 3u);
  EXPECT_EQ(seam.asked[2].text, "A vehicle called Bob's car already exists.\r\nDo you want to overwrite it?");
  const QDomElement root = Library().documentElement();
  EXPECT_EQ(root.elementsByTagName("VEHICLE").size(), 2);
  EXPECT_NE(test::TempFolder::read(LibraryPath()), saved);
}

// A document that counts its parses and its outlines, so that a row can tell a file refused
// before any parse, or before the streaming reader sees it.
struct ParseCounted : QtXmlDocument {
  int& parses;
  int& outlines;
  ParseCounted(int& parses, int& outlines) : parses(parses), outlines(outlines) {}
  bool Parse(std::string_view text) override {
    ++parses;
    return QtXmlDocument::Parse(text);
  }
  XmlOutline Outline(std::string_view text, std::size_t mostDepth, std::size_t mostNodes) const override {
    ++outlines;
    return QtXmlDocument::Outline(text, mostDepth, mostNodes);
  }
};

std::string Repeated(std::size_t times, const std::string& piece) {
  std::string bytes;
  for (std::size_t i = 0; i < times; ++i) bytes += piece;
  return bytes;
}

// An ASCII text in UTF-16, with or without its byte-order mark.
std::string Utf16(const std::string& text, bool bigEndian, bool mark) {
  std::string bytes = !mark ? "" : bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : text) {
    bytes += bigEndian ? '\0' : c;
    bytes += bigEndian ? c : '\0';
  }
  return bytes;
}

// Attributes a0 to a<count - 1>, each value holding the end of a tag.
std::string Attributes(std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes += " a" + std::to_string(i) + "=\"/>\"";
  return bytes;
}

// A file nested too deep, with a document type declaration, or with more markup than real vehicles
// fill its bound with is refused before any parse; each kind of markup and each text counts one
// node, however many "<" it holds.
TEST_F(VehicleLibrary, AFileThatIsNoLibraryOrMayNotBeReadIsLeftAlone) {
  const std::string car = WriteVehicle("CAR");
  int parses = 0, outlines = 0;
  MakeXmlDocument = [&parses, &outlines] { return std::make_unique<ParseCounted>(parses, outlines); };
  // Declarations the streaming reader takes in time growing with the square of their number,
  // wherever the document type stands.
  const std::string declared = "<!DOCTYPE KESTRELON [" + Repeated(100, "<!ATTLIST a b CDATA \"\">") + "]>";
  const std::string utf16Declaration = "<?xml version='1.0' encoding='UTF-16LE'?>";
  const std::string notLibrary = LibraryPath() + " is not a Kestrelon vehicle library - it has not been changed";
  const std::string tooLarge = "Unexpected Error # 27 : File too large";
  const std::size_t sixteen = 16 * 24;  // a bound of 16 nodes
  struct Row {
    std::string bytes;
    std::size_t mostBytes;
    std::string said;
    int parsed;
    int outlined = 1;
  };
  for (const Row& row : {
           Row{"<KESTRELON><VEHICLE>", MostFileBytes, notLibrary, 0},
           Row{"<KESTRELON>" + Repeated(10000, "<a>") + Repeated(10000, "</a>") + "</KESTRELON>", MostFileBytes, notLibrary, 0},
           Row{"<KESTRELON>" + Repeated(300, "<a b=\"/>\">") + Repeated(300, "</a>") + "</KESTRELON>", MostFileBytes, notLibrary, 0},
           Row{"<!DOCTYPE KESTRELON [<!ENTITY a \"<b/><b/><b/><b/>\"><!ENTITY c \"&a;&a;&a;&a;\">]>"
               "<KESTRELON>&c;&c;&c;&c;</KESTRELON>", MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON>" + Repeated(16, "<a/>") + "</KESTRELON>", sixteen, tooLarge, 0},
           Row{"<KESTRELON>" + Repeated(16, "<!---->") + "</KESTRELON>", sixteen, tooLarge, 0},
           Row{"<KESTRELON>" + Repeated(16, "<?a?>") + "</KESTRELON>", sixteen, tooLarge, 0},
           Row{"<KESTRELON>" + Repeated(16, "<![CDATA[]]>") + "</KESTRELON>", sixteen, tooLarge, 0},
           Row{"<KESTRELON a0='' a1='' a2='' a3='' a4='' a5='' a6='' a7='' a8='' a9='' aa='' ab='' ac='' ad='' ae='' af=''/>", sixteen, tooLarge, 0},
           Row{"<KESTRELON>" + Repeated(8, "x<a/>") + "</KESTRELON>", sixteen, tooLarge, 0},
           // Sixteen nodes are read (and the library then too large to write): a text that is all
           // its element holds, and white space, are none.
           Row{"<KESTRELON a='' b=''> <!--<a><a><a><a><a><a><a><a>--> <![CDATA[<a><a>]]> <?a <a>?> "
               "<b>all</b> <b>all</b> <b>all</b>x<b/>x<b/> <b>x<!----></b> </KESTRELON>", sixteen, tooLarge, 2},
           // Refused before the streaming reader sees them: a document type before the root, after
           // it, inside it, in UTF-16 with or without its mark, after a comment holding "<a", and in
           // a comment straight after another "<"; an element one attribute past the bound after
           // markup holding what looks like a tag.
           Row{declared + "<KESTRELON/>", MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON/>" + declared, MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON>" + declared + "</KESTRELON>", MostFileBytes, notLibrary, 0, 0},
           Row{Utf16("<?xml version='1.0' encoding='UTF-16'?><KESTRELON>" + declared + "</KESTRELON>", false, true), MostFileBytes, notLibrary, 0, 0},
           Row{Utf16("<KESTRELON/>" + declared, true, false), MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON><!-- <a b=\" -->" + declared + "</KESTRELON>", MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON><!-- <<!DOCTYPE a> --></KESTRELON>", MostFileBytes, notLibrary, 0, 0},
           // Read in UTF-16 from the place the declaration ends in its 8-bit text, as the reader would.
           Row{utf16Declaration + std::string(utf16Declaration.size(), ' ') + Utf16("<KESTRELON/>" + declared, false, false),
               MostFileBytes, notLibrary, 0, 0},
           // Across the place where the text is cut into pieces to be read.
           Row{"<KESTRELON>" + std::string((1 << 16) - 15, ' ') + declared + "</KESTRELON>", MostFileBytes, notLibrary, 0, 0},
           Row{"<KESTRELON><!-- <a b=\" --><![CDATA[<a b=\"]]><?a <a b=\"?><b></b><a" + Attributes(MostLibraryAttributes + 1) + "/></KESTRELON>",
               MostFileBytes, notLibrary, 0, 0},
           // An instruction amid a text, written with a line break after it that adds to the text.
           Row{"<KESTRELON><VEHICLE><Name>A<?b?>B</Name></VEHICLE></KESTRELON>", MostFileBytes, notLibrary, 2},
           // Only named like a declaration: the accented text is no UTF-8.
           Row{"<?xmls encoding=\"windows-1252\"?><KESTRELON><VEHICLE><Name>\xC9</Name></VEHICLE></KESTRELON>", MostFileBytes, notLibrary, 0},
           Row{"<OTHER/>", MostFileBytes, notLibrary, 1},
       }) {
    SCOPED_TRACE(row.bytes.substr(0, 80));
    folder.write("KOBEX.XML", row.bytes);
    windows.answers = {{car}};
    seam.asked.clear();
    parses = outlines = 0;
    FileConvertWithin(row.mostBytes);
    EXPECT_EQ(test::TempFolder::read(LibraryPath()), row.bytes);
    EXPECT_EQ(std::tie(parses, outlines), std::tie(row.parsed, row.outlined));
    ASSERT_EQ(seam.asked.size(), 1u);
    EXPECT_EQ(seam.asked[0].text, row.said);
    EXPECT_EQ(std::tie(seam.asked[0].style, seam.asked[0].title),
              std::tuple(row.said == notLibrary ? Msg::Exclamation : Msg::OKOnly | Msg::Critical, "Convert"));
  }
  // A library the racer may not read is a file error, told as one, and is left alone too.
  test::FailingFileSystem fs;
  fs.unreadable = {LibraryPath()};
  windows.answers = {{car}};
  seam.asked.clear();
  FileConvert();
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{{"Unexpected Error # 13 : Permission denied", Msg::OKOnly | Msg::Critical, "Convert"}}));
  EXPECT_EQ(test::TempFolder::read(LibraryPath()), "<OTHER/>");
}

// A library past the bound is refused unread; one that would grow past the bound is not written.
// Either is told and left as it was.
TEST_F(VehicleLibrary, ALibraryTooLargeToReadOrToWriteIsLeftAlone) {
  const std::string car = WriteVehicle("CAR");
  windows.answers = {{car}};
  FileConvert();
  const std::string one = test::TempFolder::read(LibraryPath());
  for (const auto& [library, bound] : {std::pair(one, one.size() - 1), std::pair(one, one.size() + 1000)}) {
    folder.write("KOBEX.XML", library);
    windows.answers = {{car}};
    seam.answers = {Msg::No};
    LibraryAsk.InputBox = [](const std::string&, const std::string&) { return std::string("OTHER"); };
    seam.asked.clear();
    FileConvertWithin(bound);
    EXPECT_EQ(test::TempFolder::read(LibraryPath()), library);
    EXPECT_EQ(seam.asked.back().text, "Unexpected Error # 27 : File too large");
    EXPECT_EQ(seam.asked.back().title, "Convert");
  }
  // Exactly as many elements as the bound allows is still a library, and takes the vehicle.
  const std::size_t wide = 4 * one.size();
  std::string full = "<KESTRELON>";
  for (std::size_t i = 1; i < MostLibraryElements(wide); ++i) full += "<a/>";
  full += "</KESTRELON>";
  folder.write("KOBEX.XML", full);
  windows.answers = {{car}};
  seam.answers.clear();
  seam.asked.clear();
  FileConvertWithin(wide);
  EXPECT_TRUE(seam.asked.empty());
  EXPECT_NE(test::TempFolder::read(LibraryPath()), full);
  // A full-size library holds as many elements as real vehicles of at least 24 bytes an element.
  EXPECT_EQ(MostLibraryElements(MostFileBytes), 2796202u);
}

TEST_F(VehicleLibrary, ControlCharactersAndCodePageTextsReadBackInTheDeclaredEncoding) {
  const std::string library = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<KESTRELON/>\n";
  folder.write("KOBEX.XML", library);
  const std::string car = WriteVehicle("\xC3\x81ngel");
  std::filesystem::rename(folder.file("\xC3\x81ngel.WCD"), car);
  S.VehicleFileDescription.clear();
  {
    // Texts as the vehicle file carries them: a stray control character and a code-page letter.
    SharedState working = S;
    S.DataDescription = "caf\xE9\x1A";
    S.VehicleData[2][1] = "x\x01y";
    S.VehicleData[2][2] = "\xA0\xA0";  // no-break spaces alone, which a reader drops
    S.PowerDescript[0] = "\x07Gas";
    S.PowerCurve[0][35] = 245.5f;
    ASSERT_TRUE(WriteVehicleFile(car).ok());
    ASSERT_TRUE(WritePowerFile(folder.file("\xC3\x81ngel.VCD")).ok());
    S = working;
  }
  windows.answers = {{car}, {car}};
  FileConvert();
  seam.answers = {Msg::Yes};
  FileConvert();  // the same name is found again: one question, one vehicle
  ASSERT_EQ(seam.asked.size(), 1u);
  EXPECT_EQ(seam.asked[0].text, "A vehicle called \xC1ngel already exists.\r\nDo you want to overwrite it?");
  const std::string bytes = test::TempFolder::read(LibraryPath());
  EXPECT_NE(bytes.find("<Name>\xC1ngel</Name>"), std::string::npos) << bytes;
  const std::unique_ptr<XmlDocument> doc = ParseVehicleLibrary(bytes);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->Children(doc->Root()).size(), 1u);
  const XmlElement vehicle = FindVehicle(*doc, "\xC1ngel");
  ASSERT_NE(vehicle, NoXmlElement);
  auto text = [&](XmlElement parent, std::initializer_list<const char*> path) {
    for (const char* name : path) parent = doc->FirstChild(parent, name);
    return doc->ElementText(parent);
  };
  EXPECT_EQ(text(vehicle, {"Description"}), "caf\xE9 \r\ncaf\xE9 ");
  EXPECT_EQ(text(vehicle, {"CHASSIS", "ChassisWheelbase"}), "x y");
  EXPECT_EQ(text(vehicle, {"CHASSIS", "ChassisWeight"}), "");
  EXPECT_EQ(text(vehicle, {"POWER", "CURVE0", "TITLE"}), " Gas");
}

TEST_F(VehicleLibrary, ALibraryThatWouldNotReadBackIsLeftAsItWas) {
  // The euro sign of a curve title has no place in the encoding another program chose.
  const std::string library = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<KESTRELON/>\n";
  folder.write("KOBEX.XML", library);
  const std::string car = WriteVehicle("CAR");
  const SharedState working = S;
  S.PowerDescript[0] = "\x80 5000";
  S.PowerCurve[0][35] = 245.5f;
  ASSERT_TRUE(WritePowerFile(folder.file("CAR.VCD")).ok());
  S = working;
  windows.answers = {{car}};
  FileConvert();
  EXPECT_EQ(test::TempFolder::read(LibraryPath()), library);
  EXPECT_EQ(test::AllSaid(seam.asked),
            (std::vector<test::Said>{{LibraryPath() + " could not be written so that it reads back - it has not been changed",
                                      Msg::Exclamation, "Convert"}}));
}

TEST_F(VehicleLibrary, CancelledDialogsAndRejectedFilesStopTheConversion) {
  const std::string car = WriteVehicle("CAR");
  std::filesystem::remove(folder.file("CAR.VCD"));
  const std::string broken = folder.write("BAD.WCD", "//*short\r\n1\r\n");
  for (auto answers : {std::deque<test::DialogAnswer>{{""}},
                       std::deque<test::DialogAnswer>{{car}, {""}},
                       std::deque<test::DialogAnswer>{{broken}}}) {
    windows.answers = answers;
    FileConvert();
    EXPECT_FALSE(std::filesystem::exists(LibraryPath()));
  }
  EXPECT_EQ(windows.dialogs.at(2).look.title, "Select Power data");
  EXPECT_EQ(S.VehicleData[2][2], "working");
}

TEST_F(VehicleLibrary, OnlyAKestrelonRootIsALibrary) {
  EXPECT_NE(ParseVehicleLibrary("<KESTRELON><VEHICLE><Name>A</Name></VEHICLE></KESTRELON>"), nullptr);
  for (const char* bytes : {"", "<KESTRELON>", "<kestrelon/>", "<OTHER/>", "\xff\xfe<"})
    EXPECT_EQ(ParseVehicleLibrary(bytes), nullptr) << bytes;
  // A declaration the parser lets through but whose written form would not read again: the
  // library is refused as it is read, so it is never saved unreadable.
  EXPECT_EQ(ParseVehicleLibrary("<?@@x?>\n<KESTRELON><VEHICLE><Name>A</Name></VEHICLE></KESTRELON>"), nullptr);
  // Nested 32 deep is a library; a level more is not.
  for (const std::size_t depth : {32, 33})
    EXPECT_EQ(ParseVehicleLibrary(Repeated(depth, "<KESTRELON>") + Repeated(depth, "</KESTRELON>")) != nullptr, depth == 32);
  // A declaration, a comment and an instruction before a root of as many attributes as the bound
  // allows, and a CDATA section in it, each holding what looks like a tag of more, after a ">" and
  // one of each closing mark's characters.
  const std::string more = " > - ] ? <a" + Attributes(MostLibraryAttributes + 1);
  EXPECT_NE(ParseVehicleLibrary("<?xml version='1.0' encoding='UTF-8'?><!--" + more + " --><?a" + more + "?><KESTRELON" +
                                Attributes(MostLibraryAttributes) + "><![CDATA[" + more + "]]></KESTRELON>"),
            nullptr);
  // Names with a prefix are names like any other, and a UTF-8 library's letters are read as such.
  EXPECT_NE(ParseVehicleLibrary("<KESTRELON><k:VEHICLE/></KESTRELON>"), nullptr);
  const auto utf8 = ParseVehicleLibrary("<?xml version='1.0' encoding='UTF-8'?><KESTRELON><VEHICLE><Name>\xC3\x81</Name></VEHICLE></KESTRELON>");
  EXPECT_NE(FindVehicle(*utf8, "\xC1"), NoXmlElement);
  int parses = 0, outlines = 0;  // a library that is its own written form is parsed once
  MakeXmlDocument = [&] { return std::make_unique<ParseCounted>(parses, outlines); };
  EXPECT_TRUE(ParseVehicleLibrary("<KESTRELON/>\n") && parses == 1);
}

TEST(LibraryTexts, NamesAndTorques) {
  EXPECT_EQ(VehicleNameOfFile("/data/CAR.2024.WCD"), "CAR");
  EXPECT_EQ(VehicleNameOfFile("/data/.hidden"), ".hidden");
  EXPECT_EQ(VehicleNameOfFile("/data/\xC3\x81ngel.WCD"), "\xC1ngel");  // the file system's UTF-8 as program text
  EXPECT_EQ(LibraryTorqueText(245.5f), "245.5");
  EXPECT_EQ(LibraryTorqueText(0.1f), "0.1");
  EXPECT_EQ(LibraryTorqueText(1234.567f), "1234.567");
  EXPECT_EQ(LibraryItems().size(), 183u);
}

}  // namespace
}  // namespace kestrelon
