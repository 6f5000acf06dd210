// Changes that write many records reach the disk whole or not at all, with one
// flush of the file. Crashes are real: a child process kills itself with
// SIGKILL at every step of a commit in turn, and the parent opens the file
// afterwards as the next start would.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/database.h"
#include "core/database_file.h"
#include "core/database_journal.h"
#include "core/database_transaction.h"
#include "core/file_io.h"
#include "core/fixed_text.h"
#include "tests/core/database_test_support.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::Bytes;
using testing::file_bytes;
using testing::first_difference;
using testing::TestHome;

namespace fs = std::filesystem;

// A file of `n` bytes, byte i holding i % 251.
fs::path patterned_file(const TestHome& home, std::size_t n) {
  fs::path path = home.path() / "qlwin4.dat";
  std::string bytes(n, '\0');
  for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i % 251);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Writes 200 groups of 720 bytes at 10000 + 720 g, grows the file by a block
// and rewrites its first 100 bytes: a field import, a new tournament and a
// header in one change.
void write_a_field(DatabaseFile& db, char fill) {
  std::string group(720, fill);
  for (int g = 0; g < 200; ++g) ASSERT_TRUE(db.write_at(10000 + 720 * g, group.data(), group.size()));
  std::string block(147400, fill);
  ASSERT_TRUE(db.write_at(300000, block.data(), block.size()));
  std::string head(100, static_cast<char>(fill + 1));
  ASSERT_TRUE(db.write_at(0, head.data(), head.size()));
}

// Runs `change` in a child process that kills itself at commit step `step`.
// True when the child was killed, false when it finished the commit.
bool killed_at_step(const fs::path& path, int step, const std::function<void(DatabaseFile&)>& change) {
  pid_t child = ::fork();
  if (child == 0) {
    DatabaseFile db;
    if (!db.open(path)) ::_exit(3);
    db.crash_at_step(step);
    if (!db.begin_transaction()) ::_exit(4);
    change(db);
    ::_exit(db.commit_transaction() ? 0 : 5);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) {
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    return true;
  }
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  return false;
}

TEST(DatabaseTransaction, ReadsSeeTheChangeWhichReachesTheFileOnlyAtTheCommit) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  Bytes before = file_bytes(path);
  DatabaseFile db;
  ASSERT_TRUE(db.open(path));
  ASSERT_TRUE(db.begin_transaction());
  write_a_field(db, 'A');

  char seen[8] = {};
  EXPECT_EQ(db.read_at(10000 + 720 * 200 - 4, seen, 8), 8u);
  std::string expected = "AAAA";
  for (int i = 0; i < 4; ++i) expected += static_cast<char>((10000 + 720 * 200 + i) % 251);
  EXPECT_EQ(std::string(seen, 8), expected);
  // Between the old end and the new block the file reads as zeros.
  EXPECT_EQ(db.length(), 300000 + 147400);
  EXPECT_EQ(db.read_at(250000, seen, 8), 8u);
  EXPECT_EQ(std::string(seen, 8), std::string(8, '\0'));
  EXPECT_EQ(first_difference(file_bytes(path), before), -1);

  ASSERT_TRUE(db.commit_transaction());
  Bytes after = file_bytes(path);
  ASSERT_EQ(after.size(), 300000u + 147400u);
  EXPECT_EQ(after[0], 'B');
  EXPECT_EQ(after[10000 + 720 * 200 - 1], 'A');
  EXPECT_EQ(after[10000 + 720 * 200], before[10000 + 720 * 200]);
  EXPECT_EQ(after[250000], 0);
  EXPECT_EQ(after[300000 + 147399], 'A');
  EXPECT_FALSE(fs::exists(home.path() / "qlwin4.jnl"));
}

TEST(DatabaseTransaction, AnAbandonedChangeOrAFailedCommitLeavesTheFileAsItWas) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  Bytes before = file_bytes(path);
  DatabaseFile db;
  ASSERT_TRUE(db.open(path));

  ASSERT_TRUE(db.begin_transaction());
  write_a_field(db, 'A');
  db.abandon_transaction();
  EXPECT_EQ(first_difference(file_bytes(path), before), -1);

  // A full disk half-way through writing the change: the journal puts it back.
  ASSERT_TRUE(db.begin_transaction());
  write_a_field(db, 'A');
  db.fail_writes_after(300000);
  Status committed = db.commit_transaction();
  EXPECT_FALSE(committed);
  EXPECT_EQ(committed.reason(), "write: No space left on device");
  EXPECT_EQ(first_difference(file_bytes(path), before), -1);
  EXPECT_FALSE(fs::exists(home.path() / "qlwin4.jnl"));

  // An inner step that did not complete fails the whole change.
  ASSERT_TRUE(db.begin_transaction());
  ASSERT_TRUE(db.begin_transaction());
  write_a_field(db, 'A');
  db.abandon_transaction();
  EXPECT_FALSE(db.commit_transaction());
  EXPECT_EQ(first_difference(file_bytes(path), before), -1);
}

