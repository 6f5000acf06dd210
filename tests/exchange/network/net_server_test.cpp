// The network commands against the loopback reference servers.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>

#include "core/messages.h"
#include "exchange/network/net_cuplink.h"
#include "exchange/network/net_parlink_download.h"
#include "exchange/network/net_parlink_upload.h"
#include "exchange/network/net_session.h"
#include "exchange/network/net_update.h"
#include "exchange/network/parlink_members.h"
#include "tests/exchange/support/net_fixture.h"
#include "tests/testing/files.h"

namespace quillon {
namespace {

using testing::LoopbackServers;
using testing::TestHome;

class NetworkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    servers.configure(home.path());
    state = &home.started();
  }
  std::vector<std::string> messages() const { return home.ui.message_texts(); }
  std::string last_message() const { return home.ui.last_message() ? home.ui.last_message()->text : ""; }

  LoopbackServers servers;
  TestHome home{DateTime{2025, 3, 10, 9, 0, 0}};
  State* state = nullptr;
};

TEST_F(NetworkTest, FtpSessionFetchesTheBlobCachesItOwnerOnlyAndReusesIt) {
  InternetSession internet;
  ASSERT_TRUE(open_internet(*state, internet));
  ASSERT_NE(open_ftp_session(*state, internet), nullptr);
  auto cache = home.path() / credential_cache_name;
  ASSERT_TRUE(std::filesystem::exists(cache));
  EXPECT_EQ(std::filesystem::file_size(cache), 500u);
  EXPECT_EQ(std::filesystem::status(cache).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  // With a cached blob the web server is not asked again.
  servers.set_switch("pldump_bad");
  ASSERT_NE(open_ftp_session(*state, internet), nullptr);
  EXPECT_TRUE(messages().empty());
}

TEST_F(NetworkTest, AuthenticationFailuresNameTheBytesRead) {
  InternetSession internet;
  ASSERT_TRUE(open_internet(*state, internet));
  servers.set_switch("pldump_bad");
  EXPECT_EQ(open_ftp_session(*state, internet), nullptr);
  EXPECT_EQ(last_message(), "46-46 : Authentication failure attempting to attach to Tolvane Systems Inc. FTP site.");
  std::filesystem::remove(servers.root() / ".pldump_bad");
  servers.set_switch("pldump_short");
  EXPECT_EQ(open_ftp_session(*state, internet), nullptr);
  EXPECT_EQ(last_message(), "400-496 : Authentication failure attempting to attach to Tolvane Systems Inc. FTP site.");
}

TEST_F(NetworkTest, MalformedSettingsLineIsReported) {
  std::ofstream(home.path() / "network.ini") << "ftp_host 127.0.0.1\n";
  InternetSession internet;
  EXPECT_FALSE(open_internet(*state, internet));
  EXPECT_EQ(last_message(), "Line 1 of the network settings file \"" + (home.path() / "network.ini").string() +
                                "\" cannot be used:\nftp_host 127.0.0.1");
}

TEST(NetworkTimeouts, SilentServerEndsWithTheTimeOutMessage) {
  // A listening socket that never accepts: the connection is made, no greeting follows.
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(fd, 4), 0);
  socklen_t length = sizeof address;
  getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  NetworkSettings settings;
  settings.ftp_host = "127.0.0.1";
  settings.ftp_port = ntohs(address.sin_port);
  settings.timeout_seconds = 1;
  FtpSession ftp(settings, "qlwin4", "x");
  Status status = ftp.logon();
  close(fd);
  ASSERT_FALSE(status);
  EXPECT_EQ(ftp.last_failure(), NetFailure::timed_out);
  EXPECT_EQ(status.reason(), "The server did not answer the logon to 127.0.0.1 within 1 seconds.");
}

TEST(NetworkDrops, BrokenOrCancelledDownloadLeavesNoFile) {
  TestHome home;
  // Sent slowly so that the server can be killed in the middle of the file.
  LoopbackServers servers({"--throttle", "65536"});
  servers.put_file("big.bin", std::string(1 << 20, 'q'));
  NetworkSettings settings;
  ASSERT_TRUE(load_network_settings(home.path(), settings));
  servers.configure(home.path());
  ASSERT_TRUE(load_network_settings(home.path(), settings));
  FtpSession ftp(settings, "qlwin4", testing::test_ftp_password);
  auto target = home.path() / "big.bin";
  Status cancelled = ftp.get("big.bin", target, [](std::int64_t done, std::int64_t) { return done < 100000; });
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(ftp.last_failure(), NetFailure::cancelled);
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "big.bin").empty());

  Status broken = ftp.get("big.bin", target, [&](std::int64_t done, std::int64_t) {
    if (done > 100000) servers.kill_now();
    return true;
  });
  EXPECT_FALSE(broken);
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "big.bin").empty());
}

