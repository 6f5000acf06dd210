// The backup on the Cuplink file server: "Save to Tolvane Web Server" and the
// "Tolvane Web Server" restore against the loopback servers.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup.h"
#include "exchange/backup/backup_check.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/net_backup.h"
#include "exchange/backup/restore.h"
#include "exchange/network/net_settings.h"
#include "tests/exchange/backup/backup_test_support.h"
#include "tests/exchange/support/net_fixture.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::file_bytes;
using testing::LoopbackServers;
using testing::TestHome;

constexpr const char* uploaded = "The backup of your data to the Cuplink Network was successfully completed.";
constexpr const char* restored =
    "The requested restore was successfully completed.\n\nFollowing a database restore, Quillon must be "
    "restarted.\n\nClick OK to exit out of Quillon.";
constexpr const char* download_blocked =
    "ERR : The download of data from the Cuplink Network is being blocked by firewall or antivirus software on this "
    "computer.";
constexpr const char* upload_blocked =
    "ERR : The upload of data to the Cuplink Network is being blocked by firewall or antivirus software on this "
    "computer.";

class ServerBackupTest : public ::testing::Test {
 protected:
  explicit ServerBackupTest(std::vector<std::string> server_arguments = {}) : servers(std::move(server_arguments)) {}
  void SetUp() override {
    servers.configure(home.path());
    testing::fill_database(state, 3, 12);
    testing::set_club_id(state, "lake01");
  }
  fs::path db() const { return home.path() / "qlwin4.dat"; }
  fs::path local_copy() const { return home.path() / "lake01.bkp"; }
  std::string last_text() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }

  // Each keeps how the command went in `outcome`.
  void back_up_to_server() {
    home.ui.dialog(DialogScript{{{std::string("!") + save_server_button, ""}}, false, false});
    outcome = backup_database(state, server);
  }
  void restore_from_server() {
    home.ui.dialog(
        DialogScript{{{confirmation_field, "Restore"}, {std::string("!") + restore_server_button, ""}}, false, false});
    outcome = restore_command(state, server);
  }
  Status outcome = Status::ok();

  LoopbackServers servers;
  TestHome home;
  State& state = home.started();
  ConfiguredBackupServer server;
};

TEST_F(ServerBackupTest, RoundTripRestoresTheDatabaseByteForByte) {
  Bytes before = file_bytes(db());
  back_up_to_server();
  EXPECT_EQ(last_text(), uploaded);
  EXPECT_EQ(home.ui.last_message()->kind, 2);
  Bytes sent = file_bytes(local_copy());
  ASSERT_GT(sent.size(), backup_header_size);
  std::string on_server = servers.file("tdb/lake01.bkp");
  EXPECT_EQ(Bytes(on_server.begin(), on_server.end()), sent);
  // Its checksum file goes with it.
  Bytes checksum = file_bytes(home.path() / "lake01.bkp.sha256");
  std::string checksum_on_server = servers.file("tdb/lake01.bkp.sha256");
  EXPECT_EQ(Bytes(checksum_on_server.begin(), checksum_on_server.end()), checksum);
  ASSERT_EQ(checksum.size(), 64u + 13);
  EXPECT_EQ(std::string(checksum.begin() + 64, checksum.end()), "  lake01.bkp\n");

  testing::mark_database(state, "Changed after the backup");
  ASSERT_NE(file_bytes(db()), before);
  fs::remove(local_copy());
  restore_from_server();
  EXPECT_EQ(last_text(), restored);
  EXPECT_TRUE(state.exit_requested);
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_EQ(field_text(state.import_settings.reporting_name), "");
  // The download is the local copy the restore read.
  EXPECT_EQ(file_bytes(local_copy()), sent);
}

TEST_F(ServerBackupTest, MissingRemoteBackupIsNotLocatedAndChangesNothing) {
  Bytes before = file_bytes(db());
  restore_from_server();
  EXPECT_EQ(last_text(), "ERR : The backup file could not be located on the Cuplink Network.");
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(state.exit_requested);
  EXPECT_FALSE(fs::exists(local_copy()));
  EXPECT_FALSE(fs::exists(home.path() / "lake01.bkp.part"));
}

TEST_F(ServerBackupTest, AFailedRestoreKeepsThePreviousLocalCopyOfTheServersBackup) {
  const std::string earlier = "the backup fetched last month";
  testing::write_file(local_copy(), Bytes(earlier.begin(), earlier.end()));
  restore_from_server();
  EXPECT_EQ(last_text(), "ERR : The backup file could not be located on the Cuplink Network.");
  EXPECT_EQ(file_bytes(local_copy()), Bytes(earlier.begin(), earlier.end()));
}

