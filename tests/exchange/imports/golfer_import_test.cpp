// "Import Golfers from Handicap Database" through the two-list window, and the
// Parlink Network as the source of the window and of the handicap refresh.
#include <gtest/gtest.h>

#include <fstream>

#include "exchange/imports/golfer_import.h"
#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/handicap_refresh.h"
#include "exchange/imports/parlink_source.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/exchange/support/net_fixture.h"
#include "tests/exchange/support/ravelin_file.h"
#include "tournament/reorganize.h"

namespace quillon::testing {
namespace {

using Groups = std::vector<std::vector<std::string>>;

Groups stored_names(State& state, int groups) {
  Groups out;
  for (int g = 1; g <= groups; ++g) {
    EXPECT_TRUE(read_record(state, RecordKind::group, g));
    auto& row = out.emplace_back();
    for (int s = 0; s < state.header.group_size; ++s) row.push_back(field_text(state.group.entries[s].name));
  }
  return out;
}

bool import_into_cup(State& state) {
  std::mt19937 random(3);
  return import_golfers(state, nullptr, random);
}

void set_member_id(State& state, int group, int slot, const char* id) {
  ASSERT_TRUE(read_record(state, RecordKind::group, group));
  set_field_text_terminated(state.group.entries[slot].member_id, id);
  ASSERT_TRUE(write_record(state, RecordKind::group, group));
}

// Two groups of four, "Ward, Cy" in the first slot, and a Ravelin file of
// four members of one flight, Ward among them.
class RavelinImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RavelinFile file;
    file.flight(1, "Men", 0);
    file.member({"M1", "Lee", "Ann", 1000, 'F', 1, false, true});
    file.member({"M2", "Stone", "Bob", 123, 'M', 1});
    file.member({"M3", "Ward", "Cy", 200, 'M', 1});
    file.member({"M4", "Ng", "Dee", -15, 'F', 1});
    file.save(home.path() / "rvwin4.dat");
    state = &home.started();
    put_cup(*state, 2);
    put_golfers(*state, {{1, 0, "Ward, Cy", 200, 'M', 1, true}});
    state->ravelin_path = "rvwin4.dat";
  }
  // Lee and Stone into group 1 after Ward, Ng into group 2.
  DialogScript three_into_groups_one_and_two() {
    DialogScript script;
    script.sets = {{"holding", "#1,#2"},   {"field", "#3"}, {"!ADD", ""},
                   {"holding", "Ng, Dee"}, {"field", "#7"}, {"!ADD", ""}};
    return script;
  }

  TestHome home;
  State* state = nullptr;
};

TEST_F(RavelinImportTest, WindowListsTheMembersNotInTheField) {
  std::mt19937 random(3);
  ReorganizeModel window(*state, ReorganizeMode::import, nullptr, random);
  window.set_holding_source([](State& s) {
    HoldingList holding;
    EXPECT_TRUE(fill_import_list(s, holding, {}));
    return holding;
  });
  EXPECT_EQ(window.title(), "Import Golfers from Handicap Database");
  EXPECT_EQ(window.find("holding")->label, "Handicap Database");
  EXPECT_EQ(
      window.find("holding")->options,
      (std::vector<std::string>{"Lee, Ann\t40.4\tN\tY\tF", "Stone, Bob\t12.3\tN\tN\tM", "Ng, Dee\t+1.5\tN\tN\tF"}));
}