// Update via Internet.

class UpdateTest : public NetworkTest {
 protected:
  Status run(const std::string& description, const std::string& package = std::string(5000, 'm')) {
    servers.put_file("update/ql/build.inf", description);
    servers.put_file("update/ql/ql_update.msi", package);
    return check_for_update(*state, UpdateOptions{0, "250427.1"});
  }
  const std::string question =
      "You are currently running the latest version of Quillon.  Would you like to download and re-apply the "
      "latest update?";
};

TEST_F(UpdateTest, SameReleaseAsksBeforeDownloadingAgain) {
  home.ui.answer(Button::no);
  EXPECT_FALSE(run("525a 250427.1 current release\r\n"));
  EXPECT_EQ(messages(), std::vector<std::string>{question});
  EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.msi"));
  home.ui.answer(Button::yes);
  EXPECT_TRUE(run("525a 250427.1 current release\r\n"));
  EXPECT_EQ(home.ui.opened_pages.back(), (home.path() / "ql_update.msi").string());
}

TEST_F(UpdateTest, NewerOlderOrOtherBuildDownloadsWithoutAsking) {
  for (const char* d :
       {"526a 260101.1 newer release\r\n", "524a 240101.1 older release\r\n", "525a 250428.1 other release\r\n"}) {
    home.ui.opened_pages.clear();
    EXPECT_TRUE(run(d)) << d << (home.ui.last_message() ? home.ui.last_message()->text : "");
    EXPECT_EQ(home.ui.opened_pages.size(), 1u);
  }
  std::string downloaded = "The update has been downloaded to " + (home.path() / "ql_update.msi").string() +
                           " and opened with the desktop's program for it.  Quillon does not install it itself: "
                           "install it, then start Quillon again.";
  EXPECT_EQ(messages(), std::vector<std::string>(3, downloaded));
  EXPECT_EQ(std::filesystem::file_size(home.path() / "ql_update.msi"), 5000u);
  const auto& lines = home.ui.progress_lines;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Version information retrieved...|-1"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Transfer 100% complete|100"), lines.end());
}

TEST_F(UpdateTest, AFifteenByteDescriptionIsReadAndAShortOneIsCalledDamaged) {
  home.ui.answer(Button::no);
  EXPECT_FALSE(run("525a 250427.1\r\n"));  // the same build: the question, answered No
  EXPECT_EQ(messages(), std::vector<std::string>{question});
  EXPECT_TRUE(run("526a 250427.1\r\n"));
  EXPECT_EQ(home.ui.opened_pages.size(), 1u);

  home.ui.messages.clear();
  home.ui.opened_pages.clear();
  EXPECT_FALSE(run("526a 2504"));
  EXPECT_EQ(messages(), std::vector<std::string>{update_description_damaged_text});
  EXPECT_EQ(home.ui.last_message()->kind, message_kind::error);
  EXPECT_TRUE(home.ui.opened_pages.empty());
}

TEST_F(UpdateTest, PackageChangedAfterItsSizeWasTakenIsRefused) {
  home.ui.on_progress = [&](const std::string& status, int) {
    if (status.starts_with("Transfer 0%")) servers.put_file("update/ql/ql_update.msi", std::string(7000, 'm'));
    return true;
  };
  EXPECT_FALSE(run("526a 260101.1 newer release\r\n"));
  // Depending on when the new file lands, the transfer itself sees the change
  // (and the reason follows the message) or the size comparison after it.
  EXPECT_EQ(last_message().rfind("An error was encountered downloading the update.", 0), 0u) << last_message();
  EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.msi"));
  EXPECT_TRUE(home.ui.opened_pages.empty());
}

