// Restores and backups stopped half-way: killed processes, full disks and
// failing writes never leave a database that is neither the old nor the new one.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <filesystem>

#include "core/database_startup.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/restore.h"
#include "exchange/backup/write_limit.h"
#include "tests/exchange/backup/backup_test_support.h"
#include "tests/testing/files.h"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

// Runs `body` in a child process on its own state block over the home
// folder; returns the child's wait status.
template <typename Body>
int in_child(const fs::path& home, Body body) {
  pid_t pid = ::fork();
  if (pid == 0) {
    ScriptedUi ui;
    FixedClock clock(DateTime{2026, 12, 7, 9, 30, 0});
    State state(ui, clock, home);
    if (!open_or_create_database(state)) ::_exit(3);
    EXPECT_TRUE(read_configuration(state));
    EXPECT_TRUE(finish_database_startup(state));
    body(state, ui);
    ::_exit(ui.error_shown() ? 1 : 0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

// How the restore went; a killed process never returns.
Status restore_from(State& state, ScriptedUi& ui, const fs::path& backup) {
  NetworkServicesNotSetUp server;
  testing::script_restore(ui, backup.string());
  return restore_command(state, server);
}

// A database with a backup of it (the "new" one) and then changed into a
// larger "old" one that the restore is to replace.
struct Prepared {
  TestHome home;
  Bytes restored, old;
  fs::path db() const { return home.path() / "qlwin4.dat"; }
  fs::path backup() const { return home.path() / "CLUB.BKP"; }

  Prepared() {
    State& state = home.started();
    testing::fill_database(state, 4, 3);
    restored = file_bytes(db());
    NetworkServicesNotSetUp server;
    testing::script_local_backup(home.ui, (home.path() / "club").string());
    EXPECT_TRUE(backup_database(state, server));
    testing::fill_database(state, 6, 5);
    testing::mark_database(state, "Before the restore");
    old = file_bytes(db());
    state.db.close();
  }
};

TEST(KilledRestore, LeavesTheOldOrTheRestoredDatabaseAtEveryPoint) {
  Prepared club;
  ASSERT_NE(club.old, club.restored);
  // The bytes a whole restore writes through its own writer: the unpacked
  // image, once.
  std::int64_t total = static_cast<std::int64_t>(club.restored.size());
  std::vector<std::int64_t> points = {0, 1, 2, 199, total / 3, total - 1, total};
  for (std::int64_t step = 0; step < total; step += total / 23) points.push_back(step);
  int killed = 0, completed = 0;
  for (std::int64_t budget : points) {
    SCOPED_TRACE("killed after " + std::to_string(budget) + " bytes of " + std::to_string(total));
    int status = in_child(club.home.path(), [&](State& state, ScriptedUi& ui) {
      limit_writes_for_tests(budget, WriteLimitAction::kill_process);
      if (!restore_from(state, ui, club.backup())) ::_exit(4);
    });
    ASSERT_TRUE(WIFSIGNALED(status) || WIFEXITED(status));
    if (WIFSIGNALED(status)) {
      EXPECT_EQ(WTERMSIG(status), SIGKILL);
      ++killed;
    } else {
      ++completed;
    }
    Bytes now = file_bytes(club.db());
    EXPECT_TRUE(now == club.old || now == club.restored) << "a database of " << now.size() << " bytes";
    // The next attempt starts from the old database again.
    testing::write_file(club.db(), club.old);
  }
  EXPECT_EQ(completed, 0);
  EXPECT_GE(killed, 25);

  // With budget to spare the same restore completes.
  int status = in_child(club.home.path(), [&](State& state, ScriptedUi& ui) {
    limit_writes_for_tests(total + 1, WriteLimitAction::kill_process);
    if (!restore_from(state, ui, club.backup())) ::_exit(4);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(file_bytes(club.db()), club.restored);
}

// Keeps every file of the child process below `bytes`, as a nearly full disk would.
void limit_file_size(rlim_t bytes) {
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

TEST(FullDisk, ARestoreThatCannotTakeThePreRestoreImageStops) {
  Prepared club;
  // The folder cannot take a second name for the database (something is in
  // the way), so the image is copied, and the copy does not fit: the restore
  // stops before it begins.
  fs::create_directories(club.home.path() / "qlwin4db.sav.new" / "in the way");
  int status = in_child(club.home.path(), [&](State& s, ScriptedUi& ui) {
    limit_file_size(static_cast<rlim_t>(club.old.size() - 1));
    bool stopped = !restore_from(s, ui, club.backup());
    ::_exit(stopped && ui.messages.size() == 1 &&
                    ui.messages[0].text.rfind("A error was encountered attempting to create an image of the active "
                                              "database.  The requested restore was NOT successfully completed and "
                                              "the database was not changed.",
                                              0) == 0
                ? 0
                : 4);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(file_bytes(club.db()), club.old);
}

TEST(FullDisk, TheUnpackedImageDoesNotFitAndTheDatabaseStays) {
  // A small database restoring a larger backup: the image is refused by the
  // full disk after the pre-restore image was taken.
  TestHome home;
  State& state = home.started();
  testing::fill_database(state, 4, 5);
  Bytes large = file_bytes(home.path() / "qlwin4.dat");
  NetworkServicesNotSetUp server;
  testing::script_local_backup(home.ui, (home.path() / "club").string());
  EXPECT_TRUE(backup_database(state, server));
  testing::fill_database(state, 4, 1);
  testing::mark_database(state, "Small");
  Bytes small = file_bytes(home.path() / "qlwin4.dat");
  state.db.close();

  int status = in_child(home.path(), [&](State& s, ScriptedUi& ui) {
    limit_file_size(static_cast<rlim_t>(small.size() + 1000));
    bool stopped = !restore_from(s, ui, home.path() / "CLUB.BKP");
    bool told =
        stopped && !ui.messages.empty() &&
        ui.messages.back().text.rfind("The backup could not be unpacked in the home folder (cannot write ", 0) == 0 &&
        ui.messages.back().text.find(
            "File too large).\n\nThe database restore was NOT successfully completed "
            "and the database was not changed.") != std::string::npos;
    ::_exit(told && !s.exit_requested ? 0 : 4);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(file_bytes(home.path() / "qlwin4.dat"), small);
  EXPECT_NE(small, large);
  EXPECT_FALSE(fs::exists(home.path() / "qlwin4db.exp"));
}

TEST(FullDisk, ABackupThatCannotWriteItsImageSaysSo) {
  // The backup is written once, straight to its destination: a file that may
  // not grow past 300 bytes cannot hold it.
  TestHome home;
  State& state = home.started();
  testing::fill_database(state, 2, 2);
  state.db.close();
  const std::string backup = (home.path() / "CLUB.BKP").string();
  int status = in_child(home.path(), [&](State& s, ScriptedUi& ui) {
    limit_file_size(300);
    NetworkServicesNotSetUp server;
    testing::script_local_backup(ui, (home.path() / "club").string());
    bool stopped = !backup_database(s, server);
    bool told = stopped && ui.messages.size() == 1 &&
                ui.messages[0].text == "The backup file " + backup +
                                           " could not be written.  The requested backup was NOT successfully "
                                           "completed.\n\n(cannot write " +
                                           backup + ": File too large)";
    ::_exit(told ? 0 : 4);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_FALSE(fs::exists(home.path() / "CLUB.BKP"));
  EXPECT_FALSE(fs::exists(home.path() / "CLUB.BKP.sha256"));
  EXPECT_EQ(testing::folder_names(home.path()), (std::vector<std::string>{"qlwin4.dat"}));
}

TEST(FullDisk, ABackupFileThatCannotBeWrittenKeepsTheEarlierBackup) {
  TestHome home;
  State& state = home.started();
  testing::fill_database(state, 2, 2);
  testing::write_file(home.path() / "CLUB.BKP", Bytes{9, 9, 9});
  NetworkServicesNotSetUp server;
  home.ui.answer(Button::yes);
  testing::script_local_backup(home.ui, (home.path() / "club").string());
  // The disk runs full 100 bytes into the backup file.
  limit_writes_for_tests(100, WriteLimitAction::fail_as_full);
  EXPECT_FALSE(backup_database(state, server));
  clear_write_limit_for_tests();
  ASSERT_FALSE(home.ui.messages.empty());
  EXPECT_EQ(home.ui.messages.back().text,
            "Insufficient disk space to store the backup file on the destination drive.  The requested backup was "
            "NOT successfully completed.");
  EXPECT_EQ(file_bytes(home.path() / "CLUB.BKP"), (Bytes{9, 9, 9}));
  EXPECT_EQ(testing::folder_names(home.path()), (std::vector<std::string>{"CLUB.BKP", "qlwin4.dat"}));
}

}  // namespace
}  // namespace quillon::testing
