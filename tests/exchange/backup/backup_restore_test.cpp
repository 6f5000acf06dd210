// Backups made and restored through the commands, byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/restore.h"
#include "tests/exchange/backup/backup_test_support.h"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* backup_done = "The requested backup was successfully completed.";
constexpr const char* restore_done =
    "The requested restore was successfully completed.\n\n"
    "Following a database restore, Quillon must be restarted.\n\nClick OK to exit out of Quillon.";

struct Club {
  TestHome home;
  State& state = home.started();
  NetworkServicesNotSetUp server;
  Status outcome = Status::ok();
  fs::path db() const { return home.path() / "qlwin4.dat"; }
  fs::path backup() const { return home.path() / "saved" / "CLUB.BKP"; }

  Club() { fs::create_directories(home.path() / "saved"); }

  // Each keeps how the command went in `outcome`.
  void back_up() {
    testing::script_local_backup(home.ui, (home.path() / "saved" / "club").string());
    outcome = backup_database(state, server);
  }
  void restore(const fs::path& from, const std::string& confirmation = "Restore") {
    testing::script_restore(home.ui, from.string(), confirmation);
    outcome = restore_command(state, server);
  }
  std::string last_text() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }
};

struct Shape {
  const char* name;
  int courses;
  int tournaments;
};

class RoundTrip : public ::testing::TestWithParam<Shape> {};

TEST_P(RoundTrip, BackupHoldsTheSystemRecordAndThePackedDatabaseAndRestoresItExactly) {
  Club club;
  testing::fill_database(club.state, GetParam().courses, GetParam().tournaments);
  Bytes original = file_bytes(club.db());

  club.back_up();
  // The second line names the file written.
  ASSERT_EQ(club.last_text(), std::string(backup_done) + "\n" + club.backup().string());
  EXPECT_EQ(club.home.ui.last_message()->title, "Quillon for Windows Backup");
  EXPECT_FALSE(club.home.ui.error_shown());
  Bytes backup = file_bytes(club.backup());
  ASSERT_GT(backup.size(), 200u);
  EXPECT_TRUE(std::equal(backup.begin(), backup.begin() + 200, original.begin()));
  EXPECT_EQ(Bytes(backup.begin() + 200, backup.end()), pack_bytes(original));
  // No working file is left in the home folder, nor a temporary beside the backup.
  for (const char* work : {"qlwin4.dbb", "qlwin4.dbc", "qlwin4.exp"})
    EXPECT_FALSE(fs::exists(club.home.path() / work)) << work;
  EXPECT_EQ(testing::folder_names(club.home.path() / "saved"),
            (std::vector<std::string>{"CLUB.BKP", "CLUB.BKP.sha256"}));

  testing::mark_database(club.state, "Changed after the backup");
  Bytes changed = file_bytes(club.db());
  club.restore(club.backup());
  EXPECT_EQ(club.last_text(), restore_done);
  EXPECT_TRUE(club.state.exit_requested);
  EXPECT_EQ(club.home.ui.busy_depth, 0);
  EXPECT_EQ(file_bytes(club.db()), original);
  // A backup with its checksum file is restored without a question.
  for (const auto& m : club.home.ui.messages) EXPECT_NE(m.title, "Database Restore") << m.text;
  EXPECT_EQ(file_bytes(club.home.path() / "qlwin4db.sav"), changed);
  for (const char* work : {"qlwin4db.exp", "qlwin4db.ql$", "qlwin4.dbb"})
    EXPECT_FALSE(fs::exists(club.home.path() / work));
  // Pages of zeros need not be written, but the whole file is allocated, so
  // that later writes into it cannot run out of disk space.
  struct stat info {};
  ASSERT_EQ(::stat(club.db().c_str(), &info), 0);
  EXPECT_GE(static_cast<std::int64_t>(info.st_blocks) * 512, static_cast<std::int64_t>(original.size()));
  // The state reads the restored file.
  EXPECT_EQ(club.state.db.length(), static_cast<std::int64_t>(original.size()));
  ASSERT_TRUE(read_record(club.state, RecordKind::import_settings, 1));
  EXPECT_EQ(field_text(club.state.import_settings.reporting_name), "");
}