TEST_F(UpdateTest, ChecksumOfTheDescriptionMustMatch) {
  std::string package(3000, 'p');
  // The SHA-256 of 3000 letters "p", as sha256sum gives it.
  const std::string sum = "2b25be619b818eb7df29d3eaf8fc11dab1682aaa80f4b846366a15a65e14230b";
  std::ofstream(home.path() / "expected") << package;
  EXPECT_EQ(file_sha256((home.path() / "expected").string()), sum);
  EXPECT_EQ(file_sha256((home.path() / "missing").string()), "");
  EXPECT_TRUE(run("526a 260101.1 newer release\r\nsha256=" + sum + "\r\n", package));
  EXPECT_FALSE(run("526a 260101.1 newer release\r\nsha256=" + std::string(64, '0') + "\r\n", package));
  EXPECT_NE(last_message().find("does not match the checksum"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.msi"));
}

// Parlink exchange.

class ParlinkTest : public NetworkTest {
 protected:
  void SetUp() override {
    NetworkTest::SetUp();
    testing::set_club_id(*state, "pine");
    testing::put_course(*state, 1, testing::make_course("Pine Hills", "Blue", 18, 712, 128));
    testing::TournamentSpec plan;
    plan.golfers = {testing::member("Lee, Ann", "A17", 'F', 18), testing::member("Cox, Cy", "C3", 'M', 17),
                    testing::member("Day, Di", "D4", 'M', 18, 3)};
    testing::put_tournament(*state, 1, plan);
  }
  void publish(int version, const char* tee = "Blue") {
    servers.put_file("hdb/pine.db",
                     testing::parlink_database(version, 'a',
                                               {testing::make_course("Oak", "Red", 18, 700, 120),
                                                testing::make_course("Pine Hills", tee, 18, 712, 128)},
                                               {{"A17", "Lee", "Ann", 1000, 'F'}, {"D4", "Day", "Di", 123, 'M'}}));
  }
};

TEST_F(ParlinkTest, ScoresUploadedAsRecordsAndMerged) {
  publish(2023);
  home.ui.answer(Button::yes);
  ASSERT_TRUE(upload_parlink_scores(*state, 1));
  EXPECT_EQ(last_message(), "The upload of scores to the Parlink Network was successfully completed.");
  std::string uploaded = servers.file("hdb/pine.tmp");
  ASSERT_EQ(uploaded.size(), 2 * sizeof(ParlinkScoreRecord));
  ParlinkScoreRecord r;
  std::memcpy(&r, uploaded.data() + sizeof r, sizeof r);
  EXPECT_EQ(std::string(r.name), "Day, Di");
  EXPECT_EQ(r.gross, 54);
  EXPECT_EQ(r.course_number, 2);
  EXPECT_EQ(r.flags, 0x4001);
  std::string requests = servers.file(".requests");
  EXPECT_NE(requests.find("/cgi-bin/insertrnd.exe?CID=pine&ACTION=Submit"), std::string::npos);
  EXPECT_NE(requests.find("/cgi-bin/mergefiles.exe?SRC=pine.tmp&DST=pine.new&ACTION=Submit"), std::string::npos);
}

TEST_F(ParlinkTest, VersionOlderThan2023AndTeeOfOtherCaseRefused) {
  publish(2022);
  home.ui.answer(Button::no);
  EXPECT_FALSE(upload_parlink_scores(*state, 1));
  EXPECT_EQ(last_message(),
            "Quillon for Windows 2025.a cannot exchange scores with an Parlink Network (2022.a) system.  One or both "
            "of the systems must be updated.");
  publish(2025, "BLUE");
  home.ui.answer(Button::no);
  EXPECT_FALSE(upload_parlink_scores(*state, 1));
  EXPECT_EQ(last_message(),
            "The course for division 1 (Pine Hills - Blue) could not be located in the course database on the Parlink "
            "Network.  The scores for this tournament cannot be uploaded.");
}

TEST_F(ParlinkTest, TournamentWithoutAnUploadableRoundSendsNothing) {
  publish(2025);
  testing::TournamentSpec plan;
  plan.golfers = {testing::member("Lee, Ann", "", 'F', 18), testing::member("Cox, Cy", "C3", 'M', 17)};
  testing::put_tournament(*state, 1, plan);
  home.ui.answer(Button::no);
  EXPECT_FALSE(upload_parlink_scores(*state, 1));
  EXPECT_EQ(last_message(), no_scores_to_upload_text);
  EXPECT_EQ(home.ui.last_message()->kind, 2);
  EXPECT_FALSE(std::filesystem::exists(servers.root() / "hdb/pine.tmp"));
  EXPECT_EQ(servers.file(".requests").find("insertrnd"), std::string::npos);
}

TEST_F(ParlinkTest, ErrorStatusOfTheMergeIsAFailure) {
  publish(2025);
  servers.set_switch("cgi_fail");
  home.ui.answer(Button::no);
  EXPECT_FALSE(upload_parlink_scores(*state, 1));
  EXPECT_NE(last_message().find("did not take them in"), std::string::npos);
  EXPECT_NE(last_message().find("error status 500"), std::string::npos);
}

TEST_F(ParlinkTest, CourseDataAndMemberListDownloaded) {
  publish(2025);
  ASSERT_TRUE(download_parlink_courses(*state));
  EXPECT_EQ(std::filesystem::file_size(parlink_courses_path(*state, "pine")), 1212u + 600u);
  ASSERT_TRUE(download_parlink_members(*state));
  ParlinkMemberList list;
  list = testing::members_of(parlink_members_path(*state, "pine"));
  EXPECT_TRUE(list.complete());
  ASSERT_EQ(list.members.size(), 2u);
  EXPECT_EQ(list.members[0].name, "Lee, Ann");
  EXPECT_EQ(parlink_index_tenths(list.members[0], false), 404);
  EXPECT_EQ(parlink_index_tenths(list.members[1], true), 61);
}

TEST_F(ParlinkTest, AbsurdCourseCountAndBrokenMemberListLeaveNoFile) {
  std::string db = testing::parlink_database(2025, 'a', {});
  std::int16_t absurd = -3;
  std::memcpy(&db[98], &absurd, 2);
  servers.put_file("hdb/pine.db", db);
  EXPECT_FALSE(download_parlink_courses(*state));
  EXPECT_EQ(last_message().substr(0, 61), "An error was encountered downloading the Course Rating data.");
  EXPECT_FALSE(std::filesystem::exists(parlink_courses_path(*state, "pine")));
  publish(2025);
  servers.set_switch("drop_web");
  EXPECT_FALSE(download_parlink_members(*state));
  EXPECT_FALSE(std::filesystem::exists(parlink_members_path(*state, "pine")));
}

// Cuplink publishing.

class CuplinkTest : public NetworkTest {
 protected:
  void SetUp() override {
    NetworkTest::SetUp();
    testing::set_club_id(*state, "abcdefghijklmno");
    set_field_text_terminated(state->import_settings.reporting_name, "Pine Hills");
    ASSERT_TRUE(write_record(*state, RecordKind::import_settings, 1));
    testing::put_course(*state, 2, testing::make_course("Pine Hills", "White", 18, 690, 120));
    testing::put_course(*state, 5, testing::make_course("Pine Hills", "Blue", 18, 712, 128));
  }
  std::vector<std::string> server_files() {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(servers.root() / "tdb"))
      if (e.is_regular_file()) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(CuplinkTest, UploadFileHoldsTheUsedCoursesRenumbered) {
  testing::TournamentSpec plan;
  plan.division_tees = {5, 5, 2};
  plan.golfers = {testing::member("Lee, Ann", "A17", 'F', 18)};
  testing::put_tournament(*state, 1, plan);
  ASSERT_TRUE(upload_tournament(*state, 1));
  const std::string name = "abcdefghijklmno-ZZ-007-ZZ-250305-ZZ-Pine Hills-ZZ-Spring Open";
  EXPECT_EQ(server_files(), std::vector<std::string>{name});
  std::string file = servers.file("tdb/" + name);
  ASSERT_EQ(file.size(), 400u + 2 * 300 + 3400 + 4 * 180);
  SystemRecord system;
  std::memcpy(&system, file.data(), sizeof system);
  EXPECT_EQ(system.course_slot_count, 2);
  EXPECT_TRUE(system.flags & system_flag::no_desktop_message);
  CourseRecord first;
  std::memcpy(&first, file.data() + 400, sizeof first);
  EXPECT_EQ(field_text(first.tee_name), "Blue");
  TournamentHeader header;
  std::memcpy(&header, file.data() + 1000, sizeof header);
  EXPECT_EQ(header.division_tee[0], 1);
  EXPECT_EQ(header.division_tee[1], 1);
  EXPECT_EQ(header.division_tee[2], 2);
  // The database keeps its own slot count.
  EXPECT_EQ(state->system.course_slot_count, 50);
}

TEST_F(CuplinkTest, SixtyDaysUploadSixtyOneRefused) {
  testing::TournamentSpec plan;
  plan.year = 2025, plan.month = 1, plan.day = 9;  // 60 days before 10 March
  testing::put_tournament(*state, 1, plan);
  plan.day = 8;
  plan.name = "Late Cup";
  testing::put_tournament(*state, 2, plan);
  EXPECT_TRUE(upload_tournament(*state, 1));
  EXPECT_FALSE(upload_tournament(*state, 2));
  EXPECT_EQ(last_message(), "Tournaments played more than 60 days ago cannot be uploaded to the Cuplink Network.");
  EXPECT_EQ(server_files().size(), 1u);
}

TEST_F(CuplinkTest, DialogListsUploadsRemovesAndKeepsTheHundredLimit) {
  testing::TournamentSpec plan;
  plan.name = "R&D / Cup";
  testing::put_tournament(*state, 1, plan);
  for (int i = 0; i < 100; ++i)
    servers.put_file(
        "tdb/abcdefghijklmno-ZZ-" + std::to_string(100 + i) + "-ZZ-250101-ZZ-Pine Hills-ZZ-Old " + std::to_string(i),
        "x");
  servers.put_file("tdb/abcdefghijklmno-ZZ-broken", "x");
  servers.put_file("tdb/otherclub-ZZ-001-ZZ-250101-ZZ-X-ZZ-Y", "x");
  CuplinkModel model(*state);
  EXPECT_EQ(model.find("server_list")->options.size(), 100u);
  ASSERT_TRUE(model.set("desktop_list", "#1").is_ok());
  EXPECT_TRUE(model.press("upload"));
  EXPECT_EQ(last_message(),
            "100 tournaments have been uploaded.  The # of uploaded tournaments must be reduced to below 100 before "
            "any additional tournaments can be uploaded.");
  ASSERT_TRUE(model.set("server_list", "#100").is_ok());
  EXPECT_TRUE(model.press("remove"));
  EXPECT_EQ(model.find("server_list")->options.size(), 99u);
  EXPECT_TRUE(model.press("upload"));
  const auto& lines = model.find("server_list")->options;
  ASSERT_EQ(lines.size(), 100u);
  EXPECT_EQ(lines.front(), cuplink_list_line(2025, 3, 5, "R&D / Cup"));
  EXPECT_TRUE(std::filesystem::exists(servers.root() /
                                      "tdb/abcdefghijklmno-ZZ-007-ZZ-250305-ZZ-Pine Hills-ZZ-R-X38X-D -X47X- Cup"));
}

// The desktop list shares the tournament selection's order: newest first,
// a tournament of the last century after this century's, and equal dates by
// name without regard to letter case.
TEST_F(CuplinkTest, DesktopListIsNewestFirst) {
  const struct {
    const char* name;
    int year, month, day;
  } tournaments[] = {{"Old Open", 1999, 7, 5},
                     {"alpha Cup", 2025, 3, 5},
                     {"Beta Cup", 2025, 3, 5},
                     {"", 2026, 1, 1},
                     {"New Year", 2026, 1, 2}};
  int slot = 0;
  for (const auto& t : tournaments) {
    testing::TournamentSpec plan;
    plan.name = t.name;
    plan.year = t.year;
    plan.month = t.month;
    plan.day = t.day;
    testing::put_tournament(*state, ++slot, plan);
  }
  CuplinkModel model(*state);
  EXPECT_EQ(model.find("desktop_list")->options,
            (std::vector<std::string>{
                cuplink_list_line(2026, 1, 2, "New Year"), cuplink_list_line(2025, 3, 5, "Beta Cup"),
                cuplink_list_line(2025, 3, 5, "alpha Cup"), cuplink_list_line(1999, 7, 5, "Old Open")}));
}

TEST_F(CuplinkTest, ClubIdStoredInLowerCaseAndOnlySafeCharacters) {
  CuplinkModel model(*state);
  EXPECT_TRUE(model.set("club_id", "PineHills"));
  ASSERT_TRUE(model.accept());
  ASSERT_TRUE(read_record(*state, RecordKind::system, 1));
  EXPECT_EQ(field_text(state->system.club_id), "pinehills");
  EXPECT_TRUE(model.set("club_id", "../etc"));
  EXPECT_FALSE(model.accept());
  EXPECT_EQ(last_message(), "The Club ID can hold only letters, digits, '-' and '_'.");
}

}  // namespace
}  // namespace quillon