TEST(DatabaseTransaction, TheChangeIsFlushedOnceAfterTheJournalAndItsFolder) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  DatabaseFile db;
  ASSERT_TRUE(db.open(path));

  long before = flush_count();
  for (int g = 0; g < 200; ++g) {
    std::string group(720, 'x');
    ASSERT_TRUE(db.write_at(10000 + 720 * g, group.data(), group.size()));
    ASSERT_TRUE(db.flush());
  }
  EXPECT_EQ(flush_count() - before, 200);

  before = flush_count();
  ASSERT_TRUE(db.begin_transaction());
  write_a_field(db, 'A');
  for (int g = 0; g < 200; ++g) ASSERT_TRUE(db.flush());
  ASSERT_TRUE(db.commit_transaction());
  // The journal, its folder (made), the file. The journal's removal needs no
  // flush: its head names the new state, which a journal found later is
  // checked against.
  EXPECT_EQ(flush_count() - before, 3);

  // A change that changes nothing flushes nothing.
  before = flush_count();
  ASSERT_TRUE(db.begin_transaction());
  ASSERT_TRUE(db.commit_transaction());
  EXPECT_EQ(flush_count() - before, 0);
}

TEST(DatabaseTransaction, AProcessKilledAtAnyStepOfTheCommitLeavesTheOldFileOrTheNew) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  const Bytes old_file = file_bytes(path);
  fs::path copy = home.path() / "new.dat";
  fs::copy_file(path, copy);
  {
    DatabaseFile db;
    ASSERT_TRUE(db.open(copy));
    ASSERT_TRUE(db.begin_transaction());
    write_a_field(db, 'A');
    ASSERT_TRUE(db.commit_transaction());
  }
  const Bytes new_file = file_bytes(copy);

  int killed = 0;
  for (int step = 0; step < 1000; step += 3) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(old_file.data()), static_cast<std::streamsize>(old_file.size()));
    bool was_killed = killed_at_step(path, step, [](DatabaseFile& db) { write_a_field(db, 'A'); });
    // The next opener rolls back what the killed one left.
    DatabaseFile next;
    ASSERT_TRUE(next.open(path));
    Bytes now = file_bytes(path);
    bool is_old = first_difference(now, old_file) == -1;
    bool is_new = first_difference(now, new_file) == -1;
    EXPECT_TRUE(is_old || is_new) << "killed at step " << step;
    EXPECT_FALSE(fs::exists(home.path() / "qlwin4.jnl"));
    if (!was_killed) {
      EXPECT_TRUE(is_new);
      break;
    }
    ++killed;
  }
  // Journal head, its records, two flushes, 202 writes, the flush, removal:
  // every third of them.
  EXPECT_GT(killed, 65);
}

TEST(DatabaseTransaction, AJournalLeftOnceTheChangeWasWholeIsRemovedAndTheChangeKept) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  const Bytes old_file = file_bytes(path);
  auto change = [](DatabaseFile& db) { write_a_field(db, 'A'); };
  // The number of steps of the commit: killed below it, finished from it on.
  int low = 0, high = 1024;
  while (low < high) {
    int mid = (low + high) / 2;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(old_file.data()), static_cast<std::streamsize>(old_file.size()));
    bool killed = killed_at_step(path, mid, change);
    DatabaseFile next;
    ASSERT_TRUE(next.open(path));
    if (killed) low = mid + 1;
    else high = mid;
  }
  ASSERT_GT(low, 200);
  const Bytes new_file = file_bytes(path);
  ASSERT_NE(first_difference(new_file, old_file), -1);

  // Killed at the last step, the removal of the journal: the file was
  // flushed whole, so the next opener keeps it and removes the journal.
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(old_file.data()), static_cast<std::streamsize>(old_file.size()));
  ASSERT_TRUE(killed_at_step(path, low - 1, change));
  ASSERT_TRUE(fs::exists(home.path() / "qlwin4.jnl"));
  DatabaseFile next;
  ASSERT_TRUE(next.open(path));
  EXPECT_FALSE(fs::exists(home.path() / "qlwin4.jnl"));
  EXPECT_EQ(first_difference(file_bytes(path), new_file), -1);

  // The same journal beside a file that holds only part of the new state
  // (one group of the change lost) is rolled back.
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(old_file.data()), static_cast<std::streamsize>(old_file.size()));
  ASSERT_TRUE(killed_at_step(path, low - 1, change));
  {
    std::fstream partial(path, std::ios::binary | std::ios::in | std::ios::out);
    partial.seekp(10000 + 720 * 7);
    partial.write(reinterpret_cast<const char*>(old_file.data()) + 10000 + 720 * 7, 720);
  }
  DatabaseFile again;
  ASSERT_TRUE(again.open(path));
  EXPECT_EQ(first_difference(file_bytes(path), old_file), -1);
}