TEST_F(RavelinImportTest, ThreeMembersAddedIntoGroupsOneAndTwoAreStoredOnOk) {
  home.ui.dialog(three_into_groups_one_and_two());
  ASSERT_TRUE(import_into_cup(*state));
  EXPECT_EQ(stored_names(*state, 2), (Groups{{"Ward, Cy", "Lee, Ann", "Stone, Bob", ""}, {"Ng, Dee", "", "", ""}}));
  GolferEntry lee = golfer_at(*state, 1, 1);
  EXPECT_EQ(std::string(lee.member_id), "M1");
  EXPECT_EQ(lee.is_member, 1);
  EXPECT_EQ(lee.handicap_index, 404);
  EXPECT_EQ(lee.gender, 'F');
  EXPECT_EQ(lee.division, 1);
  EXPECT_EQ(lee.entry_flags & entry_flag::power_cart, entry_flag::power_cart);
  EXPECT_EQ(std::string(lee.info1), "Locker 12");
  EXPECT_EQ(golfer_at(*state, 1, 2).handicap_index, 123);
  GolferEntry ng = golfer_at(*state, 2, 0);
  EXPECT_EQ(std::string(ng.member_id), "M4");
  EXPECT_EQ(ng.handicap_index, -15);
  ASSERT_TRUE(read_record(*state, RecordKind::tournament, 1));
  EXPECT_EQ(state->header.group_count, 2);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST_F(RavelinImportTest, CancelStoresNothing) {
  DialogScript script = three_into_groups_one_and_two();
  script.cancel = true;
  home.ui.dialog(script);
  EXPECT_FALSE(import_into_cup(*state));
  EXPECT_EQ(stored_names(*state, 2), (Groups{{"Ward, Cy", "", "", ""}, {"", "", "", ""}}));
}

TEST_F(RavelinImportTest, MissingDatabaseOpensNoWindow) {
  state->ravelin_path = "gone/rvwin4.dat";
  home.ui.dialog(three_into_groups_one_and_two());
  EXPECT_FALSE(import_into_cup(*state));
  EXPECT_EQ(home.ui.dialogs.size(), 1u);  // the window's script was never used
  EXPECT_EQ(home.ui.last_message()->text,
            "Quillon is configured to import golfers and handicaps from a Ravelin database [" +
                (home.path() / "gone/rvwin4.dat").string() +
                "] but the handicap database could not be located. For assistance call Tolvane Systems Inc. at "
                "555-0142.");
}

// The Parlink Network on loopback: club "pine" with the course Oak - Red and
// three members (Lee without an index, Day at 12.3, Pro at +2.3).
class ParlinkSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    servers.configure(home.path());
    state = &home.started();
    set_club_id(*state, "pine");
    state->import_settings.import_source = static_cast<std::uint8_t>(ImportSource::parlink);
    servers.put_file("hdb/pine.db", parlink_database(2025, 'a', {checked_course("Oak", "Red")},
                                                     {{"A17", "Lee", "Ann", 1000, 'F'},
                                                      {"D4", "Day", "Di", 123, 'M'},
                                                      {"P9", "Pro", "Al", -23, 'M'}}));
  }
  std::vector<std::string> listed() {
    HoldingList holding;
    Status status = fill_import_list(*state, holding, {});
    std::vector<std::string> lines;
    for (const auto& e : holding) lines.push_back(holding_list_line(e) + "\t" + e.member_id);
    if (!status) lines.push_back("(failed)");
    return lines;
  }
  void write_member_list(const std::string& text) { std::ofstream(home.path() / "pine.hdx", std::ios::binary) << text; }

  LoopbackServers servers;
  TestHome home;
  State* state = nullptr;
};

TEST_F(ParlinkSourceTest, DownloadedMembersListedWithTheirIndexesOnEighteenAndNineHoles) {
  put_cup(*state, 2);
  EXPECT_EQ(listed(), (std::vector<std::string>{"Lee, Ann\t40.4\tN\tN\tF\tA17", "Day, Di\t12.3\tN\tN\tM\tD4",
                                                "Pro, Al\t+2.3\tN\tN\tM\tP9"}));
  EXPECT_TRUE(home.ui.messages.empty());
  put_cup(*state, 2, 4, 9);  // the list gives 18-hole indexes: halved
  EXPECT_EQ(listed(), (std::vector<std::string>{"Lee, Ann\t20.2\tN\tN\tF\tA17", "Day, Di\t 6.1\tN\tN\tM\tD4",
                                                "Pro, Al\t+1.1\tN\tN\tM\tP9"}));
}

TEST_F(ParlinkSourceTest, ImportWindowStoresTheMembersWithTheirIds) {
  put_cup(*state, 1);
  DialogScript script;
  script.sets = {{"holding", "#1,#2,#3"}, {"field", "#2"}, {"!ADD", ""}};
  home.ui.dialog(script);
  ASSERT_TRUE(import_into_cup(*state));
  EXPECT_EQ(stored_names(*state, 1), (Groups{{"Lee, Ann", "Day, Di", "Pro, Al", ""}}));
  GolferEntry pro = golfer_at(*state, 1, 2);
  EXPECT_EQ(std::string(pro.member_id), "P9");
  EXPECT_EQ(pro.handicap_index, -23);
  EXPECT_EQ(pro.is_member, 1);
  EXPECT_EQ(pro.gender, 'M');
  EXPECT_EQ(pro.division, 1);
}

TEST_F(ParlinkSourceTest, ListThatIsNotWholeOrWithoutClubIdListsNothing) {
  put_cup(*state, 1);
  servers.set_switch("memcount_wrong");
  EXPECT_EQ(listed(), (std::vector<std::string>{"(failed)"}));
  EXPECT_EQ(home.ui.last_message()->text, "The downloaded member data is either missing or corrupted.");
  set_club_id(*state, "");
  EXPECT_EQ(listed(), (std::vector<std::string>{"(failed)"}));
  EXPECT_EQ(home.ui.last_message()->text,
            "An Internet Club Id must be entered prior to using the Parlink Network.\n\nTo enter your Internet Club "
            "ID click on the 'Cuplink Network' button on the main window.");
}

