// A backup proves it is whole: by the checksum file beside it, and without
// one by showing what it holds before the user agrees. What it unpacks to must
// pass the start-up's own layout rule.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "core/database_layout.h"
#include "core/records/system_record.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_server.h"
#include "exchange/backup/checksum_file.h"
#include "exchange/backup/restore.h"
#include "exchange/backup/sha256.h"
#include "tests/exchange/backup/backup_test_support.h"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* restore_done =
    "The requested restore was successfully completed.\n\n"
    "Following a database restore, Quillon must be restarted.\n\nClick OK to exit out of Quillon.";
constexpr const char* unchanged =
    "The database restore was NOT successfully completed and the database was not changed.";

// With 50 course slots the tournaments begin at 15700. 2968000 bytes end 900
// bytes (five golfer entries) into the golfers of tournament 21: a length the
// start-up accepts. 2969000 bytes end 1900 bytes in, which no database has.
constexpr std::int64_t cut_inside_tournament_21 = 2968000;
constexpr std::int64_t cut_off_the_layout = 2969000;

// The backup cut at the end of the record that completes `length` bytes of
// the database: what a copy that stopped part-way leaves.
Bytes cut_backup(const Bytes& backup, std::int64_t length) {
  std::size_t at = 200;
  std::int64_t unpacked = 0;
  while (unpacked < length) {
    auto count = static_cast<std::int16_t>(backup.at(at) | (backup.at(at + 1) << 8));
    at += 2 + (count > 0 ? static_cast<std::size_t>(count) : 0);
    unpacked += count > 0 ? count : -count;
  }
  EXPECT_EQ(unpacked, length) << "the cut does not fall on a record boundary";
  return Bytes(backup.begin(), backup.begin() + static_cast<long>(at));
}

// 25 tournaments; "Cup 20" (15-Sep-2026) has the latest date.
class CutBackup : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fill_database(state, 3, 25);
    database = file_bytes(db());
    testing::script_local_backup(home.ui, file("club").string());
    EXPECT_TRUE(backup_database(state, server));
    whole = file_bytes(file("CLUB.BKP"));
    ASSERT_TRUE(fs::exists(file("CLUB.BKP.sha256")));
    testing::mark_database(state, "Current");
    current = file_bytes(db());
    home.ui.messages.clear();
  }
  fs::path db() const { return home.path() / "qlwin4.dat"; }
  fs::path file(const std::string& name) const { return home.path() / name; }
  // Whether the restore was done.
  bool restore(const fs::path& from) {
    testing::script_restore(home.ui, from.string());
    return restore_command(state, server).is_ok();
  }
  std::string last_text() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }
  bool asked() const {
    for (const auto& m : home.ui.messages)
      if (m.title == "Database Restore") return true;
    return false;
  }
  std::string question(const std::string& holdings) const {
    return "The backup file " + file("CLUB.BKP").string() +
           " has no checksum file (CLUB.BKP.sha256), so Quillon cannot prove that it is complete.\n\n" + holdings +
           "\n\nRestore it over the active database only if that is all it should hold.  Do you wish to restore it?";
  }
  void expect_unchanged() {
    EXPECT_EQ(file_bytes(db()), current);
    EXPECT_FALSE(state.exit_requested);
    EXPECT_EQ(home.ui.busy_depth, 0);
  }

  TestHome home;
  State& state = home.started();
  NetworkServicesNotSetUp server;
  Bytes database, whole, current;
};

TEST_F(CutBackup, TheChecksumFileIsThatOfSha256sumAndChecksWithIt) {
  Bytes line = file_bytes(file("CLUB.BKP.sha256"));
  EXPECT_EQ(std::string(line.begin(), line.end()), sha256_of(whole) + "  CLUB.BKP\n");
  const std::string check = "cd '" + home.path().string() + "' && sha256sum -c --status CLUB.BKP.sha256";
  EXPECT_EQ(std::system(check.c_str()), 0);
  testing::write_file(file("CLUB.BKP"), cut_backup(whole, cut_inside_tournament_21));
  EXPECT_NE(std::system(check.c_str()), 0);
}

