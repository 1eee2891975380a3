// The listing window as a racer uses it: a long report scrolled to its last line, a new font,
// Print to File (saved, cancelled, refused) and Print to Printer into a PDF file.
#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "core/command_line.h"
#include "core/window_list.h"
#include "core/ui/form1.h"
#include "files/ui/file_window_fixture.h"
#include "support/pdf_answer.h"
#include "platform/qt/qt_canvas.h"
#include "report/report_fixture.h"
#include "report/ui/frmList.h"
#include "report/ui/report_windows.h"

namespace kestrelon::test {
namespace {

class ListWindowTest : public FileWindowTest {
 protected:
  void SetUp() override {
    FileWindowTest::SetUp();
    RegisterReportWindows();
  }
  void TearDown() override {
    FileWindowTest::TearDown();
    S = SharedState{};
    Cfg = Settings{};
  }
  frmList* Open() {
    auto* window = static_cast<frmList*>(Form::Instance("frmList"));
    ShowAndPaint(window);
    return window;
  }
  static bool InkBetween(const QImage& image, int top, int bottom) {
    for (int y = std::max(0, top); y < std::min(bottom, image.height()); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(255, 255, 255)) return true;
    return false;
  }
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.file("")))
      names.push_back(entry.path().filename().string());
    return names;
  }
};

TEST_F(ListWindowTest, ALongReportScrollsToItsLastLine) {
  GoldenVehicle();
  // Curve rows 10 to 200, two nitrous stages, eight gears, some 220 mph at the end.
  S.MinRPMIndex = 10;
  S.MaxRPMIndex = 200;
  for (int c = 0; c < 3; ++c)
    for (int row = 10; row <= 200; ++row) S.PowerCurve[c][row] = 300.0f + 10 * c;
  S.GearCount = 8;
  for (int g = 1; g <= 8; ++g) {
    S.GearInternal[g] = 3.0f - 0.25f * g;
    S.GearOverall[g] = 6.45f * S.GearInternal[g];
  }
  SetSteadyRun(1000, 0.05f, 2.0f);
  frmList* window = Open();
  EXPECT_EQ(window->Caption(), QStringLiteral("Performance Data"));

  const int max = window->VScroll1->maximum();
  ASSERT_GT(max, 0);
  window->VScroll1->setValue(max);
  QApplication::processEvents();
  EXPECT_EQ(window->Listing->y(), -max);
  EXPECT_EQ(window->Listing->y() + window->Listing->height(), window->ListingArea->height());
  // The closing line is drawn inside the picture, so the bottom of the scroll shows it.
  const double bottom = window->ReportBottom();
  EXPECT_LE(bottom, window->Listing->height());
  const int line = window->VScroll1->singleStep();
  EXPECT_TRUE(InkBetween(window->Listing->image(), static_cast<int>(bottom) - line,
                         static_cast<int>(bottom)));
  EXPECT_FALSE(InkBetween(window->Listing->image(), static_cast<int>(bottom) + 1,
                          window->Listing->height()));

  // The wheel over the report moves it back up.
  QWheelEvent wheel(QPointF(50, 50), window->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window, &wheel);
  EXPECT_LT(window->VScroll1->value(), max);
  // And the keys: Home to the top, a page down, then Left a line back up.
  for (Qt::Key key : {Qt::Key_Home, Qt::Key_PageDown, Qt::Key_Left}) QTest::keyClick(window, key);
  EXPECT_EQ(window->Listing->y(), window->VScroll1->singleStep() - window->VScroll1->pageStep());
}

// Asked to draw the model anew, the listing draws it even when the report keeps its length; one
// minimised while the model changed shows the model as it is once restored.
TEST_F(ListWindowTest, ALaterReportIsDrawnAtTheSameLengthAndAfterBeingMinimised) {
  GoldenVehicle();
  frmList* window = Open();
  const QImage golden = window->Listing->image();
  const QSize size = window->Listing->size();
  S.VehicleName = "Silver";  // the same report under another name
  window->RedrawFromModel();
  ASSERT_EQ(window->Listing->size(), size);
  EXPECT_NE(window->Listing->image(), golden);

  window->setWindowState(Qt::WindowMinimized);
  QApplication::processEvents();
  S.VehicleName = "Golden";
  window->setWindowState(Qt::WindowNoState);
  QApplication::processEvents();
  EXPECT_EQ(window->Listing->image(), golden);
}

