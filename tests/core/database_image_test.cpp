// The byte copy of the database taken before risky changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/database_image.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

TEST(DatabaseImage, CopiesByteForByteAndReplacesAnOldCopy) {
  testing::TestHome home;
  home.started();
  const auto db = home.path() / "qlwin4.dat";
  const auto copy = home.path() / "qlwin4db.sav";
  std::ofstream(copy) << "an older and much longer copy that must not survive at the end of the new one "
                      << std::string(20000, 'z');
  Status saved = save_database_image(db, copy);
  ASSERT_TRUE(saved) << saved.reason();
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4db.sav.new"));
  EXPECT_EQ(testing::first_difference(testing::file_bytes(copy), testing::file_bytes(db)), -1);
}

TEST(DatabaseImage, AMissingSourceLeavesNoCopy) {
  testing::TestHome home;
  const auto missing = home.path() / "qlwin4.dat";
  const auto copy = home.path() / "qlwin4db.sav";
  Status saved = save_database_image(missing, copy);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.reason(), "cannot read " + missing.string() + ": No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST(DatabaseImage, ASourceThatIsNotARegularFileIsRefused) {
  testing::TestHome home;
  // A device never ends: copying it would fill the disk.
  const auto endless = home.path() / "qlwin4.dat";
  std::filesystem::create_symlink("/dev/zero", endless);
  const auto copy = home.path() / "qlwin4db.sav";
  std::ofstream(copy) << "the copy taken before";
  Status saved = save_database_image(endless, copy);
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.reason(), "cannot read " + endless.string() + ": not a regular file");
  std::ifstream kept(copy);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the copy taken before");
}

}  // namespace
}  // namespace quillon