TEST_F(CutBackup, WithItsChecksumFileACutBackupIsRefusedNamingTheFile) {
  // The cut fits the layout: only the checksum can tell.
  testing::write_file(file("CLUB.BKP"), cut_backup(whole, cut_inside_tournament_21));
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  EXPECT_EQ(last_text(), "The backup file " + file("CLUB.BKP").string() + " does not match its checksum file " +
                             file("CLUB.BKP.sha256").string() +
                             ": it is incomplete or damaged and cannot be restored.\n\n" + unchanged);
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_FALSE(asked());
  expect_unchanged();
}

TEST_F(CutBackup, WithItsChecksumFileAChangedByteIsRefused) {
  Bytes changed = whole;
  changed[changed.size() / 2] ^= 0x01;
  testing::write_file(file("CLUB.BKP"), changed);
  BackupContents contents;
  Status read = read_backup(file("CLUB.BKP"), nullptr, contents);
  EXPECT_FALSE(read);
  EXPECT_EQ(contents.problem, BackupProblem::checksum);
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  EXPECT_EQ(last_text().rfind("The backup file " + file("CLUB.BKP").string() + " does not match its checksum file", 0),
            0u);
  expect_unchanged();
}

TEST_F(CutBackup, AChecksumFileThatIsNotOneRefusesTheBackup) {
  testing::write_file(file("CLUB.BKP.sha256"), Bytes{'n', 'o', '\n'});
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  EXPECT_EQ(last_text(), "The checksum file " + file("CLUB.BKP.sha256").string() +
                             " cannot be used (it does not hold lines of sha256sum).\n\n" + unchanged);
  expect_unchanged();
}

TEST_F(CutBackup, WithoutAChecksumFileACutOffTheLayoutIsRefusedByTheStartUpsRule) {
  fs::remove(file("CLUB.BKP.sha256"));
  testing::write_file(file("CLUB.BKP"), cut_backup(whole, cut_off_the_layout));
  SystemRecord header{};
  std::memcpy(&header, whole.data(), sizeof header);
  const std::string reason = check_layout_fits(header, cut_off_the_layout).reason();
  EXPECT_EQ(reason,
            "The database file is 2969000 bytes long, which does not fit the layout its system record describes (50 "
            "course slots, with a desktop message); the system record appears to be damaged.");
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  EXPECT_EQ(last_text(), damaged_backup_text(reason));
  EXPECT_FALSE(asked());
  expect_unchanged();
}

TEST_F(CutBackup, WithoutAChecksumFileTheRestoreShowsWhatItHoldsAndNoIsTheDefault) {
  fs::remove(file("CLUB.BKP.sha256"));
  testing::write_file(file("CLUB.BKP"), cut_backup(whole, cut_inside_tournament_21));
  home.ui.answer(Button::no);
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  ASSERT_GE(home.ui.messages.size(), 2u);
  const RecordedMessage& asked_message = home.ui.messages[home.ui.messages.size() - 2];
  EXPECT_EQ(asked_message.title, "Database Restore");
  EXPECT_EQ(asked_message.kind, 4);
  EXPECT_EQ(asked_message.default_button, Button::no);
  EXPECT_EQ(asked_message.text, question("It holds 21 tournaments; the newest is \"Cup 20\" of 15-Sep-2026."));
  EXPECT_EQ(last_text(), "The restore was cancelled as requested.");
  expect_unchanged();
  // The pre-restore image of a restore that did not happen is a copy of its own.
  EXPECT_EQ(file_bytes(file("qlwin4db.sav")), current);
  testing::mark_database(state, "Later");
  EXPECT_EQ(file_bytes(file("qlwin4db.sav")), current);

  // Yes restores what the backup holds, all of it and no more.
  home.ui.messages.clear();
  home.ui.answer(Button::yes);
  EXPECT_TRUE(restore(file("CLUB.BKP")));
  EXPECT_EQ(last_text(), restore_done);
  EXPECT_EQ(file_bytes(db()), Bytes(database.begin(), database.begin() + cut_inside_tournament_21));
}

