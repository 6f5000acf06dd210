// Backups and restores killed (SIGKILL) at random moments, as a crash would
// stop them: afterwards the database and the backup file are each the old one
// or the new one, and the checksum file beside a backup always proves it.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

#include "core/database_startup.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/checksum_file.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/restore.h"
#include "exchange/backup/sha256.h"
#include "tests/exchange/backup/backup_test_support.h"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int runs = 40;

// Runs `body` in a child process on its own state block over the home
// folder. The child has started up when this returns; `kill_after` (when
// given) kills it that long after it began `body`. Returns the wait status.
template <typename Body>
int run_child(const fs::path& home, std::optional<std::chrono::microseconds> kill_after, Body body) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  pid_t pid = ::fork();
  if (pid == 0) {
    ::close(ready[0]);
    ScriptedUi ui;
    FixedClock clock(DateTime{2026, 12, 7, 9, 30, 0});
    State state(ui, clock, home);
    if (!open_or_create_database(state)) ::_exit(3);
    EXPECT_TRUE(read_configuration(state));
    EXPECT_TRUE(finish_database_startup(state));
    char go = 1;
    if (::write(ready[1], &go, 1) != 1) ::_exit(4);
    ::close(ready[1]);
    body(state, ui);
    ::_exit(ui.error_shown() ? 1 : 0);
  }
  ::close(ready[1]);
  char go = 0;
  bool started = ::read(ready[0], &go, 1) == 1;
  ::close(ready[0]);
  if (started && kill_after) {
    std::this_thread::sleep_for(*kill_after);
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// How long an undisturbed run takes, from the start of `body` to the child's end.
template <typename Body>
std::chrono::microseconds undisturbed(const fs::path& home, Body body) {
  auto begin = Clock::now();
  int status = run_child(home, std::nullopt, body);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - begin);
}

// Removes the temporaries a killed writer leaves (".NAME.XXXXXX").
void remove_temporaries(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().front() == '.') fs::remove(entry.path());
}

// Kill moments spread over a little more than an undisturbed run.
std::vector<std::chrono::microseconds> kill_moments(std::chrono::microseconds duration) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::int64_t> pick(0, duration.count() * 6 / 5);
  std::vector<std::chrono::microseconds> moments;
  for (int i = 0; i < runs; ++i) moments.emplace_back(pick(random));
  return moments;
}

TEST(KilledMidway, ABackupLeavesTheOldOrTheNewBackupAndAChecksumOfItsOwn) {
  TestHome home;
  State& state = home.started();
  NetworkServicesNotSetUp server;
  testing::fill_database(state, 4, 40);
  testing::script_local_backup(home.ui, (home.path() / "club").string());
  EXPECT_TRUE(backup_database(state, server));
  const fs::path backup = home.path() / "CLUB.BKP";
  const Bytes old_backup = file_bytes(backup);
  testing::mark_database(state, "After the first backup");
  const Bytes database = file_bytes(home.path() / "qlwin4.dat");
  Bytes new_backup(database.begin(), database.begin() + 200);
  Bytes packed = pack_bytes(database);
  new_backup.insert(new_backup.end(), packed.begin(), packed.end());
  ASSERT_NE(old_backup, new_backup);
  state.db.close();

  auto back_up = [&](State& s, ScriptedUi& ui) {
    ui.answer(Button::yes);  // overwrite the earlier backup
    testing::script_local_backup(ui, (home.path() / "club").string());
    EXPECT_TRUE(backup_database(s, server));
  };
  auto put_back_old = [&] {
    remove_temporaries(home.path());
    testing::write_file(backup, old_backup);
    ASSERT_TRUE(write_checksum_file(backup, {sha256_of(old_backup)}));
  };
  std::chrono::microseconds duration = undisturbed(home.path(), back_up);
  ASSERT_EQ(file_bytes(backup), new_backup);
  int old_left = 0, new_left = 0, both_lines = 0;
  for (auto moment : kill_moments(duration)) {
    put_back_old();
    SCOPED_TRACE("killed " + std::to_string(moment.count()) + " us into a backup of " +
                 std::to_string(duration.count()) + " us");
    run_child(home.path(), moment, back_up);
    Bytes now = file_bytes(backup);
    if (now == old_backup) ++old_left;
    else if (now == new_backup) ++new_left;
    else ADD_FAILURE() << "a backup file of " << now.size() << " bytes, neither the old nor the new one";
    // The checksum file always proves the backup beside it.
    auto checksum = read_checksum_file(backup);
    ASSERT_TRUE(checksum) << checksum.status().reason();
    EXPECT_NE(std::find(checksum->begin(), checksum->end(), sha256_of(now)), checksum->end());
    if (checksum->size() > 1) ++both_lines;
    EXPECT_EQ(file_bytes(home.path() / "qlwin4.dat"), database);
  }
  EXPECT_GT(old_left, 0);
  EXPECT_GT(new_left, 0);
  RecordProperty("old", old_left);
  RecordProperty("new", new_left);
  RecordProperty("checksum_of_both", both_lines);
}

TEST(KilledMidway, ARestoreLeavesTheOldOrTheRestoredDatabase) {
  TestHome home;
  State& state = home.started();
  NetworkServicesNotSetUp server;
  testing::fill_database(state, 4, 40);
  const Bytes restored = file_bytes(home.path() / "qlwin4.dat");
  testing::script_local_backup(home.ui, (home.path() / "club").string());
  EXPECT_TRUE(backup_database(state, server));
  testing::fill_database(state, 6, 44);
  testing::mark_database(state, "Before the restore");
  const Bytes old = file_bytes(home.path() / "qlwin4.dat");
  ASSERT_NE(old, restored);
  state.db.close();

  auto restore = [&](State& s, ScriptedUi& ui) {
    testing::script_restore(ui, (home.path() / "CLUB.BKP").string());
    EXPECT_TRUE(restore_command(s, server));
  };
  std::chrono::microseconds duration = undisturbed(home.path(), restore);
  ASSERT_EQ(file_bytes(home.path() / "qlwin4.dat"), restored);
  int old_left = 0, new_left = 0;
  for (auto moment : kill_moments(duration)) {
    remove_temporaries(home.path());
    testing::write_file(home.path() / "qlwin4.dat", old);
    SCOPED_TRACE("killed " + std::to_string(moment.count()) + " us into a restore of " +
                 std::to_string(duration.count()) + " us");
    run_child(home.path(), moment, restore);
    Bytes now = file_bytes(home.path() / "qlwin4.dat");
    if (now == old) ++old_left;
    else if (now == restored) ++new_left;
    else ADD_FAILURE() << "a database of " << now.size() << " bytes, neither the old nor the restored one";
    // The newest pre-restore image, when there is one, is the database before the restore.
    if (fs::exists(home.path() / "qlwin4db.sav")) {
      EXPECT_EQ(file_bytes(home.path() / "qlwin4db.sav"), old);
    }
  }
  EXPECT_GT(old_left, 0);
  EXPECT_GT(new_left, 0);
  RecordProperty("old", old_left);
  RecordProperty("restored", new_left);
}

}  // namespace
}  // namespace quillon::testing
