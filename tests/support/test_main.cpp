// Test entry point: a QApplication under the offscreen platform, so window tests can run
// headless beside the logic tests. The tests keep their settings, and the toolkit's own (the file
// dialog's last folder), in a config folder of their own, so that no test run reads what another
// program or an earlier run left there.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::string config = (std::filesystem::temp_directory_path() / "kestrelon-tests-XXXXXX").string();
  if (!mkdtemp(config.data())) return 1;
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  int result = 0;
  {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  std::filesystem::remove_all(config, ignored);
  return result;
}
