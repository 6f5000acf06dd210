// The Ravelin and workbook sources of the import window's holding list.
#include <gtest/gtest.h>

#include <fstream>

#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/import_settings_dialog.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/exchange/support/ravelin_file.h"

namespace quillon::testing {
namespace {

std::vector<std::string> lines(const HoldingList& holding) {
  std::vector<std::string> out;
  for (const auto& e : holding) out.push_back(holding_list_line(e));
  return out;
}

// A cup on a course of `holes` holes and a Ravelin file at the home folder.
State& cup_with_ravelin(TestHome& home, const RavelinFile& file, int holes = 18) {
  State& state = home.started();
  put_cup(state, 2, 4, holes);
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";
  return state;
}

TEST(IndexConversion, NineAndEighteenHoleIndexes) {
  EXPECT_EQ(ravelin_import_index(1000, 'M', false, 9), 182);  // 364, then (364 + 1) / 2
  EXPECT_EQ(ravelin_import_index(1000, 'F', false, 18), 404);
  EXPECT_EQ(ravelin_import_index(1000, 'M', true, 9), 182);
  EXPECT_EQ(ravelin_import_index(1000, 'F', true, 18), 404);  // 202 doubled
  EXPECT_EQ(ravelin_import_index(61, 'M', true, 18), 122);
  EXPECT_EQ(ravelin_import_index(123, 'M', false, 9), 62);
  EXPECT_EQ(ravelin_import_index(-15, 'M', false, 9), -7);
  for (int code : {3, 4, 5, 11}) EXPECT_TRUE(nine_hole_system(code));
  for (int code : {0, 1, 2, 6, 7, 8, 9, 10}) EXPECT_FALSE(nine_hole_system(code));
  EXPECT_EQ(system_record_of(0), 2);
  EXPECT_EQ(system_record_of(1), 3);
  EXPECT_EQ(system_record_of(6), 4);
  EXPECT_EQ(system_record_of(11), 2);
  EXPECT_EQ(imported_name("Lee", "Ann"), "Lee, Ann");
  EXPECT_EQ(imported_name("Lee", ""), "Lee");
  EXPECT_EQ(imported_name("Fitzwilliams-Smythe", "Bartholomew"), "Fitzwilliams-Smythe, Bart");
}

TEST(RavelinSource, MembersOfTheOnlyFlightWithoutDuplicates) {
  TestHome home;
  RavelinFile file;
  file.flight(1, "Men", 0);
  file.member({"M1", "Lee", "Ann", 1000, 'F', 1, false, true});
  file.member({"M2", "Stone", "Bob", 123, 'M', 1});
  file.member({"M3", "Gone", "Gail", 50, 'F', 1, true});  // inactive
  file.member({"", "ZZZZZZZZZZ", "", 0, 'M', 1});  // empty slot
  file.member({"M4", "Other", "Otto", 80, 'M', 2});  // another flight: kept, as no flight was chosen
  file.member({"M5", "Stone", "Bob", 123, 'M', 1});  // the same line again
  file.member({"M6", "Ward", "Cy", 200, 'M', 1});  // already in the tournament
  State& state = cup_with_ravelin(home, file, 9);
  put_golfers(state, {{1, 0, "Ward, Cy", 200}});
  HoldingList holding;
  ASSERT_TRUE(list_ravelin_members(state, holding, {"Ward, Cy"}));
  EXPECT_EQ(lines(holding), (std::vector<std::string>{"Lee, Ann\t20.2\tN\tY\tF", "Stone, Bob\t 6.2\tN\tN\tM"}));
  EXPECT_EQ(std::string(holding[0].member_id), "M1");
  EXPECT_EQ(std::string(holding[0].info1), "Locker 12");
  EXPECT_EQ(holding[0].is_member, 1);
  EXPECT_EQ(holding[0].division, 1);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(RavelinSource, ChosenFlightNineHoleSystemAndTheCourseHandicapWarning) {
  TestHome home;
  RavelinFile file;
  file.flight(1, "Men", 0);
  file.flight(2, "Nine Hole League", 3);  // 9-hole indexes, kind-10 record 1
  file.includes_rating_and_par(1, true);
  file.member({"A", "Lee", "Ann", 1000, 'M', 2});
  file.member({"B", "Stone", "Bob", 61, 'M', 2});
  file.member({"C", "Other", "Otto", 80, 'M', 1});
  State& state = cup_with_ravelin(home, file, 18);
  home.ui.select(SelectionKind::other, "2");
  HoldingList holding;
  ASSERT_TRUE(list_ravelin_members(state, holding, {}));
  EXPECT_EQ(lines(holding), (std::vector<std::string>{"Lee, Ann\t36.4\tN\tN\tM", "Stone, Bob\t12.2\tN\tN\tM"}));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 0);
  EXPECT_EQ(home.ui.messages[0].text,
            "When computing course handicaps, Ravelin is including the course rating and course par in the course "
            "handicap calculations but Quillon is not.  This could result in course handicaps computed by Quillon not "
            "matching course handicaps from Ravelin.");

  home.ui.messages.clear();
  home.ui.select(SelectionKind::other, "");
  HoldingList none;
  EXPECT_FALSE(list_ravelin_members(state, none, {}));
  EXPECT_TRUE(none.empty());
}

TEST(RavelinSource, VersionCheckAndMissingDatabase) {
  TestHome home;
  RavelinFile file;
  file.version(2022, 'c');
  State& state = cup_with_ravelin(home, file);
  HoldingList holding;
  EXPECT_FALSE(list_ravelin_members(state, holding, {}));
  EXPECT_EQ(home.ui.last_message()->text,
            "The Ravelin for Windows 2022.c database cannot be imported by this version of Quillon for Windows "
            "(2025.a).  One or both of the systems must be updated.");

  state.ravelin_path = "elsewhere/rvwin4.dat";
  EXPECT_FALSE(ravelin_database_located(state));
  EXPECT_EQ(home.ui.last_message()->text,
            "Quillon is configured to import golfers and handicaps from a Ravelin database [" +
                (home.path() / "elsewhere/rvwin4.dat").string() +
                "] but the handicap database could not be located. For assistance call Tolvane Systems Inc. at "
                "555-0142.");
}

void use_member_columns(State& state) {
  state.import_settings.import_source = static_cast<std::uint8_t>(ImportSource::spreadsheet);
  const char* columns[6] = {"Sheet1", "firstname", "lastname", "not required", "gender", "handicap"};
  for (int i = 0; i < 6; ++i) set_field_text(state.import_settings.import_column[i], columns[i]);
}

TEST(SpreadsheetSource, NamesIndexesAndGenders) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 2);
  use_member_columns(state);
  home.ui.files.push_back(fixture("members.xlsx").string());
  HoldingList holding;
  ASSERT_TRUE(fill_import_list(state, holding, {}));
  EXPECT_EQ(lines(holding),
            (std::vector<std::string>{"Lee, Ann\t12.3\tN\tN\tF", "Stone, Bob\t12.4\tN\tN\tM", "Solo\t+1.2\tN\tN\tM",
                                      "Ward, Cy\t36.4\tN\tN\tM", "Ng, Dee\t40.4\tN\tN\tF"}));
  EXPECT_EQ(holding[0].is_member, 1);
  EXPECT_TRUE(std::filesystem::exists(home.path() / "import.txt"));

