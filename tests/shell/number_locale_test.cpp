// The desktop program in a German locale (decimal commas): its numbers are
// still written and read with a decimal point.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>

namespace quillon::shell {
namespace {

bool german_locale_exists() {
  std::string before = std::setlocale(LC_ALL, nullptr);
  bool exists = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  std::setlocale(LC_ALL, before.c_str());
  return exists;
}

// The course dialog's tests (ratings typed, halved into the nines, read back)
// run once more in a program started with a German locale.
TEST(NumberLocale, TheCourseDialogKeepsItsRatingsInAGermanLocale) {
  if (!german_locale_exists()) GTEST_SKIP() << "no de_DE.UTF-8 locale (scripts/install-deps.sh makes it)";
  std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string command =
      "LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 '" + program + "' --gtest_filter='CourseDialogTest.*' --gtest_brief=1 2>&1";
  std::string output;
  std::FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) output.append(chunk, n);
  int status = pclose(pipe);
  EXPECT_EQ(status, 0) << output;
  EXPECT_NE(output.find("[  PASSED  ]"), std::string::npos) << output;
}

}  // namespace
}  // namespace quillon::shell