INSTANTIATE_TEST_SUITE_P(Databases, RoundTrip,
                         ::testing::Values(Shape{"New", 0, 0}, Shape{"WithCourses", 12, 0},
                                           Shape{"ThreeTournaments", 3, 3}, Shape{"TwoHundredTournaments", 5, 200}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BackupNames, ProposedNameAndUpperCasedFileNames) {
  EXPECT_EQ(proposed_backup_name(2025, 3, 7), "2025_Mar_07.BKP");
  EXPECT_EQ(proposed_backup_name(2026, 12, 25), "2026_Dec_25.BKP");
  EXPECT_EQ(backup_path_for("club"), fs::path("CLUB.BKP"));
  EXPECT_EQ(backup_path_for("x.bkp"), fs::path("X.BKP"));
  EXPECT_EQ(backup_path_for("/media/usb/Backups/club"), fs::path("/media/usb/Backups/CLUB.BKP"));
  EXPECT_EQ(backup_path_for("/tmp/b/June.Bkp"), fs::path("/tmp/b/JUNE.BKP"));
  EXPECT_EQ(backup_path_for("/tmp/b/old.bak"), fs::path("/tmp/b/OLD.BAK.BKP"));
  // The letters of Windows-1252 beyond ASCII are upper-cased too; other characters stay.
  EXPECT_EQ(backup_path_for("/tmp/b/name\u00e9"), fs::path("/tmp/b/NAME\u00c9.BKP"));
  EXPECT_EQ(backup_path_for("\u00e0\u00f6\u00fe\u0161\u0153\u017e\u00ff.bkp"),
            fs::path("\u00c0\u00d6\u00de\u0160\u0152\u017d\u0178.BKP"));
  EXPECT_EQ(backup_path_for("stra\u00dfe \u00f7 \u00b5 \u0436"), fs::path("STRA\u00dfE \u00f7 \u00b5 \u0436.BKP"));
}

TEST(Backup, TheLocalBackupIsWrittenUnderTheUpperCasedName) {
  Club club;
  club.back_up();
  EXPECT_TRUE(fs::exists(club.home.path() / "saved" / "CLUB.BKP"));
  EXPECT_FALSE(fs::exists(club.home.path() / "saved" / "club"));
  EXPECT_EQ(testing::folder_names(club.home.path() / "saved"),
            (std::vector<std::string>{"CLUB.BKP", "CLUB.BKP.sha256"}));
}

TEST(Backup, AnExistingBackupIsReplacedOnlyWhenTheUserSaysYes) {
  Club club;
  testing::write_file(club.backup(), Bytes{1, 2, 3});
  club.home.ui.answer(Button::no);
  club.back_up();
  ASSERT_EQ(club.last_text(), "A backup file by that name already exists.  Do you wish to overwrite it?");
  EXPECT_EQ(club.home.ui.messages.back().title, "Database Backup");
  EXPECT_EQ(club.home.ui.messages.back().default_button, Button::no);  // Enter keeps the old file
  EXPECT_EQ(file_bytes(club.backup()), (Bytes{1, 2, 3}));

  club.home.ui.answer(Button::yes);
  club.back_up();
  EXPECT_EQ(club.last_text(), std::string(backup_done) + "\n" + club.backup().string());
  EXPECT_EQ(file_bytes(club.backup()).size(), 200 + pack_bytes(file_bytes(club.db())).size());
}

TEST(Backup, AWorkingFileThatCannotBeRemovedStopsTheBackup) {
  Club club;
  fs::create_directories(club.home.path() / "qlwin4.dbb" / "stuck");
  club.back_up();
  ASSERT_EQ(club.home.ui.messages.size(), 1u);
  EXPECT_EQ(club.last_text(), "A temporary file (qlwin4.dbb) residing in the Ravelin home folder (" +
                                  club.home.path().string() +
                                  ") appears to be locked.  If rebooting your computer does not clear the problem "
                                  "you will need to manually remove the file.");
  EXPECT_EQ(club.home.ui.busy_depth, 0);
  EXPECT_TRUE(fs::is_empty(club.home.path() / "saved"));
  club.home.ui.dialogs.clear();
  club.home.ui.files.clear();
}

TEST(Backup, AnImageFileThatCannotBeRemovedIsNamedWithItsFolder) {
  Club club;
  fs::create_directories(club.home.path() / "qlwin4.dbc" / "stuck");
  club.back_up();
  ASSERT_EQ(club.home.ui.messages.size(), 1u);
  EXPECT_EQ(club.last_text(), "The temporary file " + (club.home.path() / "qlwin4.dbc").string() +
                                  " appears to be write protected or corruupted.  That file will need to be "
                                  "manually deleted.");
  EXPECT_EQ(club.home.ui.messages[0].kind, 1);
  club.home.ui.dialogs.clear();
  club.home.ui.files.clear();
}

TEST(Backup, CancelInTheDialogSaysSoAndWritesNoBackup) {
  Club club;
  club.home.ui.dialog(DialogScript{{}, true, false});
  EXPECT_FALSE(backup_database(club.state, club.server));
  EXPECT_EQ(club.last_text(), "The database backup was cancelled as requested.");
  EXPECT_TRUE(fs::is_empty(club.home.path() / "saved"));
  // Nothing of the backup stays in the home folder either.
  EXPECT_EQ(testing::folder_names(club.home.path()), (std::vector<std::string>{"qlwin4.dat", "saved"}));
}

TEST(WorkingFile, TheRestoreRemovesThePackedFileOfAnEarlierBackupWhateverItsOutcome) {
  Club club;
  club.back_up();
  const fs::path packed = club.home.path() / "qlwin4.dbb";
  testing::write_file(packed, Bytes(1000, 7));
  club.home.ui.dialog(DialogScript{{}, true, false});  // cancelled
  EXPECT_FALSE(restore_command(club.state, club.server));
  EXPECT_EQ(club.last_text(), "The restore was cancelled as requested.");
  EXPECT_FALSE(fs::exists(packed));
  testing::write_file(packed, Bytes(1000, 7));
  club.restore(club.backup());
  EXPECT_EQ(club.last_text(), restore_done);
  EXPECT_FALSE(fs::exists(packed));
}

TEST(Backup, AVanishedFolderIsReportedAndNothingCalledDone) {
  Club club;
  testing::script_local_backup(club.home.ui, (club.home.path() / "gone" / "club").string());
  EXPECT_FALSE(backup_database(club.state, club.server));
  ASSERT_TRUE(club.home.ui.error_shown());
  EXPECT_EQ(club.last_text().rfind("Unable to open the backup file in the destination directory.  The requested "
                                   "backup was NOT successfully completed.\n\n(cannot create ",
                                   0),
            0u);
  for (const auto& m : club.home.ui.messages) EXPECT_EQ(m.text.find(backup_done), std::string::npos);
}

TEST(Backup, TheWebServerButtonSaysTheNetworkIsNotSetUp) {
  Club club;
  set_field_text(club.state.system.club_id, "LAKE01");
  EXPECT_TRUE(write_record(club.state, RecordKind::system, 1));
  club.home.ui.dialog(DialogScript{{{"!save_to_tolvane_web_server", ""}}, false, false});
  EXPECT_FALSE(backup_database(club.state, club.server));
  EXPECT_EQ(club.last_text(), network_not_set_up_text);
  EXPECT_EQ(club.home.ui.last_message()->kind, 1);
  // The copy for the server is made under the club's name, with its checksum
  // file; no packed working file stays.
  EXPECT_TRUE(fs::exists(club.home.path() / "LAKE01.bkp"));
  EXPECT_TRUE(fs::exists(club.home.path() / "LAKE01.bkp.sha256"));
  EXPECT_FALSE(fs::exists(club.home.path() / "LAKE01.dbb"));
}

TEST(Backup, WithoutAClubIdTheUploadOffersTheSignUpPage) {
  Club club;
  club.home.ui.dialog(DialogScript{{{"!save_to_tolvane_web_server", ""}}, false, false});
  club.home.ui.answer(Button::yes);
  EXPECT_FALSE(backup_database(club.state, club.server));
  EXPECT_EQ(club.home.ui.messages.back().title, "Cuplink Network - Internet Club ID");
  ASSERT_EQ(club.home.ui.opened_pages.size(), 1u);
  EXPECT_EQ(club.home.ui.opened_pages[0], "https://www.quillon-golf.example/clubid");
}

}  // namespace
}  // namespace quillon::testing
