// The mapping a backup reads the database through survives the file being cut
// short under it by another program: the lost pages read as zeros and the
// reader is told.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "exchange/backup/mapped_file.h"
#include "tests/exchange/backup/backup_test_support.h"

namespace quillon::testing {
namespace {

TEST(MappedFile, AFileCutShortWhileMappedReadsZerosAndSaysSo) {
  TestHome home;
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  std::filesystem::path path = home.path() / "image";
  testing::write_file(path, Bytes(3 * page, 0x5A));
  {
    MappedFile mapped;
    ASSERT_TRUE(mapped.map(path, static_cast<std::int64_t>(3 * page)));
    EXPECT_EQ(mapped.data()[0], 0x5A);
    EXPECT_FALSE(mapped.cut_short());
    std::filesystem::resize_file(path, page);
    EXPECT_EQ(mapped.data()[0], 0x5A);
    EXPECT_EQ(mapped.data()[2 * page + 7], 0);  // the process lives on
    EXPECT_TRUE(mapped.cut_short());
  }
  // A mapping made afterwards starts afresh.
  MappedFile again;
  ASSERT_TRUE(again.map(path, static_cast<std::int64_t>(page)));
  EXPECT_EQ(again.data()[page - 1], 0x5A);
  EXPECT_FALSE(again.cut_short());
}

}  // namespace
}  // namespace quillon::testing