TEST_F(ParlinkSourceTest, FieldsThatAreNoIndexOrGenderTakeTheDefaults) {
  put_cup(*state, 1);
  state->header.default_gender = 'F';
  GolferEntry e = parlink_entry(*state, {"Ode, Al", "X1", 'E', "EOF", "18"}, 18);  // an empty gender field
  EXPECT_EQ(e.gender, 'F');
  EXPECT_EQ(e.handicap_index, 404);
  EXPECT_EQ(parlink_index_tenths({"A", "", 'M', "-99999", "18"}, false), 364);
  EXPECT_EQ(parlink_index_tenths({"A", "", 'M', "nan", "18"}, false), 364);
  EXPECT_EQ(parlink_index_tenths({"A", "", 'F', "500", "18"}, false), 500);
  EXPECT_EQ(parlink_index_tenths({"A", "", 'F', "501", "18"}, false), 404);
}

TEST_F(ParlinkSourceTest, RefreshDownloadsImportsCoursesAndMatchesByName) {
  put_cup(*state, 1);
  put_golfers(*state, {{1, 0, "Lee, Ann", 100, 'F', 1, true},
                       {1, 1, "Di Day", 50, 'M', 1, true},  // another spelling, the same ID: not the same name
                       {1, 2, "Pro, Al", -23, 'M', 1, true},
                       {1, 3, "Day, Di", 80, 'M', 1, false}});  // a guest of the same name
  set_member_id(*state, 1, 1, "D4");
  home.ui.answer(Button::yes);
  EXPECT_TRUE(refresh_imported_handicaps(*state));
  EXPECT_EQ(home.ui.message_texts().size(), 2u);  // no course refused
  EXPECT_EQ(home.ui.messages.front().text, "Would you like to update the downloaded course rating data and handicaps?");
  EXPECT_EQ(home.ui.last_message()->text,
            "A total of 3 members were found in the tournament.\n2 of 3 members were located in the handicap "
            "database.\nFor the 2 members located in the handicap database, 1 handicap(s) had changed and were "
            "updated.");
  GolferEntry lee = golfer_at(*state, 1, 0);
  EXPECT_EQ(lee.handicap_index, 404);
  EXPECT_EQ(std::string(lee.member_id), "A17");
  EXPECT_EQ(golfer_at(*state, 1, 1).handicap_index, 50);
  EXPECT_EQ(golfer_at(*state, 1, 2).handicap_index, -23);
  EXPECT_EQ(golfer_at(*state, 1, 3).handicap_index, 80);
  ASSERT_TRUE(read_record(*state, RecordKind::course, 2));
  EXPECT_EQ(field_text(state->course.course_name) + " - " + field_text(state->course.tee_name), "Oak - Red");
}

TEST_F(ParlinkSourceTest, RefreshOnNineHolesHalvesOnceWhenTold) {
  put_cup(*state, 1, 4, 9);
  put_golfers(*state, {{1, 0, "Day, Di", 50, 'M', 1, true}});
  write_member_list("1\r\nDay, Di\r\nD4\r\nM\r\n123\r\n18\r\nmemcount=1\r\n");
  home.ui.answer(Button::no);  // keep the downloaded data
  home.ui.answer(Button::yes);  // 18-hole indexes
  EXPECT_TRUE(refresh_imported_handicaps(*state));
  EXPECT_EQ(home.ui.messages[1].text,
            "You are refreshing imported handicaps for a 9 hole tournament.\n\nAre the handicaps you are importing "
            "18 hole handicaps?");
  EXPECT_EQ(golfer_at(*state, 1, 0).handicap_index, 61);
  EXPECT_EQ(std::string(golfer_at(*state, 1, 0).member_id), "D4");

  home.ui.answer(Button::no);
  home.ui.answer(Button::no);  // 9-hole indexes: taken as they are
  EXPECT_TRUE(refresh_imported_handicaps(*state));
  EXPECT_EQ(golfer_at(*state, 1, 0).handicap_index, 123);
}

TEST_F(ParlinkSourceTest, RefreshWithADamagedListChangesNothing) {
  put_cup(*state, 1);
  put_golfers(*state, {{1, 0, "Day, Di", 50, 'M', 1, true}});
  write_member_list("1\r\nDay, Di\r\nD4\r\nM\r\n123\r\n18\r\n");  // no closing count
  home.ui.answer(Button::no);
  EXPECT_FALSE(refresh_imported_handicaps(*state));
  EXPECT_EQ(home.ui.last_message()->text, "The downloaded member data is either missing or corrupted.");
  servers.set_switch("memcount_wrong");
  home.ui.answer(Button::yes);
  EXPECT_FALSE(refresh_imported_handicaps(*state));
  EXPECT_EQ(home.ui.last_message()->text, "An error was encountered updating the pine handicap data.");
  EXPECT_EQ(golfer_at(*state, 1, 0).handicap_index, 50);
}

}  // namespace
}  // namespace quillon::testing
