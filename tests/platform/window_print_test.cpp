// A window's print as the run graph and the cascade use it: the page holds what the window shows
// below its menu bar, not the menus with "Print" drawn pressed, nor the buttons left out.
#include "platform/qt/window_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "support/pdf_answer.h"

namespace kestrelon {
namespace {

TEST(WindowPrint, ThePageHoldsTheWindowBelowItsMenuBar) {
  QWidget window;
  window.resize(400, 300);
  auto* menus = new QMenuBar(&window);
  menus->addAction(QStringLiteral("&Print"));
  menus->setGeometry(0, 0, window.width(), menus->sizeHint().height());
  auto* button = new QPushButton(&window);  // a window's own button, left off the page
  button->setGeometry(300, 250, 80, 30);
  QPalette yellow = window.palette();
  yellow.setColor(QPalette::Window, Qt::yellow);
  window.setPalette(yellow);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
  test::PdfAnswer answer(pdf);
  ASSERT_TRUE(PrintWindowImage(window, "Print", NotReady::Ends, {button}));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // The one picture on the page, at the size the window drew it.
  const auto image = QRegularExpression(QStringLiteral(R"(/Subtype /Image\s*/Width (\d+)\s*/Height (\d+))"))
                         .match(QString::fromLatin1(file.readAll()));
  ASSERT_TRUE(image.hasMatch());
  EXPECT_EQ(std::tuple(image.captured(1).toInt(), image.captured(2).toInt()),
            std::tuple(400, 300 - menus->height()));
  const QPoint place = button->geometry().center() - QPoint(0, menus->height());
  EXPECT_NE(WindowImage(window).toImage().pixelColor(place), QColor(Qt::yellow));
  EXPECT_EQ(WindowImage(window, {button}).toImage().pixelColor(place), QColor(Qt::yellow));
}

}  // namespace
}  // namespace kestrelon