TEST_F(ServerBackupTest, ABackupCutShortOnTheServerIsRefusedByItsChecksumFile) {
  back_up_to_server();
  ASSERT_EQ(last_text(), uploaded);
  std::string stored = servers.file("tdb/lake01.bkp");
  servers.put_file("tdb/lake01.bkp", stored.substr(0, stored.size() - 1000));
  testing::mark_database(state, "Changed after the backup");
  Bytes before = file_bytes(db());
  restore_from_server();
  EXPECT_EQ(last_text(), "The backup file " + local_copy().string() + " does not match its checksum file " +
                             local_copy().string() +
                             ".sha256: it is incomplete or damaged and cannot be restored.\n\nThe database restore "
                             "was NOT successfully completed and the database was not changed.");
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(state.exit_requested);
}

TEST_F(ServerBackupTest, AFolderTheServerRefusesIsNotLocatedEither) {
  fs::remove_all(servers.root() / "tdb");  // the server answers the change of folder with a refusal
  Bytes before = file_bytes(db());
  restore_from_server();
  EXPECT_EQ(last_text(), "ERR : The backup file could not be located on the Cuplink Network.");
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(state.exit_requested);
}

TEST_F(ServerBackupTest, WithoutAChecksumFileOnTheServerTheRestoreAsks) {
  back_up_to_server();
  ASSERT_EQ(last_text(), uploaded);
  // An older backup on the server: the checksum file of the local copy belongs
  // to that copy, not to what is downloaded now.
  fs::remove(servers.root() / "tdb/lake01.bkp.sha256");
  testing::mark_database(state, "Changed after the backup");
  Bytes before = file_bytes(db());
  home.ui.answer(Button::no);
  restore_from_server();
  ASSERT_GE(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[home.ui.messages.size() - 2].text,
            "The backup file " + local_copy().string() +
                " has no checksum file (lake01.bkp.sha256), so Quillon cannot prove that it is complete.\n\nIt holds "
                "12 tournaments; the newest is \"Cup 6\" of 15-Jul-2026.\n\nRestore it over the active database "
                "only if that is all it should hold.  Do you wish to restore it?");
  EXPECT_EQ(last_text(), "The restore was cancelled as requested.");
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(fs::exists(home.path() / "lake01.bkp.sha256"));
}

TEST_F(ServerBackupTest, UploadTheServerDidNotKeepWholeIsAFailure) {
  servers.set_switch("short_uploads");
  back_up_to_server();
  std::size_t size = fs::file_size(local_copy());
  EXPECT_EQ(last_text(), std::string(upload_blocked) + "\n\nThe server holds " + std::to_string(size / 2) +
                             " bytes of the " + std::to_string(size) + "-byte backup.");
  EXPECT_EQ(home.ui.last_message()->kind, 1);
}

TEST_F(ServerBackupTest, CommandTwoThousandTenNeedsTheBackupMadeForTheServer) {
  EXPECT_FALSE(upload_backup(state, server));
  EXPECT_EQ(last_text(), "The backup file \"" + local_copy().string() +
                             "\" is not there.  Make the backup with 'Save to Tolvane Web Server' first.");
  EXPECT_EQ(servers.file("tdb/lake01.bkp"), "");
}

TEST_F(ServerBackupTest, WithoutNetworkIniTheServerIsNotSetUp) {
  servers.put_file("tdb/lake01.bkp", "a backup");
  fs::remove(home.path() / network_settings_name);
  Bytes before = file_bytes(db());
  restore_from_server();
  EXPECT_EQ(last_text(), network_not_set_up_text);
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(fs::exists(local_copy()));
}

TEST_F(ServerBackupTest, UnsafeClubIdNeverReachesTheServerPath) {
  testing::set_club_id(state, "../x");
  restore_from_server();
  EXPECT_EQ(last_text(),
            "The Internet Club ID \"../x\" can hold only letters, digits, '-' and '_'.  Enter it again in the "
            "Cuplink Network dialog.");
  EXPECT_EQ(home.ui.messages.size(), 1u);
}

class SlowServerBackupTest : public ServerBackupTest {
 protected:
  // Sent slowly so that the server can be killed in the middle of the file.
  SlowServerBackupTest() : ServerBackupTest({"--throttle", "65536"}) {}
};

TEST_F(SlowServerBackupTest, DroppedConnectionLeavesNoPartialFile) {
  servers.put_file("tdb/lake01.bkp", std::string(1 << 20, 'b'));
  Bytes before = file_bytes(db());
  home.ui.on_progress = [&](const std::string& status, int percent) {
    if (status == downloading_status && percent >= 10) servers.kill_now();
    return true;
  };
  restore_from_server();
  EXPECT_EQ(last_text().rfind(std::string(download_blocked) + "\n\nThe connection broke off during", 0), 0u)
      << last_text();
  EXPECT_EQ(file_bytes(db()), before);
  EXPECT_FALSE(state.exit_requested);
  EXPECT_FALSE(fs::exists(local_copy()));
  EXPECT_FALSE(fs::exists(home.path() / "lake01.bkp.part"));
}

}  // namespace
}  // namespace quillon
