// The help pages against the program: every Help button and Help menu item of every window opens
// a page that exists, every link of every page leads to a page, and every caption of a data
// window (labels, tick boxes, option buttons and frames) is explained on the page its Help opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <map>
#include <memory>
#include <set>

#include "core/state.h"
#include "core/tables.h"
#include "core/ui/form1.h"
#include "core/units.h"
#include "core/ui/frmsetup.h"
#include "app/program_windows.h"
#include "entry/ui/frmNitrousAdjust.h"
#include "platform/qt/form.h"
#include "platform/qt/help_window.h"
#include "support/scripted_ui.h"

namespace kestrelon {
namespace {

// The windows the program makes outside the register: the main bar, Setup and the nitrous
// power calculator, each made as the program makes it.
std::vector<std::unique_ptr<Form>> UnregisteredWindows() {
  std::vector<std::unique_ptr<Form>> windows;
  windows.push_back(std::make_unique<Form1>());
  windows.push_back(std::make_unique<frmsetup>());
  windows.push_back(std::make_unique<frmNitrousAdjust>());
  return windows;
}

// Closes the help window and lets it go, so the next page opens in a fresh window.
void CloseHelp() {
  CloseAllHelp();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Caption(QString text) { return text.remove('&').remove(QStringLiteral("...")).trimmed(); }

int PageShown() {
  if (!HelpWindow()) return 0;
  static const QRegularExpression number(QStringLiteral("(\\d+)\\.html$"));
  const auto match = number.match(HelpWindow()->source().toString());
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Presses every Help button and Help menu item of the window; the pages they opened.
std::set<int> PressHelp(QWidget* window, test::ScriptedUi& scripted) {
  std::set<int> pages;
  auto opened = [&](const QString& what) {
    const int page = PageShown();
    EXPECT_TRUE(scripted.asked.empty())
        << window->objectName().toStdString() << " " << what.toStdString() << ": "
        << (scripted.asked.empty() ? "" : scripted.asked.front().text);
    EXPECT_TRUE(page != 0 && HelpPageExists(page)) << window->objectName().toStdString();
    scripted.asked.clear();
    pages.insert(page);
    CloseHelp();
  };
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (Caption(button->text()) == QStringLiteral("Help")) {
      button->click();
      opened(QStringLiteral("button"));
    }
  for (QAction* action : window->findChildren<QAction*>())
    if (!action->menu() && Caption(action->text()) == QStringLiteral("Help")) {
      action->trigger();
      opened(QStringLiteral("menu item"));
    }
  return pages;
}

QString PageHtml(int page) {
  QFile file(QStringLiteral(":/help/%1.html").arg(page));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << page;
  return QString::fromUtf8(file.readAll());
}

QString PageText(int page) {
  QTextDocument document;
  document.setHtml(PageHtml(page));
  return document.toPlainText().simplified();
}

std::vector<int> AllPages() {
  std::vector<int> pages;
  for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
    pages.push_back(name.chopped(5).toInt());
  return pages;
}

// The captions a racer reads on the window, as it is built (before any figures are loaded).
QStringList Captions(const QWidget* window) {
  QStringList captions;
  auto add = [&](const QString& text) {
    const QString caption = Caption(text).simplified();
    if (!caption.isEmpty()) captions << caption;
  };
  for (const QLabel* label : window->findChildren<QLabel*>())
    if (label->pixmap().isNull()) add(label->text());
  for (const QCheckBox* box : window->findChildren<QCheckBox*>()) add(box->text());
  for (const QRadioButton* option : window->findChildren<QRadioButton*>()) add(option->text());
  for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) add(frame->title());
  return captions;
}

// The vehicle's data windows, the dialogs they lead to and the other windows whose captions are
// fixed, with the page that explains them.
const std::map<std::string, int> DataWindowPages = {
    {"frmDataAero", 1},       {"frmDataChassis", 3}, {"frmDataClutch", 4},
    {"frmDataClutchTimers", 5}, {"frmDataInertia", 7}, {"frmDataLaunch", 9},
    {"frmDataNitrous", 10},   {"frmNitrousAdjust", 10}, {"frmDataThrottle", 16},
    {"frmDataGears", 17},     {"frmDataTyre", 18},    {"frmEstimate", 6},
    {"frmEstResult", 6},      {"frmPNAData", 11},    {"frmTree", 13},
    {"frmsetup", 14},         {"frmSimDisplay", 15},  {"frmGraphDyn", 15},
    {"frmGraphCascade", 2},   {"frmPowerManipulate", 12}, {"frmPowerText", 11},
};

class HelpPages : public ::testing::Test {
 protected:
  void SetUp() override { RegisterProgramWindows(); }
  void TearDown() override {
    CloseHelp();
    Form::DeleteInstances();
  }
  test::ScriptedUi scripted;
  test::ScopedUi guard{scripted};
};

TEST_F(HelpPages, EveryHelpButtonAndMenuItemOpensAPage) {
  std::set<int> opened;
  for (const std::string& name : Form::RegisteredNames())
    if (Form* window = Form::Instance(name)) opened.merge(PressHelp(window, scripted));
  for (const auto& window : UnregisteredWindows()) opened.merge(PressHelp(window.get(), scripted));
  // The main bar's Help opens the contents; the data windows their own pages.
  EXPECT_TRUE(opened.count(HelpContentsTopic));
  EXPECT_GE(opened.size(), 15u);
}

TEST_F(HelpPages, EveryPageIsListedOnTheContentsAndEveryLinkLeadsToAPage) {
  const std::vector<int> pages = AllPages();
  ASSERT_FALSE(pages.empty());
  static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
  std::set<QString> listed;
  for (int page : pages) {
    auto links = link.globalMatch(PageHtml(page));
    int count = 0;
    while (links.hasNext()) {
      const QString target = links.next().captured(1);
      const QString file = target.section('#', 0, 0);
      EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + file))
          << page << ".html links to " << target.toStdString();
      if (page == HelpContentsTopic) listed.insert(file);
      ++count;
    }
    if (page != HelpContentsTopic) {
      EXPECT_GT(count, 0) << page << ".html leads nowhere";
    }
  }
  for (int page : pages) {
    if (page == HelpContentsTopic) continue;
    EXPECT_TRUE(listed.count(QStringLiteral("%1.html").arg(page)))
        << page << ".html is missing from the contents";
  }
}

TEST_F(HelpPages, EveryCaptionOfADataWindowIsExplainedOnItsPage) {
  const std::vector<std::unique_ptr<Form>> unregistered = UnregisteredWindows();
  for (const auto& [name, page] : DataWindowPages) {
    Form* window = Form::Instance(name);
    for (const auto& w : unregistered)
      if (!window && w->FormName().toStdString() == name) window = w.get();
    ASSERT_NE(window, nullptr) << name;
    // A window with its own Help button opens the page its captions are checked against.
    const std::set<int> opened = PressHelp(window, scripted);
    if (!opened.empty()) {
      EXPECT_EQ(opened, std::set<int>{page}) << name;
    }
    const QString text = PageText(page);
    for (const QString& caption : Captions(window))
      EXPECT_TRUE(text.contains(caption))
          << name << ": \"" << caption.toStdString() << "\" is not on " << page << ".html";
  }
}

// Whether some kind of figure takes the text with a unit of its own.
bool AcceptedWithAUnit(const QString& text) {
  for (const char* type : {"length", "mass", "force", "torque", "rate", "area", "pressure", "speed",
                           "inertia", "temp", "power", "volume"}) {
    ParseValueWithUnits(text.toStdString(), type);
    if (S.UnitsParseOK == 1 && S.UnitsLastIndex != 0) return true;
  }
  return false;
}

// The figures the pages give as examples to type ("147mm", "2*49in", "1.2 bar") are ones the
// program takes; the one the contents gives as refused is refused.
TEST_F(HelpPages, EveryExampleFigureIsAccepted) {
  InitTables();
  static const QRegularExpression bold(QStringLiteral("<b>([^<]*)</b>"));
  static const QRegularExpression figure(QStringLiteral("^[0-9.,*/+-]+ ?[A-Za-z/]+$"));
  int checked = 0;
  for (int page : AllPages()) {
    auto examples = bold.globalMatch(PageHtml(page));
    while (examples.hasNext()) {
      const QString text = examples.next().captured(1);
      if (!figure.match(text).hasMatch()) continue;
      EXPECT_TRUE(AcceptedWithAUnit(text)) << page << ".html: " << text.toStdString();
      ++checked;
    }
  }
  EXPECT_GT(checked, 50);
  EXPECT_TRUE(PageHtml(HelpContentsTopic).contains(QStringLiteral("<b>3ft 2in</b> is refused")));
  EXPECT_FALSE(AcceptedWithAUnit(QStringLiteral("3ft 2in")));
}

}  // namespace
}  // namespace kestrelon
