// The texts and layouts of the network exchange that need no server.
#include <gtest/gtest.h>

#include <fstream>

#include "exchange/network/net_cuplink_file.h"
#include "exchange/network/net_escape.h"
#include "exchange/network/net_parlink_upload.h"
#include "exchange/network/net_password.h"
#include "exchange/network/net_settings.h"
#include "exchange/network/net_update.h"
#include "exchange/network/parlink_members.h"
#include "tests/exchange/support/net_fixture.h"

namespace quillon {
namespace {

TEST(ServerEscaping, NameWithAmpersandSlashAndApostropheRoundTrips) {
  std::string name = "R&D / Smith's";
  escape_for_server(name);
  EXPECT_EQ(name, "R-X38X-D -X47X- Smith-X39X-s");
  unescape_from_server(name);
  EXPECT_EQ(name, "R&D / Smith's");
  std::string all = "!\"#$&'/\\";
  escape_for_server(all);
  EXPECT_EQ(all, "-X33X--X34X--X35X--X36X--X38X--X39X--X47X--X92X-");
}

TEST(NetworkSettingsFile, DefaultsKeysAndMalformedLines) {
  testing::TestHome home;
  NetworkSettings s;
  ASSERT_TRUE(load_network_settings(home.path(), s));
  EXPECT_EQ(s.ftp_port, 21);
  EXPECT_EQ(s.ftps, FtpsMode::try_tls);
  EXPECT_EQ(s.parlink_user, "plkxup");
  std::ofstream(home.path() / "network.ini") << "# loopback\nftp_host = 127.0.0.1\nftp_port=2121\n"
                                                "web_url = http://127.0.0.1:8080/\nftps = require\ntimeout = 7\n";
  ASSERT_TRUE(load_network_settings(home.path(), s));
  EXPECT_EQ(s.ftp_host, "127.0.0.1");
  EXPECT_EQ(s.ftp_port, 2121);
  EXPECT_EQ(s.web_url, "http://127.0.0.1:8080");
  EXPECT_EQ(s.ftps, FtpsMode::require);
  EXPECT_EQ(s.timeout_seconds, 7);
  std::ofstream(home.path() / "network.ini") << "ftp_host = a\nftp_port = 99999\n";
  Status bad = load_network_settings(home.path(), s);
  ASSERT_FALSE(bad);
  EXPECT_NE(bad.reason().find("Line 2 of the network settings file"), std::string::npos);
  EXPECT_NE(bad.reason().find("ftp_port = 99999"), std::string::npos);
}

TEST(CredentialBlob, PasswordPickedAtTheTablePositionsEndsAtTilde) {
  std::vector<unsigned char> blob(500, 'x');
  const std::string password = "Tv7-pq2Lm9";
  for (const auto& p : password_table)
    blob[p.blob] = p.password < 10 ? password[p.password] : (p.password == 10 ? '~' : 'z');
  EXPECT_EQ(password_from_blob(blob.data(), blob.size()), password);
  EXPECT_EQ(password_from_blob(blob.data(), 475), "");
  blob[password_table[0].blob] = '~';
  EXPECT_EQ(password_from_blob(blob.data(), blob.size()), "");
}

TEST(BuildDescription, VersionLetterBuildAndChecksum) {
  // The thirteen bytes of version, letter, separator and build identifier are enough.
  Result<BuildDescription> d = parse_build_description("526a 250427.1\r\n");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->version, 2026);
  EXPECT_EQ(d->build, "250427.1");
  d = parse_build_description("525a 250427.1");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->build, "250427.1");
  EXPECT_FALSE(parse_build_description("525a 250427."));
  EXPECT_FALSE(parse_build_description("5x5a 250427.1"));
  d = parse_build_description("525a 250427.1 release notes\r\n");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->version, 2025);
  EXPECT_EQ(d->letter, 'a');
  EXPECT_EQ(d->build, "250427.1");
  EXPECT_EQ(d->sha256, "");
  EXPECT_TRUE(is_running_release(*d, "250427.1"));
  EXPECT_FALSE(is_running_release(*d, "250427.2"));
  std::string sum(64, 'A');
  d = parse_build_description("526b 260101.2 release notes\r\nsha256 " + sum + "\r\n");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->version, 2026);
  EXPECT_EQ(d->sha256, std::string(64, 'a'));
  EXPECT_FALSE(is_running_release(*d, "260101.2"));
}

