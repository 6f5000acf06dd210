#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

// A start on a file that is already up to date reads it and writes nothing:
// no write and flush of an unchanged record slows every command down.
TEST(StartupWrites, ASecondStartLeavesAnUpToDateFileUntouched) {
  testing::TestHome home;
  const std::filesystem::path db = home.path() / "qlwin4.dat";
  {
    auto first = home.new_state();
    int exit_code = 0;
    ASSERT_TRUE(start_application(*first, {}, exit_code));
  }
  home.ui.messages.clear();
  auto written = std::filesystem::last_write_time(db);
  std::filesystem::last_write_time(db, written - std::chrono::hours(1));
  written = std::filesystem::last_write_time(db);

  auto second = home.new_state();
  int exit_code = 0;
  ASSERT_TRUE(start_application(*second, {}, exit_code));
  EXPECT_TRUE(home.ui.messages.empty());
  EXPECT_EQ(std::filesystem::last_write_time(db), written);
}

}  // namespace
}  // namespace quillon
