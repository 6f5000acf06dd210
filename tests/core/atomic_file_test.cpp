#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

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

// A temporary as a writer killed half-way leaves it: made in a child process
// that is then killed, and dated two minutes back.
fs::path temporary_of_a_killed_writer(const fs::path& target) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return {};
  pid_t child = ::fork();
  if (child == 0) {
    Result<AtomicFile> file = AtomicFile::create(target);
    std::string name = file ? file->temporary_path().string() : "";
    if (file) (void)file->write("half of a database");
    (void)!::write(pipe_ends[1], name.data(), name.size());
    ::close(pipe_ends[1]);
    ::pause();
    ::_exit(0);
  }
  ::close(pipe_ends[1]);
  char name[4096];
  ssize_t got = ::read(pipe_ends[0], name, sizeof name);
  ::close(pipe_ends[0]);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  if (got <= 0) return {};
  fs::path temporary(std::string(name, static_cast<std::size_t>(got)));
  fs::last_write_time(temporary, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  return temporary;
}

TEST_F(AtomicFileTest, OnlyTheTemporariesOfKilledWritersAreRemovedAsAbandoned) {
  fs::path target = folder_ / "qlwin4.dat";
  put(target, "the club's database");
  fs::path killed = temporary_of_a_killed_writer(target);
  ASSERT_FALSE(killed.empty());
  ASSERT_TRUE(fs::exists(killed));

  Result<AtomicFile> live = AtomicFile::create(target);
  ASSERT_TRUE(live);
  fs::last_write_time(live->temporary_path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
  Result<AtomicFile> handed_over = AtomicFile::create(target);
  ASSERT_TRUE(handed_over);
  handed_over->release_descriptor();
  fs::last_write_time(handed_over->temporary_path(), fs::file_time_type::clock::now() - std::chrono::minutes(2));
  // Unclaimed but new: its writer may be about to claim it.
  put(folder_ / ".qlwin4.dat.Fresh1", "just made");
  // Other files of the folder, old and unclaimed.
  for (const char* name : {".qlwin4.dat.old", ".qlwin4.dat.AB-123", "qlwin4.dat.Ab1234", ".CLUB.BKP.Ab1234"}) {
    put(folder_ / name, "the club's");
    fs::last_write_time(folder_ / name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }

  EXPECT_EQ(remove_abandoned_temporaries(folder_, "qlwin4.dat"), std::vector<std::string>{killed.filename().string()});
  EXPECT_FALSE(fs::exists(killed));
  EXPECT_EQ(read(target), "the club's database");
  EXPECT_EQ(entries(), 8);
  // Both live writers finish as if nothing happened.
  ASSERT_TRUE(live->write("new"));
  ASSERT_TRUE(live->commit());
  put(handed_over->temporary_path(), "%PDF");
  EXPECT_TRUE(handed_over->commit());
  EXPECT_EQ(read(target), "%PDF");
  // Without a target name every abandoned temporary goes.
  EXPECT_EQ(remove_abandoned_temporaries(folder_), std::vector<std::string>{".CLUB.BKP.Ab1234"});
}

}  // namespace
}  // namespace quillon