TEST(ParlinkMemberList, FieldsCountAndIndexConversion) {
  testing::TestHome home;
  std::ofstream(home.path() / "c.hdx", std::ios::binary) << "1\tLee, Ann\tA17\tF\t\t18\r\n2;Brown, Bob;B2;M;123;18\xff"
                                                            "3\r\nCox, Cy\r\nC3\r\nM\r\n+12\r\n18\r\nMEMCOUNT=3\r\n";
  ParlinkMemberList list;
  list = testing::members_of(home.path() / "c.hdx");
  ASSERT_EQ(list.members.size(), 3u);
  EXPECT_TRUE(list.complete());
  EXPECT_EQ(list.members[0].name, "Lee, Ann");
  EXPECT_EQ(list.members[0].index_text, "EOF");
  EXPECT_EQ(parlink_index_tenths(list.members[0], false), 404);
  EXPECT_EQ(list.members[1].member_id, "B2");
  EXPECT_EQ(parlink_index_tenths(list.members[1], false), 123);
  EXPECT_EQ(parlink_index_tenths(list.members[1], true), 61);
  EXPECT_EQ(parlink_index_tenths(list.members[2], false), -12);

  std::ofstream(home.path() / "c.hdx", std::ios::binary) << "1\tLee, Ann\tA17\tF\t99\t18\r\nmemcount=2\r\n";
  list = testing::members_of(home.path() / "c.hdx");
  EXPECT_FALSE(list.complete());
  std::ofstream(home.path() / "c.hdx", std::ios::binary) << "he selected club was not found\r\n";
  list = testing::members_of(home.path() / "c.hdx");
  EXPECT_TRUE(list.club_not_found);
  EXPECT_TRUE(list.members.empty());
  Result<ParlinkMemberList> missing = read_parlink_members(home.path() / "none.hdx");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.status().reason(), "The member list " + (home.path() / "none.hdx").string() + " cannot be read.");
}

TEST(ParlinkScoreRecordLayout, HolesPackedAndUnfinishedCardsSkipped) {
  ParlinkCourse course{3, testing::make_course("Pine Hills", "Blue", 18, 712, 128)};
  GolferEntry g = testing::member("Smith, Al", "123456789012", 'M', 18, 5);
  g.hole_scores[1] = 15;
  auto r = parlink_score_record(g, course, 18, 16000, 17000, true);
  ASSERT_TRUE(r);
  EXPECT_EQ(std::string(r->member_id, 11), "12345678901");
  EXPECT_EQ(std::string(r->name), "Smith, Al");
  EXPECT_EQ(r->hole_pairs[0], 5u | (15u << 16));
  EXPECT_EQ(r->gross, 17 * 5 + 15);
  EXPECT_EQ(r->gross_again, r->gross);
  EXPECT_EQ(r->rating, 712);
  EXPECT_EQ(r->slope, 128);
  EXPECT_EQ(r->tournament_day, 16000);
  EXPECT_EQ(r->upload_day, 17000);
  EXPECT_EQ(r->course_number, 3);
  EXPECT_EQ(r->flags, 0x4001);
  g.gender = 'F';
  EXPECT_EQ(parlink_score_record(g, course, 18, 1, 1, false)->rating, 752);

  GolferEntry seventeen = testing::member("Jones, Jo", "77", 'M', 17);
  EXPECT_FALSE(parlink_score_record(seventeen, course, 18, 1, 1, false));
  GolferEntry sixteen = testing::member("Kay, Kim", "78", 'M', 18);
  sixteen.hole_scores[9] = 16;
  EXPECT_FALSE(parlink_score_record(sixteen, course, 18, 1, 1, false));
  EXPECT_TRUE(parlink_score_record(seventeen, course, 9, 1, 1, false));
}

TEST(CuplinkNames, FileNameListLineAndServerNames) {
  testing::TestHome home;
  State& state = home.started();
  testing::set_club_id(state, "abcdefghijklmno");
  set_field_text_terminated(state.import_settings.reporting_name, "Pine Hills");
  TournamentHeader h{};
  h.date_year = 125;
  h.date_month = 3;
  h.date_day = 5;
  h.sequence_number = 7;
  set_field_text_terminated(h.name, "Spring Open");
  EXPECT_EQ(cuplink_file_name(state, h), "abcdefghijklmno-ZZ-007-ZZ-250305-ZZ-Pine Hills-ZZ-Spring Open");
  EXPECT_EQ(cuplink_list_line(h), "05-Mar-2025\tSpring Open                        ");

  ServerTournament t;
  ASSERT_TRUE(parse_server_file("abc", "abc-ZZ-012-ZZ-250401-ZZ-Club-ZZ-R-X38X-D -X47X- Cup", t));
  EXPECT_EQ(t.name, "R&D / Cup");
  EXPECT_EQ(t.line(), cuplink_list_line(2025, 4, 1, "R&D / Cup"));
  EXPECT_FALSE(parse_server_file("abc", "abc-ZZ-012-ZZ-250401-ZZ-Club", t));
  EXPECT_FALSE(parse_server_file("abc", "abc-ZZ-012-ZZ-2504x1-ZZ-Club-ZZ-Cup", t));
  EXPECT_FALSE(parse_server_file("abc", "abcd-ZZ-012-ZZ-250401-ZZ-Club-ZZ-Cup", t));
}

}  // namespace
}  // namespace quillon
