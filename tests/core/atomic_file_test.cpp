#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "tests/testing/file_size_limit.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("atomic_file_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void put(const fs::path& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
  int entries() { return static_cast<int>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator())); }

  fs::path folder_;
};

TEST_F(AtomicFileTest, CommitReplacesTheTargetAndLeavesNoTemporary) {
  fs::path target = folder_ / "club.txt";
  put(target, "old");
  ASSERT_TRUE(write_file_atomically(target, "new contents", 0600));
  EXPECT_EQ(read(target), "new contents");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, AFileNeverCommittedIsRemovedAndTheTargetKept) {
  fs::path target = folder_ / "club.txt";
  put(target, "old");
  {
    Result<AtomicFile> file = AtomicFile::create(target);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->write("half"));
    EXPECT_TRUE(fs::exists(file->temporary_path()));
    EXPECT_EQ(file->temporary_path().parent_path(), folder_);
  }
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, AFailedWriteIsReportedAndTheOldFileSurvives) {
  fs::path target = folder_ / "club.txt";
  put(target, "old");
  Status written = Status::ok();
  {
    testing::FileSizeLimit limit(1000);
    written = write_file_atomically(target, std::string(5000, 'x'));
  }
  ASSERT_FALSE(written);
  EXPECT_EQ(written.reason(), "cannot write " + target.string() + ": File too large");
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, AnotherWriterCanFillTheTemporaryByItsPath) {
  fs::path target = folder_ / "report.pdf";
  Result<AtomicFile> file = AtomicFile::create(target);
  ASSERT_TRUE(file);
  file->release_descriptor();
  put(file->temporary_path(), "%PDF-1.4");
  ASSERT_TRUE(file->commit());
  EXPECT_EQ(read(target), "%PDF-1.4");
  EXPECT_EQ(entries(), 1);
}

TEST_F(AtomicFileTest, ATargetInAMissingFolderCannotBeCreated) {
  Result<AtomicFile> file = AtomicFile::create(folder_ / "gone" / "club.txt");
  ASSERT_FALSE(file);
  EXPECT_EQ(file.status().reason(),
            "cannot create " + (folder_ / "gone" / "club.txt").string() + ": No such file or directory");
}

TEST_F(AtomicFileTest, ALinkPlantedAtTheTargetIsReplacedNotWrittenThrough) {
  fs::path elsewhere = folder_ / "elsewhere.txt";
  put(elsewhere, "keep");
  fs::create_symlink(elsewhere, folder_ / "club.txt");
  ASSERT_TRUE(write_file_atomically(folder_ / "club.txt", "new"));
  EXPECT_EQ(read(elsewhere), "keep");
  EXPECT_FALSE(fs::is_symlink(folder_ / "club.txt"));
  EXPECT_EQ(read(folder_ / "club.txt"), "new");
}

TEST_F(AtomicFileTest, ANewFileIsPlacedOnlyWhereNoneIs) {
  fs::path target = folder_ / "qlwin4.dat";
  Result<AtomicFile> first = AtomicFile::create(target);
  Result<AtomicFile> second = AtomicFile::create(target);
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  ASSERT_TRUE(first->write("first"));
  ASSERT_TRUE(second->write("second"));
  ASSERT_TRUE(first->commit_new());
  Status refused = second->commit_new();
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.reason(), "cannot create " + target.string() + ": File exists");
  EXPECT_EQ(read(target), "first");
  EXPECT_EQ(fs::hard_link_count(target), 1u);
  EXPECT_EQ(entries(), 1);
}

}  // namespace
}  // namespace quillon