TEST_F(ListWindowTest, AStoredFontThatCannotBeReadStillListsTheWindow) {
  GoldenVehicle();
  Cfg.ListFontName = "No Such Font";
  Cfg.ListFontSize = "huge";
  Cfg.ListColor = "-5";
  Cfg.ListWidth = 10'000'000;  // wider than any screen: the design width
  frmList* window = Open();
  EXPECT_TRUE(OpenWindows.Contains("Performance Data"));
  EXPECT_EQ(window->Font().name, "No Such Font");
  EXPECT_EQ(window->Font().size, 8.25);
  EXPECT_EQ(window->Font().color, QBColor(0));
  EXPECT_EQ(window->width(), 11400 / TwipsPerPixel);
  EXPECT_GT(window->ReportBottom(), 0);
  window->ListExit_Click();
  EXPECT_FALSE(OpenWindows.Contains("Performance Data"));
}

TEST_F(ListWindowTest, ANewFontLaysTheListingOutAgainAndIsKept) {
  GoldenVehicle();
  frmList* window = Open();
  const int height = window->Listing->height();
  const int step = window->VScroll1->singleStep();
  const int range = window->VScroll1->maximum();

  window->ApplyListFont({"", 20, true, QBColor(4)});
  EXPECT_GT(window->Listing->height(), height);
  EXPECT_GT(window->VScroll1->singleStep(), step);
  EXPECT_GT(window->VScroll1->maximum(), range);
  const QImage& image = window->Listing->image();
  bool red = false;
  for (int y = 0; y < 200 && !red; ++y)
    for (int x = 0; x < image.width() && !red; ++x) red = image.pixel(x, y) == qRgb(128, 0, 0);
  EXPECT_TRUE(red);

  window->ListExit_Click();
  EXPECT_FALSE(window->IsLoaded());
  EXPECT_EQ(std::tie(Cfg.ListFontSize, Cfg.ListColor, Cfg.ListFontItalic),
            std::tuple("20", std::to_string(QBColor(4)), True));
  EXPECT_NE(Cfg.ListFontName, "unknown");
  EXPECT_GE(Cfg.ListWidth, 0);
  window = Open();
  EXPECT_EQ(window->Font().size, 20);
  EXPECT_EQ(window->Font().color, QBColor(4));
}

TEST_F(ListWindowTest, SetFontOffersTheListingsOwnColourEvenOutsideThePalette) {
  GoldenVehicle();
  Cfg.ListFontName = "DejaVu Sans";
  Cfg.ListFontSize = "9";
  Cfg.ListColor = std::to_string(Rgb(0x12, 0x34, 0x56));  // kept from an earlier choice
  frmList* window = Open();
  ASSERT_EQ(window->Font().color, Rgb(0x12, 0x34, 0x56));
  // The racer opens Set Font and confirms it as offered.
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
  });
  window->ListFont_Click();
  EXPECT_EQ(window->Font().color, Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(window->Font().size, 9);
}

TEST_F(ListWindowTest, PrintToFileOfTheFirstExampleAfterARun) {
  ExamplePair("WESTFLD", "EX");
  ParseCommandLine("EX.WCD EX.VCD");
  auto bar = std::make_unique<Form1>();
  bar->Load();
  ASSERT_EQ(S.RunDone, True);
  const std::string name = S.VehicleName;
  frmList* window = Open();

  DialogDriver driver;
  driver.actions = {TypeAndOpen(QStringLiteral("REPORT.TXT"))};
  window->FilePrint_Click();
  const std::string text = TempFolder::read(folder.file("REPORT.TXT"));
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.rfind(" \r\nPERFORMANCE DATA", 0), 0u);
  for (const char* heading : {"\r\nENGINE DATA\r\n \r\n", "\r\nVEHICLE DATA\r\n \r\n",
                              "\r\nTRANSMISSION DATA\r\n \r\n", "\r\nPERFORMANCE DATA\r\n \r\n",
                              "\r\n0 - 10 ", "\r\n 4  "})
    EXPECT_NE(text.find(heading), std::string::npos) << heading;
  EXPECT_EQ(text.substr(text.size() - 29), "\r\n\r\nEnd of performance data\r\n");
  // Every line ends in CR LF.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'));
  EXPECT_NE(text.find("1/4 mile           " + Format(S.Time1320ft, "#0.000") + " seconds at " +
                      Format(S.Speed1320ft, "##0.00") + " mph"),
            std::string::npos);
  EXPECT_EQ(S.VehicleName, name);
  EXPECT_TRUE(ui.asked.empty());
  bar.reset();
}