TEST_F(CutBackup, ARestoreAnsweredNoLeavesNoSecondNameOfTheDatabaseNorATemporaryWhileItsLastMessageIsUp) {
  fs::remove(file("CLUB.BKP.sha256"));
  bool checked = false;
  home.ui.on_message = [&](const RecordedMessage& m) {
    if (m.text != "The restore was cancelled as requested.") return;
    checked = true;
    struct stat image {
    }, database{};
    ASSERT_EQ(::stat(file("qlwin4db.sav").c_str(), &image), 0);
    ASSERT_EQ(::stat(db().c_str(), &database), 0);
    EXPECT_NE(image.st_ino, database.st_ino);
    EXPECT_EQ(file_bytes(file("qlwin4db.sav")), current);
    for (const auto& entry : fs::directory_iterator(home.path()))
      EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
  };
  home.ui.answer(Button::no);
  EXPECT_FALSE(restore(file("CLUB.BKP")));
  EXPECT_TRUE(checked);
  expect_unchanged();
}

TEST_F(CutBackup, AWholeBackupWithoutItsChecksumFileIsAskedAboutToo) {
  fs::remove(file("CLUB.BKP.sha256"));
  home.ui.answer(Button::yes);
  EXPECT_TRUE(restore(file("CLUB.BKP")));
  ASSERT_GE(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[home.ui.messages.size() - 2].text,
            question("It holds 25 tournaments; the newest is \"Cup 20\" of 15-Sep-2026."));
  EXPECT_EQ(last_text(), restore_done);
  EXPECT_EQ(file_bytes(db()), database);
}

TEST(BackupHoldings, CountsOneTournamentAndNone) {
  DatabaseImageFacts facts;
  EXPECT_EQ(backup_holdings_text(facts), "It holds no tournaments.");
  facts.tournaments = 1;
  facts.newest_name = "Spring Medal";
  facts.newest_year = 2025;
  facts.newest_month = 4;
  facts.newest_day = 2;
  EXPECT_EQ(backup_holdings_text(facts), "It holds 1 tournament; the newest is \"Spring Medal\" of 02-Apr-2025.");
}

TEST(ChecksumFile, ReadsTheLinesOfItsBackupAndRefusesOthers) {
  using Hexes = std::vector<std::string>;
  TestHome home;
  fs::path backup = home.path() / "X.BKP";
  EXPECT_EQ(*read_checksum_file(backup), Hexes{});
  const std::string hex(64, 'a');
  ASSERT_TRUE(write_checksum_file(backup, {hex}));
  EXPECT_EQ(*read_checksum_file(backup), Hexes{hex});
  Bytes written = file_bytes(checksum_path_for(backup));
  EXPECT_EQ(std::string(written.begin(), written.end()), hex + "  X.BKP\n");
  // While a backup replaces another: both lines.
  ASSERT_TRUE(write_checksum_file(backup, {hex, std::string(64, 'f')}));
  EXPECT_EQ(*read_checksum_file(backup), (Hexes{hex, std::string(64, 'f')}));
  // sha256sum's binary marker, upper-case digits, another file's line first.
  std::string text = std::string(64, 'B') + " *OTHER.BKP\n" + std::string(64, 'C') + " *X.BKP\n";
  testing::write_file(checksum_path_for(backup), Bytes(text.begin(), text.end()));
  EXPECT_EQ(*read_checksum_file(backup), Hexes{std::string(64, 'c')});
  // A pair renamed together still names the old file.
  text = std::string(64, 'd') + "  CLUB.BKP\n";
  testing::write_file(checksum_path_for(backup), Bytes(text.begin(), text.end()));
  EXPECT_EQ(*read_checksum_file(backup), Hexes{std::string(64, 'd')});
  text = std::string(63, 'e') + "  X.BKP\n";
  testing::write_file(checksum_path_for(backup), Bytes(text.begin(), text.end()));
  EXPECT_EQ(read_checksum_file(backup).status().reason(), "The checksum file " + checksum_path_for(backup).string() +
                                                              " cannot be used (it does not hold lines of sha256sum).");
}

}  // namespace
}  // namespace quillon::testing
