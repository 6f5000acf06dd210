// The restore's checks: the confirmation, the version, damaged backups and the
// ring of pre-restore images. A refused backup leaves the database as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/restore.h"
#include "tests/exchange/backup/backup_test_support.h"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

struct Club {
  TestHome home;
  State& state = home.started();
  NetworkServicesNotSetUp server;
  fs::path db() const { return home.path() / "qlwin4.dat"; }
  fs::path file(const std::string& name) const { return home.path() / name; }

  // A backup made by the command, of the database as it is now.
  Bytes back_up() {
    testing::script_local_backup(home.ui, file("club").string());
    EXPECT_TRUE(backup_database(state, server));
    return file_bytes(file("CLUB.BKP"));
  }
  // Keeps how the command went in `outcome`.
  void restore(const fs::path& from, const std::string& confirmation = "Restore") {
    testing::script_restore(home.ui, from.string(), confirmation);
    outcome = restore_command(state, server);
  }
  Status outcome = Status::ok();
  std::string last_text() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }
};

std::string damaged(const std::string& reason) {
  return "The selected backup file is damaged and cannot be restored (" + reason +
         ").\n\nThe database restore was NOT successfully completed and the database was not changed.";
}

TEST(RestoreConfirmation, AcceptsRestoreInAnyCaseButNothingElse) {
  EXPECT_TRUE(RestoreDialogModel::confirmed("RESTORE"));
  EXPECT_TRUE(RestoreDialogModel::confirmed("Restore"));
  EXPECT_TRUE(RestoreDialogModel::confirmed("restore"));
  EXPECT_FALSE(RestoreDialogModel::confirmed("restore "));
  EXPECT_FALSE(RestoreDialogModel::confirmed(""));

  TestHome home;
  State& state = home.started();
  RestoreDialogModel dialog(state);
  ASSERT_TRUE(dialog.set(confirmation_field, "restore ").is_ok());
  ASSERT_TRUE(dialog.press(restore_browse_button).is_ok());
  EXPECT_FALSE(dialog.accept());  // the dialog stays open
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 2);
  EXPECT_EQ(home.ui.messages[0].text,
            "A database restore will completely overwrite the active database. In order for the restore to be "
            "performed you must type the word 'restore' into the restore confirmation box.");
  ASSERT_TRUE(dialog.set(confirmation_field, "RESTORE").is_ok());
  ASSERT_TRUE(dialog.press(restore_browse_button).is_ok());
  EXPECT_TRUE(dialog.accept());
  EXPECT_EQ(dialog.source(), RestoreSource::browse);
}

TEST(Restore, AnUnconfirmedRestoreIsCancelledAndChangesNothing) {
  Club club;
  club.back_up();
  testing::mark_database(club.state, "Kept");
  Bytes before = file_bytes(club.db());
  club.home.ui.dialog(DialogScript{{{confirmation_field, "restore "}, {"!browse", ""}}, false, false});
  EXPECT_FALSE(restore_command(club.state, club.server));
  EXPECT_EQ(club.last_text(), "The restore was cancelled as requested.");
  EXPECT_FALSE(club.state.exit_requested);
  EXPECT_EQ(file_bytes(club.db()), before);
}

TEST(Restore, ABackupOfAnotherVersionIsRefusedNamingIt) {
  Club club;
  Bytes backup = club.back_up();
  SystemRecord header;
  std::memcpy(&header, backup.data(), sizeof header);
  header.program_version = 2024;
  header.program_version_letter = 'c';
  std::memcpy(backup.data(), &header, sizeof header);
  testing::write_file(club.file("OLD.BKP"), backup);
  Bytes before = file_bytes(club.db());

  club.restore(club.file("OLD.BKP"));
  EXPECT_EQ(club.last_text(),
            "The backup was created using an earlier version of Quillon for Windows (2024c) and cannot be restored.");
  EXPECT_EQ(club.home.ui.last_message()->kind, 1);
  EXPECT_EQ(file_bytes(club.db()), before);
  EXPECT_FALSE(club.state.exit_requested);
}

TEST(Restore, ABackupOfASmallerDatabaseRestoresToExactlyItsLength) {
  Club club;
  testing::fill_database(club.state, 2, 1);
  Bytes small = file_bytes(club.db());
  club.back_up();
  testing::fill_database(club.state, 2, 5);
  ASSERT_GT(file_bytes(club.db()).size(), small.size());
  club.restore(club.file("CLUB.BKP"));
  EXPECT_EQ(file_bytes(club.db()), small);
}

TEST(Restore, TheEleventhRestoreDropsTheOldestImage) {
  Club club;
  for (int round = 1; round <= 11; ++round) {
    testing::mark_database(club.state, "Round " + std::to_string(round));
    club.home.ui.dialog(DialogScript{{}, true, false});  // the images are taken before the dialog
    EXPECT_FALSE(restore_command(club.state, club.server));
  }
  auto mark_of = [&](int age) {
    Bytes image = file_bytes(club.file(restore_ring_name(age)));
    if (image.size() < 400) return std::string("missing");
    ImportSettingsRecord settings;
    std::memcpy(&settings, image.data() + 200, sizeof settings);
    return field_text(settings.reporting_name);
  };
  EXPECT_EQ(restore_ring_name(0), "qlwin4db.sav");
  EXPECT_EQ(restore_ring_name(9), "qlwin4db.s9");
  for (int age = 0; age < restore_ring_size; ++age) EXPECT_EQ(mark_of(age), "Round " + std::to_string(11 - age));
  EXPECT_FALSE(fs::exists(club.file("qlwin4db.s10")));
}

