// The golfer import recipe of quillon-cli: three members of a Ravelin file
// placed into groups 1 and 2 of a tournament.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/fixed_text.h"
#include "tests/exchange/support/net_fixture.h"
#include "tests/exchange/support/ravelin_file.h"
#include "tests/testing/cli_run.h"

namespace quillon {
namespace {

using testing::cli;
using testing::CliRun;

TEST(ImportCli, ThreeRavelinMembersIntoGroupsOneAndTwo) {
  testing::TestHome home;
  State& state = home.started();
  testing::put_course(state, 1, testing::make_course("Lakeside", "White", 18, 712, 128));
  testing::TournamentSpec cup;
  cup.golfers = {testing::member("Ward, Cy", "M9", 'M', 0), testing::member("Ash, Al", "", 'M', 0)};
  testing::put_tournament(state, 1, cup);
  testing::RavelinFile file;
  file.flight(1, "Men", 0);
  file.member({"M1", "Lee", "Ann", 1000, 'F'});
  file.member({"M2", "Stone", "Bob", 123, 'M'});
  file.member({"M3", "Ng", "Dee", 88, 'F'});
  std::filesystem::create_directories(home.path() / "rv4");
  file.save(home.path() / "rv4" / "rvwin4.dat");

  CliRun settings =
      cli(home, {"--set", "import_source=Ravelin", "--set", "path=" + (home.path() / "rv4").string(), "1411"});
  ASSERT_EQ(settings.status, 0) << settings.err;
  CliRun import = cli(home, {"--tournament", "1", "--set", "holding=#1,#2", "--set", "field=#4", "--press", "ADD",
                             "--set", "holding=Ng, Dee", "--set", "field=#7", "--press", "ADD", "1105"});
  ASSERT_EQ(import.status, 0) << import.err;
  EXPECT_EQ(import.err, "");

  std::vector<std::string> placed;
  for (int g = 1; g <= 2; ++g)
    for (int s = 0; s < 4; ++s) {
      ASSERT_TRUE(read_record(state, RecordKind::group, g));
      const GolferEntry& e = state.group.entries[s];
      placed.push_back(field_text(e.name) + " " + std::to_string(e.handicap_index) + " " + field_text(e.member_id));
    }
  EXPECT_EQ(placed, (std::vector<std::string>{"Ward, Cy 0 M9", "Ash, Al 0 ", "Lee, Ann 404 M1", "Stone, Bob 123 M2",
                                              "Ng, Dee 88 M3", " 0 ", " 0 ", " 0 "}));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 2);
}

// A tee sheet import or export that did not happen ends quillon-cli with 1,
// the reason on standard error; one that happened ends it with 0.
TEST(ImportCli, ATeeSheetThatWasNotImportedOrExportedExitsOne) {
  testing::TestHome home;
  State& state = home.started();
  testing::put_course(state, 1, testing::make_course("Lakeside", "White", 18, 712, 128));
  testing::TournamentSpec cup;
  cup.golfers = {testing::member("Keep Me", "", 'M', 0)};
  testing::put_tournament(state, 1, cup);
  auto first_name = [&] {
    EXPECT_TRUE(read_record(state, RecordKind::group, 1));
    return field_text(state.group.entries[0].name);
  };

  std::ofstream(home.path() / "junk.xlsx") << "junk";
  CliRun junk = cli(home, {"--tournament", "1", "--file", (home.path() / "junk.xlsx").string(), "1106"});
  EXPECT_EQ(junk.status, 1);
  EXPECT_NE(junk.err.find("Spreadsheet Access Error: An error was encountered accessing the Excel spreadsheet.\n\nThe "
                          "file is not a zip workbook, or it is damaged (too short).\n\nThe import was NOT "
                          "successfully completed.\n"),
            std::string::npos)
      << junk.err;
  std::ofstream(home.path() / "no_name.csv") << "Golfer,Handicap\r\nAnn Lee,12.0\r\n";
  CliRun no_name = cli(home, {"--tournament", "1", "--file", (home.path() / "no_name.csv").string(), "1106"});
  EXPECT_EQ(no_name.status, 1);
  EXPECT_NE(no_name.err.find("the sheet has no column named \"Name\""), std::string::npos) << no_name.err;
  CliRun missing = cli(home, {"--tournament", "1", "--file", (home.path() / "none.csv").string(), "1106"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(first_name(), "Keep Me");

  std::ofstream(home.path() / "field.csv") << "Name,Handicap\r\nAnn Lee,12.0\r\n";
  CliRun done =
      cli(home, {"--tournament", "1", "--answer", "ok", "--file", (home.path() / "field.csv").string(), "1106"});
  EXPECT_EQ(done.status, 0) << done.err;
  EXPECT_EQ(first_name(), "Ann Lee");

  CliRun unwritable =
      cli(home, {"--tournament", "1", "--file", (home.path() / "no-such-folder" / "sheet.xlsx").string(), "1107"});
  EXPECT_EQ(unwritable.status, 1) << unwritable.err;
  CliRun exported = cli(home, {"--tournament", "1", "--file", (home.path() / "sheet.csv").string(), "1107"});
  EXPECT_EQ(exported.status, 0) << exported.err;
}

}  // namespace
}  // namespace quillon
