// A window's print as the run graph and the cascade use it: the page holds what the window shows
// below its menu bar, not the menus with "Print" drawn pressed.
#include "platform/qt/window_print.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
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
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  QTemporaryDir folder;
  const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
  test::PdfAnswer answer(pdf);
  ASSERT_TRUE(PrintWindowImage(window, "Print"));
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // The one picture on the page, at the size the window drew it.
  const auto image = QRegularExpression(QStringLiteral(R"(/Subtype /Image\s*/Width (\d+)\s*/Height (\d+))"))
                         .match(QString::fromLatin1(file.readAll()));
  ASSERT_TRUE(image.hasMatch());
  EXPECT_EQ(std::tuple(image.captured(1).toInt(), image.captured(2).toInt()),
            std::tuple(400, 300 - menus->height()));
}

}  // namespace
}  // namespace kestrelon
