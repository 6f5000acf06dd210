// A program without a window that prints makes Qt's application object,
// which sets the C library's locale from the environment; numbers are still
// written and read with a decimal point afterwards, and error texts stay English.
#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "print_qt/print_jobs.h"

namespace quillon::print_qt {
namespace {

constexpr const char* child_marker = "QUILLON_LOCALE_CHILD";

// Runs only in the child process that the test below starts.
TEST(NumberLocaleChild, NumbersAfterTheApplicationObjectIsMade) {
  if (!std::getenv(child_marker)) GTEST_SKIP() << "run by NumberLocale.PrintingProgramsKeepTheDecimalPoint";
  ensure_gui_application();
  char text[16];
  std::snprintf(text, sizeof text, "%4.1f", 35.8);
  EXPECT_STREQ(text, "35.8");
  EXPECT_EQ(std::strtod("72.1", nullptr), 72.1);
  // The system's error texts stand in English messages.
  EXPECT_STREQ(std::strerror(EISDIR), "Is a directory");
}

TEST(NumberLocale, PrintingProgramsKeepTheDecimalPoint) {
  std::string before = std::setlocale(LC_ALL, nullptr);
  bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  std::setlocale(LC_ALL, before.c_str());
  if (!german) GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps.sh makes it)";
  std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string command = std::string(child_marker) + "=1 LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 '" + program +
                        "' --gtest_filter='NumberLocaleChild.*' 2>&1";
  std::string output;
  std::FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
  EXPECT_EQ(pclose(pipe), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}

}  // namespace
}  // namespace quillon::print_qt
