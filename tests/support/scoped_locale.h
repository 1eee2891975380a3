#pragma once
// Switches the process's C library locale for the length of a test, as a desktop session in that
// language would have it, and puts the one before back afterwards. The build makes the locales
// the tests use (tests/CMakeLists.txt); one that cannot be had fails the test with a message
// saying so, rather than letting it pass without having tried.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace kestrelon::test {

class ScopedLocale {
 public:
  ScopedLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {}
  ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

  // Use it as ASSERT_TRUE(locale.Use("de_DE.UTF-8")).
  ::testing::AssertionResult Use(const char* name) {
    if (std::setlocale(LC_ALL, name)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the locale " << name << " is not available to this test: the build makes it "
           << "with localedef into build/locale and ctest points LOCPATH there (LOCPATH is \""
           << (std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "") << "\")";
  }

 private:
  std::string saved_;
};

}  // namespace kestrelon::test
