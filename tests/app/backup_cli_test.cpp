// The backup recipes of quillon-cli: a local backup, its check and a restore.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/exchange/support/net_servers.h"
#include "tests/testing/cli_run.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

using testing::cli;
using testing::CliRun;

TEST(BackupCli, BackUpVerifyChangeAndRestore) {
  testing::TestHome home;
  ASSERT_EQ(cli(home, {"init"}).status, 0);
  fs::path saved = home.path() / "saved";
  fs::create_directories(saved);

  CliRun backup = cli(home, {"--press", "save_to_local_device", "--file", (saved / "club.bkp").string(), "1103"});
  EXPECT_EQ(backup.status, 0);
  fs::path file = saved / "CLUB.BKP";
  EXPECT_EQ(backup.err,
            "Quillon for Windows Backup: The requested backup was successfully completed.\n" + file.string() + "\n");
  ASSERT_TRUE(fs::exists(file));

  std::ostringstream out, err;
  EXPECT_EQ(cli::run({"verify-backup", file.string()}, out, err), 0);
  EXPECT_EQ(out.str(), "The backup " + file.string() +
                           " is sound: Quillon 2025a, a database of 15700 bytes with 50 course slots and 0 "
                           "tournament slots.  It holds no tournaments.  It matches its checksum file " +
                           file.string() + ".sha256.\n");
  EXPECT_EQ(err.str(), "");

  ASSERT_EQ(cli(home, {"--set", "reporting_name=Changed Club", "1407"}).status, 0);
  CliRun refused = cli(home, {"--set", "confirmation=restore ", "--press", "browse", "--file", file.string(), "1104"});
  EXPECT_EQ(refused.status, 1);
  CliRun restore = cli(home, {"--set", "confirmation=restore", "--press", "browse", "--file", file.string(), "1104"});
  EXPECT_EQ(restore.status, 0);
  EXPECT_EQ(restore.err,
            "Quillon - Information: The requested restore was successfully completed.\n\nFollowing a database "
            "restore, Quillon must be restarted.\n\nClick OK to exit out of Quillon.\n");
  CliRun fields = cli(home, {"--list-fields", "1407"});
  EXPECT_NE(fields.out.find("= \n"), std::string::npos) << fields.out;
  EXPECT_EQ(fields.out.find("Changed Club"), std::string::npos);
}