TEST_F(ListWindowTest, PrintToFileCancelledOrRefusedWritesNothing) {
  GoldenVehicle();
  frmList* window = Open();
  const auto before = FolderFiles();
  const QCursor* cursor = QApplication::overrideCursor();
  {
    DialogDriver driver;  // no action: the dialog is cancelled
    window->FilePrint_Click();
  }
  EXPECT_EQ(FolderFiles(), before);
  EXPECT_TRUE(ui.asked.empty());

  DialogDriver driver;
  driver.actions = {TypeAndOpen(QStringLiteral("nosuch/REPORT.TXT"))};
  window->FilePrint_Click();
  // The file dialog's own look at the name may speak first; the report's message comes last.
  ASSERT_FALSE(ui.asked.empty());
  EXPECT_EQ(std::tie(ui.asked.back().text, ui.asked.back().style, ui.asked.back().title),
            std::tuple("Drive or path does not exist", Msg::OKOnly | Msg::Exclamation,
                       "Save Performance Data to File"));
  EXPECT_EQ(FolderFiles(), before);
  EXPECT_TRUE(window->IsLoaded());
  EXPECT_EQ(QApplication::overrideCursor(), cursor);
}

// Print to File onto a vehicle file: No brings the dialog back and Cancel there leaves the
// file byte for byte; Yes replaces it with the report.
TEST_F(ListWindowTest, PrintToFileOverAnExistingFileAsksFirst) {
  GoldenVehicle();
  const std::string car = GoldenPair(folder, "CAR");
  const std::string vehicle = TempFolder::read(car);
  frmList* window = Open();
  for (const int answer : {Msg::No, Msg::Yes}) {
    ui.asked.clear();
    ui.answers = {answer};
    DialogDriver driver;  // after a No the dialog comes back and is cancelled
    driver.actions = {TypeAndOpen(QStringLiteral("CAR.WCD"))};
    window->FilePrint_Click();
    ASSERT_EQ(ui.asked.size(), 1u);
    EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style, ui.asked[0].title),
              std::tuple(car + " already exists. Do you want to replace it?",
                         Msg::YesNo | Msg::Exclamation | Msg::DefaultButton2, "Save Performance Data to File"));
    EXPECT_EQ(driver.shown, answer == Msg::No ? 2 : 1);
    EXPECT_EQ(TempFolder::read(car) == vehicle, answer == Msg::No);
  }
  EXPECT_EQ(TempFolder::read(car).rfind(" \r\nPERFORMANCE DATA", 0), 0u);
}

TEST_F(ListWindowTest, PrintToPrinterMakesAPdfOfSeveralPages) {
  GoldenVehicle();
  frmList* window = Open();
  PdfAnswer answer(QString::fromStdString(folder.file("report.pdf")));
  window->ListPrint_Click();
  const std::string pdf = TempFolder::read(folder.file("report.pdf"));
  ASSERT_FALSE(pdf.empty());
  const QString text = QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()));
  const auto pages = text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
  EXPECT_GE(pages, 2);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(window->IsLoaded());
}

TEST_F(ListWindowTest, APrinterThatCannotStartSaysSoAndTheProgramGoesOn) {
  GoldenVehicle();
  frmList* window = Open();
  PdfAnswer answer(QString::fromStdString(folder.file("no/such/folder/report.pdf")));
  window->ListPrint_Click();
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(std::tie(ui.asked[0].text, ui.asked[0].style, ui.asked[0].title),
            std::tuple("Printer not ready", Msg::OKOnly | Msg::Exclamation, "Print Performance Data"));
  EXPECT_TRUE(window->IsLoaded());
}

}  // namespace
}  // namespace kestrelon::test
