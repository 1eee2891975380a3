// The life every window shares: load without showing, show, modal show, unload, the Window
// list entry, the shared instances and saved places.
#include "platform/qt/form.h"

#include <gtest/gtest.h>

#include <memory>

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "core/window_list.h"

namespace kestrelon {
namespace {

class Probe : public Form {
 public:
  explicit Probe(const QString& caption = QStringLiteral("Probe window"), bool listed = true)
      : Form("frmProbe", caption, listed) {
    resize(300, 200);
  }
  int loads = 0, unloads = 0;
  bool refuseUnload = false;
  bool acceptOnLoad = false;  // the automatic pass: the window accepts and goes as it loads

  using Form::PlaceAt;
  using Form::SavePlace;

 protected:
  void Form_Load() override {
    ++loads;
    if (acceptOnLoad) Unload();
  }
  void Form_QueryUnload(bool& cancel) override { cancel = refuseUnload; }
  void Form_Unload() override { ++unloads; }
};

class FormLife : public ::testing::Test {
 protected:
  void SetUp() override { OpenWindows = WindowList{}; }
};

TEST_F(FormLife, LoadsOnceWithoutShowingAndRegistersItsCaption) {
  Probe probe;
  probe.Load();
  probe.Load();
  EXPECT_EQ(std::tuple(probe.loads, probe.isVisible(), OpenWindows.Contains("Probe window")),
            std::tuple(1, false, true));
  EXPECT_EQ(Form::FindLoaded(QStringLiteral("frmProbe")), &probe);
  probe.Show();
  EXPECT_EQ(std::tuple(probe.loads, probe.isVisible()), std::tuple(1, true));
  EXPECT_TRUE(probe.Unload());
  EXPECT_EQ(probe.unloads, 1);
  EXPECT_FALSE(OpenWindows.Contains("Probe window"));
  EXPECT_EQ(Form::FindLoaded(QStringLiteral("frmProbe")), nullptr);
}

TEST_F(FormLife, ShowBringsBackAMinimisedWindowButKeepsAMaximisedOne) {
  Probe probe;
  probe.Show();
  probe.setWindowState(Qt::WindowMinimized);
  probe.Show();
  EXPECT_FALSE(probe.IsMinimised());
  EXPECT_FALSE(probe.isMaximized());
  probe.setWindowState(Qt::WindowMaximized);  // e.g. a window that restores its saved state
  probe.Show();
  EXPECT_TRUE(probe.isMaximized());
}

TEST_F(FormLife, RefusedUnloadKeepsTheWindow) {
  Probe probe;
  probe.Show();
  probe.refuseUnload = true;
  QCloseEvent close;
  QCoreApplication::sendEvent(&probe, &close);  // the frame's close button asks too
  EXPECT_TRUE(probe.IsLoaded());
  EXPECT_EQ(probe.unloads, 0);
  probe.refuseUnload = false;
  QCoreApplication::sendEvent(&probe, &close);
  EXPECT_FALSE(probe.IsLoaded());
}

TEST_F(FormLife, WindowThatGoesDuringItsLoadLeavesNoTrace) {
  Probe probe;
  probe.acceptOnLoad = true;
  probe.Show();
  EXPECT_FALSE(probe.isVisible() || probe.IsLoaded());
  EXPECT_TRUE(OpenWindows.Captions().empty());
}

TEST_F(FormLife, UnlistedWindowAndRenamedWindow) {
  Probe quiet(QStringLiteral("Quiet"), false);
  quiet.Load();
  EXPECT_TRUE(OpenWindows.Captions().empty());
  // An unlisted window's caption set as it opens (the file dialog's title), and a listed window's
  // set before its load, stay out of the list.
  quiet.SetCaption(QStringLiteral("Select Power data"));
  Probe unloaded;
  unloaded.SetCaption(QStringLiteral("Set early"));
  EXPECT_TRUE(OpenWindows.Captions().empty());
  Probe probe, later(QStringLiteral("Later"));
  probe.Load();
  later.Load();
  // A caption set again on every paint, then renamed: the window keeps its place in the list.
  OpenWindows.MarkBuilt();
  probe.SetCaption(QStringLiteral("Probe window"));
  EXPECT_EQ(std::tuple(OpenWindows.Captions(), OpenWindows.Stale()),
            std::tuple(std::vector<std::string>{"Probe window", "Later"}, false));
  probe.SetCaption(QStringLiteral("Renamed"));
  EXPECT_EQ(OpenWindows.Captions(), (std::vector<std::string>{"Renamed", "Later"}));
  probe.Unload();
  later.Unload();
  EXPECT_TRUE(OpenWindows.Captions().empty());
}

TEST_F(FormLife, ModalShowWaitsUntilUnloaded) {
  Probe probe;
  bool wasModal = false;
  QTimer::singleShot(0, [&] {
    wasModal = probe.isModal() && probe.isVisible();
    probe.Unload();
  });
  probe.ShowModal();
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(probe.IsLoaded() || probe.isModal());
}

// A window whose unload carries on at once into its own next life (a curve graph whose OK opens
// the next stage's graph) is waited for anew: the second wait lasts until that life ends too,
// and only then do both waits return, innermost first.
TEST_F(FormLife, AWindowWaitedForAgainBeforeItsFirstWaitReturnedGetsAWaitOfItsOwn) {
  Probe probe;
  std::vector<std::string> steps;
  bool secondLifeWaited = false;
  QTimer::singleShot(0, [&] {
    probe.Unload();
    QTimer::singleShot(0, [&] {
      secondLifeWaited = probe.IsShownModal() && probe.isVisible() && probe.isModal();
      probe.Unload();
    });
    probe.ShowModal();
    steps.push_back(probe.IsLoaded() ? "second wait ended early" : "second wait ended");
  });
  probe.ShowModal();
  steps.push_back("first wait ended");
  EXPECT_TRUE(secondLifeWaited);
  EXPECT_EQ(steps, (std::vector<std::string>{"second wait ended", "first wait ended"}));
  EXPECT_FALSE(probe.isModal() || probe.IsShownModal());
}

// A modeless window opened while another is waited for takes the input above it (it would
// otherwise be unusable), and is modeless again once it goes; so is a window once its wait ends.
TEST_F(FormLife, AModelessWindowOverAWaitTakesInputAndNoWindowStaysModal) {
  Probe waited;
  Probe over(QStringLiteral("Over"));
  bool overModal = false;
  QTimer::singleShot(0, [&] {
    over.Show();
    overModal = over.isModal() && QApplication::activeModalWidget() == &over;
    over.Unload();
    waited.Unload();
  });
  waited.ShowModal();
  EXPECT_TRUE(overModal);
  over.Show();  // nothing waits now
  EXPECT_FALSE(over.isModal() || waited.isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  over.Unload();
}

TEST_F(FormLife, AWindowShowsItsWholeCaption) {
  Probe probe;
  probe.SetCaption(QStringLiteral("Nitrous Oxide Settings"));
  probe.resize(40, 40);
  probe.Show();
  EXPECT_GE(probe.width(), Form::CaptionWidth(probe.Caption()));
  EXPECT_GT(Form::CaptionWidth(QStringLiteral("Wheel and Tyre Information")),
            Form::CaptionWidth(QStringLiteral("Wheel")));
  probe.Unload();
}

TEST_F(FormLife, SharedInstancePerName) {
  EXPECT_EQ(Form::Instance("frmNowhere"), nullptr);
  // The registration outlives the test (the register keeps every name), so its count must too.
  auto made = std::make_shared<int>(0);
  Form::Register("frmShared", [made] {
    ++*made;
    return new Probe(QStringLiteral("Shared"));
  });
  Form* first = Form::Instance("frmShared");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Form::Instance("frmShared"), first);
  EXPECT_EQ(*made, 1);
  Form::DeleteInstances();
  EXPECT_NE(Form::Instance("frmShared"), nullptr);
  EXPECT_EQ(*made, 2);
  Form::DeleteInstances();
}

TEST_F(FormLife, PlacesInTwipsAndCentringWhenNotSet) {
  Probe probe;
  probe.PlaceAt(1500, 3000);
  EXPECT_EQ(probe.pos(), QPoint(200, 100));
  Long top = 0, left = 0;
  probe.SavePlace(top, left);
  EXPECT_EQ(std::tuple(top, left), std::tuple(1500, 3000));
  probe.PlaceAt(-1, -1);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(probe.pos(), (QPoint(screen.width(), screen.height()) -
                          QPoint(probe.frameGeometry().width(), probe.frameGeometry().height())) /
                             2);
}

// A centred window narrower than its caption is widened before it is placed, so it shows
// centred.
TEST_F(FormLife, ACentredWindowWidenedToItsCaptionStaysCentred) {
  Probe probe(QStringLiteral("A caption much wider than the window it names"));
  probe.resize(60, 60);
  probe.PlaceAt(-1, -1);
  probe.Show();
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_NEAR(probe.frameGeometry().center().x(), centre.x(), 2);
  probe.Unload();
}

TEST(FormKeys, EnterPressesTheFocusedOrDefaultButtonAndEscapeTheCancelButton) {
  Form form("frmKeys", QStringLiteral("Keys"));
  auto* ok = new QPushButton("OK", &form);
  auto* cancel = new QPushButton("Cancel", &form);
  auto* help = new QPushButton("Help", &form);
  ok->setDefault(true);
  int oks = 0, cancels = 0, helps = 0;
  QObject::connect(ok, &QPushButton::clicked, [&] { ++oks; });
  QObject::connect(cancel, &QPushButton::clicked, [&] { ++cancels; });
  QObject::connect(help, &QPushButton::clicked, [&] { ++helps; });
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  QTest::keyClick(&form, Qt::Key_Escape);  // no cancel button named yet
  EXPECT_EQ(cancels, 0);
  form.SetCancelButton(cancel);
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(cancels, 1);

  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_EQ(oks, 1);
  help->setFocus();
  QTest::keyClick(help, Qt::Key_Enter);
  EXPECT_EQ(std::tuple(helps, oks), std::tuple(1, 1));

  ok->setEnabled(false);
  form.setFocus();
  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_EQ(oks, 1);

  // Kept loaded and shown again, the window takes Enter as its OK, as at its first opening,
  // wherever the focus went while it was hidden (a late activation by the window system).
  ok->setEnabled(true);
  form.Show();
  help->setFocus();
  form.Hide();
  cancel->setFocus();
  form.Show();
  QTest::keyClick(form.windowHandle(), Qt::Key_Return);
  EXPECT_EQ(std::tuple(oks, cancels), std::tuple(2, 1));
  auto* list = new QComboBox(&form);  // Enter in an open drop-down list only chooses, Esc only closes it
  list->addItems({"A", "B"});
  list->show();
  for (const auto& keys : {std::vector{Qt::Key_Down, Qt::Key_Return}, std::vector{Qt::Key_Escape}}) {
    list->showPopup();
    for (const auto key : keys) QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), key);
  }
  EXPECT_EQ(std::tuple(list->currentIndex(), oks, cancels, form.isVisible()), std::tuple(1, 2, 1, true));
  form.Unload();
}

}  // namespace
}  // namespace kestrelon
