// Test entry point: a QApplication under the offscreen platform, so window tests can run
// headless beside the logic tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The toolkit's own settings (the file dialog's last folder and history) go to a folder of
  // this run: test executables running side by side would otherwise share and rewrite them.
  const QTemporaryDir config;
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  // The machine's print queues are hidden before anything asks for a printer: the print server
  // is looked for at a socket that is not there, so every print of the tests writes a PDF file,
  // as on a machine without a printer, and none waits for or reaches a real one.
  setenv("CUPS_SERVER", (config.path() + QStringLiteral("/no-print-server")).toLocal8Bit().constData(), 1);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());  // as the program does at start
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
