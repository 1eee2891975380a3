// Windows on a small or scaled screen: 1024 x 768 at scale 1.5 leaves about 683 x 512 pixels.
#include <gtest/gtest.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>
#include <tuple>

#include "core/settings.h"
#include "core/window_list.h"
#include "platform/qt/form.h"
#include "platform/qt/screen_place.h"

namespace kestrelon {
namespace {

const QRect SmallScreen(0, 0, 683, 512);

// Whether the window stands inside the area (the offscreen platform draws no frames).
bool Inside(const QWidget& window, const QRect& area) { return area.contains(window.geometry()); }

class TallForm : public Form {
 public:
  TallForm() : Form("frmTall", QStringLiteral("Tall window")) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < 30; ++i) layout->addWidget(new QLineEdit(this));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    layout->addWidget(OKButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { ++accepted; });
  }
  QPushButton* OKButton;
  int paints = 0, accepted = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    Form::paintEvent(event);
  }
};

// A window whose first paint widens a heading inside a frame of its controls, as the
// transmission form's speed heading does.
class HeadingForm : public Form {
 public:
  HeadingForm() : Form("frmHeading", QStringLiteral("Heading")) {
    auto* table = new QGroupBox(QStringLiteral("Table"), this);
    auto* grid = new QGridLayout(table);
    Heading = new QLabel(QStringLiteral("Speed"), table);
    Heading->setMinimumWidth(600);
    grid->addWidget(Heading, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(new QPushButton(QStringLiteral("OK"), this));
  }
  QLabel* Heading;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (++paints == 1) Heading->setMinimumWidth(700);
    Form::paintEvent(event);
  }
};

class ScreenFit : public ::testing::Test {
 protected:
  void SetUp() override {
    OpenWindows = WindowList{};
    Cfg = Settings{};
  }
  void TearDown() override { WindowSystem = WindowSystemLook{}; }
};

TEST_F(ScreenFit, AWindowIsFittedWithWhatItsFirstPaintShowsAndWithItsFrame) {
  const QMargins frame(4, 30, 4, 4);
  WindowSystem.ScreenArea = [](const QWidget&) { return SmallScreen; };
  // The window system tells a window's frame once it shows it.
  WindowSystem.Frame = [frame](const QWidget& window) { return window.isVisible() ? frame : QMargins(); };
  HeadingForm form;
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  ASSERT_TRUE(QTest::qWaitFor([&] { return form.paints > 0; }));
  QCoreApplication::processEvents();
  EXPECT_TRUE(SmallScreen.contains(QRect(form.pos(), form.size().grownBy(frame))));
  EXPECT_TRUE(form.findChild<QScrollArea*>()->isAncestorOf(form.Heading));
  form.Unload();
}

TEST_F(ScreenFit, AFormTallerThanTheScreenScrollsAndKeepsItsButtonsAndPaints) {
  TallForm form;
  form.Load();
  ASSERT_GT(form.sizeHint().height(), SmallScreen.height());
  form.move(200, 100);
  FitInto(form, SmallScreen);
  EXPECT_TRUE(Inside(form, SmallScreen));
  EXPECT_EQ(form.pos(), QPoint(200, 0));  // only as far as it has to go
  auto* scroll = form.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->isAncestorOf(form.OKButton));

  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_GT(form.paints, 0);  // the window itself still paints, under its controls
  scroll->ensureWidgetVisible(form.OKButton);
  QCoreApplication::processEvents();
  EXPECT_FALSE(form.OKButton->visibleRegion().isEmpty());
  QTest::keyClick(form.findChildren<QLineEdit*>().front(), Qt::Key_Return);
  EXPECT_EQ(form.accepted, 1);
  form.Unload();
}

TEST_F(ScreenFit, APictureWindowShrinksToTheAreaAndAWindowThatFitsOnlyMoves) {
  // A window without a layout lays out its picture itself, at whatever size it has.
  Form picture("frmPicture", QStringLiteral("Picture"));
  picture.setMinimumSize(386, 310);
  picture.resize(1000, 700);
  picture.move(-188, -112);
  FitInto(picture, SmallScreen);
  EXPECT_EQ(std::tuple(picture.pos(), picture.size()), std::tuple(QPoint(0, 0), QSize(683, 512)));
  EXPECT_EQ(picture.findChild<QScrollArea*>(), nullptr);

  Form small("frmSmall", QStringLiteral("Small"));
  small.resize(300, 200);
  small.move(600, 400);
  FitInto(small, SmallScreen.translated(10, 20));
  EXPECT_EQ(std::tuple(small.pos(), small.size()), std::tuple(QPoint(393, 332), QSize(300, 200)));
}

TEST_F(ScreenFit, TheDefaultPlaceOfALargeWindowIsTheAreasTopLeft) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(CentredPlace(area.size() + QSize(400, 300)), area.topLeft());
  EXPECT_EQ(RightEdgePlace(area.size() + QSize(10, 10)), area.topLeft());
  EXPECT_EQ(CentredPlace(QSize(100, 50)), area.topLeft() + QPoint((area.width() - 100) / 2, (area.height() - 50) / 2));
}

}  // namespace
}  // namespace kestrelon