  // On a 9-hole course the 18-hole indexes are halved when the user says so.
  TestHome nine;
  State& s9 = nine.started();
  put_cup(s9, 2, 4, 9);
  use_member_columns(s9);
  nine.ui.answer(Button::yes);
  nine.ui.files.push_back(fixture("members.xlsx").string());
  HoldingList halved;
  ASSERT_TRUE(fill_import_list(s9, halved, {}));
  EXPECT_EQ(nine.ui.messages[0].text,
            "You are importing golfers into a 9 hole tournament.\n\nAre the handicaps you are importing 18 hole "
            "handicaps?");
  EXPECT_EQ(holding_list_line(halved[0]), "Lee, Ann\t 6.1\tN\tN\tF");
}

TEST(SpreadsheetSource, DecimalCommasNoIndexTextsAndMultiLineNames) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 2);
  use_member_columns(state);
  std::ofstream(home.path() / "members.csv", std::ios::binary)
      << "firstname;lastname;handicap;gender\r\nAnn;Lee;12,4;F\r\nBob;Stone;+1,2;M\r\nCy;Ward;N/A;M\r\n"
         "\"Mary\r\nAnn\";Wilson;EOF;F\r\n";
  home.ui.files.push_back((home.path() / "members.csv").string());
  HoldingList holding;
  ASSERT_TRUE(fill_import_list(state, holding, {}));
  EXPECT_EQ(lines(holding), (std::vector<std::string>{"Lee, Ann\t12.4\tN\tN\tF", "Stone, Bob\t+1.2\tN\tN\tM",
                                                      "Ward, Cy\t36.4\tN\tN\tM", "Wilson, Mary Ann\t40.4\tN\tN\tF"}));
}

TEST(SpreadsheetSource, AListWithoutItsNameColumnOrWithAWrongIndexIsRefused) {
  struct Case {
    const char* csv;
    const char* reason;
  };
  for (const Case& c :
       {Case{"Name,handicap,gender\r\nAnn Lee,12.0,F\r\n",
             "the sheet has no column named \"firstname\" in its first row, so no golfer can be read"},
        Case{"firstname,lastname,handicap\r\nAnn,Lee,12.0\r\nBob,Stone,twelve\r\n",
             "row 3, column C (\"handicap\"): \"twelve\" is not a handicap index"},
        Case{"firstname,lastname,handicap\r\n,,12.0\r\n", "no row of the sheet has a name in its firstname column"}}) {
    SCOPED_TRACE(c.csv);
    TestHome home;
    State& state = home.started();
    put_cup(state, 2);
    use_member_columns(state);
    std::ofstream(home.path() / "members.csv", std::ios::binary) << c.csv;
    home.ui.files.push_back((home.path() / "members.csv").string());
    HoldingList holding;
    EXPECT_FALSE(fill_import_list(state, holding, {}));
    EXPECT_TRUE(holding.empty());
    EXPECT_EQ(home.ui.last_message()->kind, 1);
    EXPECT_EQ(home.ui.last_message()->text, std::string("The spreadsheet cannot be imported: ") + c.reason +
                                                ".\n\nThe import was NOT successfully completed; nothing was changed.");
  }
}

}  // namespace
}  // namespace quillon::testing