TEST(DatabaseTransaction, AnOpenerThatWasAlreadyRunningRollsBackWhenItTakesTheLock) {
  TestHome home;
  fs::path path = patterned_file(home, 200000);
  const Bytes old_file = file_bytes(path);
  DatabaseFile running;
  ASSERT_TRUE(running.open(path));

  // Killed after the journal and half of the groups were written.
  ASSERT_TRUE(killed_at_step(path, 110, [](DatabaseFile& db) { write_a_field(db, 'A'); }));
  ASSERT_TRUE(fs::exists(home.path() / "qlwin4.jnl"));
  EXPECT_NE(first_difference(file_bytes(path), old_file), -1);

  ASSERT_TRUE(running.lock());
  running.unlock();
  EXPECT_EQ(first_difference(file_bytes(path), old_file), -1);
  EXPECT_FALSE(fs::exists(home.path() / "qlwin4.jnl"));
}

TEST(DatabaseTransaction, ALargeChangeMovesToTheFileEarlyAndStillRollsBack) {
  TestHome home;
  const std::size_t blocks = 80;  // 11.8 MB: more than is kept in memory
  fs::path path = patterned_file(home, 147400 * blocks);
  const Bytes old_file = file_bytes(path);
  auto shift_down = [&](DatabaseFile& db) {
    // Every block moves one place down and the file loses its first block,
    // as a purge of the first tournament does.
    std::string block(147400, '\0');
    for (std::size_t b = 1; b < blocks; ++b) {
      ASSERT_TRUE(db.read_exact(static_cast<std::int64_t>(147400 * b), block.data(), block.size()));
      ASSERT_TRUE(db.write_at(static_cast<std::int64_t>(147400 * (b - 1)), block.data(), block.size()));
    }
    ASSERT_TRUE(db.set_length(static_cast<std::int64_t>(147400 * (blocks - 1))));
  };

  DatabaseFile db;
  ASSERT_TRUE(db.open(path));
  ASSERT_TRUE(db.begin_transaction());
  shift_down(db);
  db.abandon_transaction();
  EXPECT_EQ(first_difference(file_bytes(path), old_file), -1);

  // Killed while the early part is journaled and written, and later while
  // the rest is: every time the old file comes back.
  int killed = 0;
  for (int step = 0; killed_at_step(path, step, shift_down); step += 11) {
    ++killed;
    DatabaseFile next;
    ASSERT_TRUE(next.open(path));
    ASSERT_EQ(first_difference(file_bytes(path), old_file), -1) << step;
  }
  EXPECT_GT(killed, 6);

  // The run that was not killed committed the change.
  Bytes after = file_bytes(path);
  ASSERT_EQ(after.size(), 147400 * (blocks - 1));
  EXPECT_EQ(first_difference(after, testing::slice(old_file, 147400, 147400 * (blocks - 1))), -1);
}

TEST(DatabaseJournal, ATornRecordAndWhatFollowsAreIgnored) {
  std::string journal = journal_head(5000) + journal_records({{10, "abc"}, {4000, std::string(100, 'z')}});
  JournalContents whole = parse_journal(journal);
  ASSERT_TRUE(whole.head_valid);
  EXPECT_EQ(whole.original_length, 5000);
  ASSERT_EQ(whole.records.size(), 2u);
  EXPECT_EQ(whole.records[1].offset, 4000);

  std::string torn = journal;
  torn[torn.size() - 1] = 'y';
  EXPECT_EQ(parse_journal(torn).records.size(), 1u);
  EXPECT_EQ(parse_journal(journal.substr(0, journal.size() - 1)).records.size(), 1u);
  std::string bad_head = journal;
  bad_head[9] ^= 1;
  EXPECT_FALSE(parse_journal(bad_head).head_valid);
}

TEST(DatabaseTransaction, StateOperationsFlushOnceAndCountTournamentsAsTheFileDoes) {
  TestHome home;
  State& state = home.started();
  std::memset(&state.header, 0, sizeof state.header);
  set_field_text(state.header.name, "Spring Cup");
  state.header.group_size = 4;
  long before = flush_count();
  {
    DatabaseTransaction change(state);
    ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
    state.tournament_count = 1;
    for (int g = 1; g <= 200; ++g) ASSERT_TRUE(write_record(state, RecordKind::group, g));
    ASSERT_TRUE(change.commit());
  }
  EXPECT_EQ(flush_count() - before, 3);
  EXPECT_EQ(state.tournament_count, 1);
  EXPECT_EQ(testing::database_length(state), 15700 + 147400);

  {
    DatabaseTransaction change(state);
    ASSERT_TRUE(write_record(state, RecordKind::tournament, 2));
    state.tournament_count = 2;
  }
  EXPECT_EQ(state.tournament_count, 1);
  EXPECT_EQ(testing::database_length(state), 15700 + 147400);
  EXPECT_TRUE(home.ui.messages.empty());
}

}  // namespace
}  // namespace quillon