TEST(BackupCli, ServerBackupAndRestoreWithNetworkIni) {
  testing::TestHome home;
  ASSERT_EQ(cli(home, {"init"}).status, 0);
  ASSERT_EQ(cli(home, {"--set", "club_id=Lake01", "2006"}).status, 0);
  CliRun not_set_up = cli(home, {"--press", "save_to_tolvane_web_server", "1103"});
  EXPECT_EQ(not_set_up.status, 1);
  EXPECT_EQ(not_set_up.err,
            "Quillon - Error: The Tolvane network services are not set up: the home folder holds no "
            "network.ini, so nothing was sent to or fetched from the Tolvane Web Server.\n");
  testing::LoopbackServers servers;
  servers.configure(home.path());

  CliRun backup = cli(home, {"--press", "save_to_tolvane_web_server", "1103"});
  EXPECT_EQ(backup.status, 0);
  EXPECT_EQ(backup.err,
            "Quillon - Information: The backup of your data to the Cuplink Network was successfully "
            "completed.\n");
  EXPECT_EQ(servers.file("tdb/lake01.bkp").size(), fs::file_size(home.path() / "lake01.bkp"));
  std::ifstream checksum(home.path() / "lake01.bkp.sha256");
  std::string line((std::istreambuf_iterator<char>(checksum)), std::istreambuf_iterator<char>());
  EXPECT_EQ(servers.file("tdb/lake01.bkp.sha256"), line);

  ASSERT_EQ(cli(home, {"--set", "reporting_name=Changed Club", "1407"}).status, 0);
  CliRun restore = cli(home, {"--set", "confirmation=restore", "--press", "tolvane_web_server", "1104"});
  EXPECT_EQ(restore.status, 0);
  EXPECT_EQ(cli(home, {"--list-fields", "1407"}).out.find("Changed Club"), std::string::npos);

  fs::remove(servers.root() / "tdb/lake01.bkp");
  CliRun missing = cli(home, {"--set", "confirmation=restore", "--press", "tolvane_web_server", "1104"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Quillon - Error: ERR : The backup file could not be located on the Cuplink Network.\n");
}

// A copy of CLUB.BKP without its checksum file, and one cut 10 bytes short beside the checksum file.
TEST(BackupCli, VerifyBackupProvesCompletenessOnlyWithTheChecksumFile) {
  testing::TestHome home;
  ASSERT_EQ(cli(home, {"init"}).status, 0);
  std::vector<std::string> course = {"--set", "course_name=Lakeside", "--set", "course_abbrev=LAKE",
                                     "--set", "men_rating=71.5"};
  for (int hole = 1; hole <= 18; ++hole)
    course.insert(course.end(), {"--set", "men_par." + std::to_string(hole) + "=4"});
  course.push_back("1308");
  ASSERT_EQ(cli(home, course).status, 0);
  ASSERT_EQ(cli(home, {"--set", "name=Winter Medal", "--set", "format=Net Scores", "--set", "date=2026-01-18", "1301"})
                .status,
            0);
  ASSERT_EQ(cli(home, {"--press", "save_to_local_device", "--file", (home.path() / "club").string(), "1103"}).status,
            0);
  fs::path file = home.path() / "CLUB.BKP";
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  fs::path copy = home.path() / "COPY.BKP";
  std::ofstream(copy, std::ios::binary) << bytes;
  std::ostringstream out, err;
  EXPECT_EQ(cli::run({"verify-backup", copy.string()}, out, err), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "quillon-cli: The backup " + copy.string() + " has no checksum file (" + copy.string() +
                           ".sha256), so its completeness cannot be proven: it unpacks to Quillon 2025a, a database of "
                           "163100 bytes with 50 course slots and 1 tournament slots.  It holds 1 tournament; the "
                           "newest is \"Winter Medal\" of 18-Jan-2026.\n");

  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() - 10);
  std::ostringstream out2, err2;
  EXPECT_EQ(cli::run({"verify-backup", file.string()}, out2, err2), 1);
  EXPECT_EQ(err2.str(), "quillon-cli: The backup file " + file.string() + " does not match its checksum file " +
                            file.string() + ".sha256: it is incomplete or damaged and cannot be restored.\n");

  // The restore asks about the copy; without an answer nothing is restored.
  CliRun unanswered =
      cli(home, {"--set", "confirmation=restore", "--press", "browse", "--file", copy.string(), "1104"});
  EXPECT_EQ(unanswered.status, 3);
  CliRun restored = cli(
      home, {"--set", "confirmation=restore", "--press", "browse", "--file", copy.string(), "--answer", "yes", "1104"});
  EXPECT_EQ(restored.status, 0) << restored.err;
}

TEST(BackupCli, VerifyBackupWritesNothing) {
  testing::TestHome home;
  ASSERT_EQ(cli(home, {"init"}).status, 0);
  ASSERT_EQ(cli(home, {"--press", "save_to_local_device", "--file", (home.path() / "club").string(), "1103"}).status,
            0);
  // No folder for temporary files: a check that wrote one could not run.
  const char* saved = std::getenv("TMPDIR");
  std::string saved_value = saved ? saved : "";
  ::setenv("TMPDIR", (home.path() / "no such folder").c_str(), 1);
  std::ostringstream out, err;
  int status = cli::run({"verify-backup", (home.path() / "CLUB.BKP").string()}, out, err);
  if (saved) ::setenv("TMPDIR", saved_value.c_str(), 1);
  else ::unsetenv("TMPDIR");
  EXPECT_EQ(status, 0) << err.str();
  EXPECT_FALSE(fs::exists(home.path() / "no such folder"));
}

TEST(BackupCli, VerifyBackupRefusesADamagedFileAndNeedsOne) {
  testing::TestHome home;
  fs::path bad = home.path() / "BAD.BKP";
  std::ofstream(bad, std::ios::binary) << std::string(150, 'x');
  std::ostringstream out, err;
  EXPECT_EQ(cli::run({"verify-backup", bad.string()}, out, err), 1);
  EXPECT_EQ(err.str(), "quillon-cli: The backup file " + bad.string() +
                           " is damaged and cannot be restored (the file is shorter than its 200-byte header).\n");
  std::ostringstream out2, err2;
  EXPECT_EQ(cli::run({"verify-backup"}, out2, err2), 2);
  EXPECT_EQ(err2.str().rfind("quillon-cli: verify-backup needs the backup file to check\n", 0), 0u);
}

}  // namespace
}  // namespace quillon