// Damaged or foreign files are refused before anything is written.
class DamagedBackup : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fill_database(club.state, 3, 3);
    good = club.back_up();
    testing::mark_database(club.state, "Current");
    current = file_bytes(club.db());
  }
  void expect_refused(const Bytes& file, const std::string& text) {
    testing::write_file(club.file("BAD.BKP"), file);
    club.restore(club.file("BAD.BKP"));
    EXPECT_EQ(club.last_text(), text);
    EXPECT_EQ(club.home.ui.last_message()->kind, 1);
    EXPECT_EQ(file_bytes(club.db()), current);
    EXPECT_FALSE(club.state.exit_requested);
    EXPECT_EQ(club.home.ui.busy_depth, 0);
    for (const char* work : {"qlwin4db.exp", "qlwin4db.ql$"}) EXPECT_FALSE(fs::exists(club.file(work)));
  }
  Club club;
  Bytes good, current;
};

TEST_F(DamagedBackup, TruncatedInsideARecord) {
  Bytes cut(good.begin(), good.end() - 3);
  expect_refused(cut, damaged(stream_cut_short));
}

TEST_F(DamagedBackup, TruncatedBetweenRecords) {
  // Cut at a record boundary inside the course slots: the stream parses, but
  // the image is shorter than a whole database.
  Bytes cut(good.begin(), good.begin() + 200);
  std::size_t at = 200;
  std::int64_t unpacked = 0;
  while (unpacked < 10000) {
    auto count = static_cast<std::int16_t>(good[at] | (good[at + 1] << 8));
    std::size_t record = 2 + (count > 0 ? static_cast<std::size_t>(count) : 0);
    cut.insert(cut.end(), good.begin() + static_cast<long>(at), good.begin() + static_cast<long>(at + record));
    at += record;
    unpacked += count > 0 ? count : -count;
  }
  // The start-up's own rule refuses it, in the start-up's words.
  expect_refused(cut, damaged("The database file is " + std::to_string(unpacked) +
                              " bytes long, shorter than the 15700 bytes its 50 course slots need; the file appears "
                              "to be damaged or cut short."));
}

TEST_F(DamagedBackup, AFlippedBitInACount) {
  Bytes flipped = good;
  flipped[201] ^= 0x80;  // the high byte of the first count
  expect_refused(flipped, damaged(stream_bad_record));
}

TEST_F(DamagedBackup, AFlippedBitInTheImagesSystemRecord) {
  Bytes flipped = good;
  flipped[204] ^= 0x01;  // the version inside the packed system record (after -6 and a count)
  expect_refused(flipped, damaged("its database does not begin with the system record of the backup"));
}

TEST_F(DamagedBackup, AForeignFile) {
  Bytes text;
  for (int i = 0; i < 300; ++i) text.push_back(static_cast<std::uint8_t>("Dear members, "[i % 14]));
  expect_refused(text,
                 "The backup was created using an earlier version of Quillon for Windows (28005D) and cannot be "
                 "restored.");
}

TEST_F(DamagedBackup, AShortFile) {
  expect_refused(Bytes(good.begin(), good.begin() + 150), damaged("the file is shorter than its 200-byte header"));
}

TEST_F(DamagedBackup, AStreamThatUnpacksBeyondTheLargestDatabase) {
  Bytes bomb(good.begin(), good.begin() + 200);
  for (std::int64_t i = 0; i < 148000; ++i) bomb.insert(bomb.end(), {0x18, 0xFC});
  expect_refused(bomb, damaged(stream_too_long));
}

TEST_F(DamagedBackup, TheStreamOfAnotherDatabase) {
  // Another club's database under this club's header.
  Bytes other(good.begin(), good.begin() + 200);
  Bytes image = file_bytes(club.db());
  image[120] ^= 0x55;  // another window position
  Bytes packed = pack_bytes(image);
  other.insert(other.end(), packed.begin(), packed.end());
  expect_refused(other, damaged("its database does not begin with the system record of the backup"));
}

TEST(Restore, AMissingBackupFileIsAWarning) {
  Club club;
  Bytes before = file_bytes(club.db());
  club.restore(club.file("NONE.BKP"));
  EXPECT_EQ(club.last_text(),
            "An error was encountered locating the selected backup file.\n\nThe database restore was NOT successfully "
            "completed.");
  EXPECT_EQ(club.home.ui.last_message()->kind, 0);
  EXPECT_EQ(file_bytes(club.db()), before);
}

TEST(Restore, FromTheWebServerNeedsAClubIdAndThenTheNetwork) {
  Club club;
  club.back_up();
  Bytes before = file_bytes(club.db());
  club.home.ui.dialog(DialogScript{{{confirmation_field, "restore"}, {"!tolvane_web_server", ""}}, false, false});
  EXPECT_FALSE(restore_command(club.state, club.server));
  EXPECT_EQ(club.last_text(),
            "An Internet Club Id must be entered prior to restoring backup data from the Cuplink Network.\n\nTo enter "
            "your Internet Club ID click on the 'Cuplink Network' button on the main window.");

  set_field_text(club.state.system.club_id, "LAKE01");
  EXPECT_TRUE(write_record(club.state, RecordKind::system, 1));
  before = file_bytes(club.db());
  club.home.ui.dialog(DialogScript{{{confirmation_field, "restore"}, {"!tolvane_web_server", ""}}, false, false});
  EXPECT_FALSE(restore_command(club.state, club.server));
  EXPECT_EQ(club.last_text(), network_not_set_up_text);
  EXPECT_EQ(file_bytes(club.db()), before);
  EXPECT_FALSE(club.state.exit_requested);
}

}  // namespace
}  // namespace quillon::testing
