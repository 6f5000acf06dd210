#include <gtest/gtest.h>

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/header_defaults.h"
#include "tournament/header_options.h"
#include "tournament/tournament_commands.h"
#include "tournament/tournament_dialog.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::TestHome;

struct TournamentDialogTest : ::testing::Test {
  TestHome home;
  State& state = home.started();
  void SetUp() override {
    put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
    put_course(state, 2, "Short Links", "SL", "White", 9);
  }
  // Runs the add command with the given typing; returns the slot.
  int add(std::vector<std::pair<std::string, std::string>> sets) {
    home.ui.dialog({std::move(sets), false, false});
    return add_tournament(state);
  }
  std::vector<std::string> texts() { return home.ui.message_texts(); }
};

TEST_F(TournamentDialogTest, DialogMadeTournamentHasTheDefaultByteImage) {
  ASSERT_EQ(add({{"name", "Club Championship"}}), 1);
  EXPECT_EQ(state.tournament_count, 1);
  EXPECT_EQ(state.system.next_tournament_id, 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  const TournamentHeader& h = state.header;
  const auto* bytes = reinterpret_cast<const unsigned char*>(&h);
  EXPECT_EQ(bytes[0], 126);  // 2026
  EXPECT_EQ(bytes[1], 12);
  EXPECT_EQ(bytes[2], 7);
  EXPECT_EQ(field_text(h.name), "Club Championship");
  EXPECT_EQ(h.options, 0x0100);
  EXPECT_EQ(bytes[158], 1);  // group_count
  EXPECT_EQ(bytes[159], 7);  // interval " 7.0"
  EXPECT_EQ(bytes[160], 8);  // 08:00
  EXPECT_EQ(bytes[165], 0);  // format
  EXPECT_EQ(bytes[194], 1);  // divisions
  EXPECT_EQ(bytes[266], 4);  // group size
  EXPECT_EQ(h.division_tee[0], 1);
  EXPECT_EQ(h.division_allowance[9], 100);
  EXPECT_EQ(h.division_handicap_limit[8], 360);
  EXPECT_EQ(h.results_limit, 400);
  EXPECT_EQ(h.peoria_holes[0], 18);
  EXPECT_EQ(h.peoria_holes2[5], 4);
  EXPECT_EQ(h.shotgun_groups_per_hole[0], 3);  // par 5
  EXPECT_EQ(h.shotgun2_groups_per_hole[1], 1);  // par 3
  EXPECT_EQ(h.callaway_max_handicap, 51);
  EXPECT_EQ(h.callaway_table_base, 70);
  EXPECT_EQ(h.default_gender, 'M');
  EXPECT_EQ(field_text(h.user_stat1_name), "U1 - User def 1");
  EXPECT_EQ(h.sequence_number, 0);
  // The golfer area is all zero.
  ASSERT_TRUE(read_record(state, RecordKind::group, 200));
  GolferEntry zero{};
  EXPECT_EQ(std::memcmp(&state.group.entries[3], &zero, sizeof zero), 0);
}

TEST_F(TournamentDialogTest, NameAndUniquenessSteps) {
  ASSERT_EQ(add({{"name", "Spring Cup"}}), 1);
  home.ui.dialog({{{"name", "  "}}, false, false});
  home.ui.dialog({{{"name", "Tom & Jerry"}}, false, false});
  home.ui.dialog({{{"name", "Spring Cup"}}, false, false});
  home.ui.dialog({{{"name", "Spring Cup"}, {"date", "2026-12-08"}}, false, false});
  // The scripted front end tries each script once: run the dialog per script.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(add_tournament(state), 0);
  EXPECT_EQ(add_tournament(state), 2);
  EXPECT_EQ(texts(),
            (std::vector<std::string>{
                "The tournament name cannot be blank.", "The tournament name cannot include the '&' character.",
                "The tournament date/name combination must be unique.  A tournament already exists on the "
                "selected date using the selected name."}));
  EXPECT_EQ(state.header.sequence_number, 1);
  EXPECT_EQ(state.system.next_tournament_id, 2);
}

TEST_F(TournamentDialogTest, ADateThatIsNoDateIsRefusedAndNothingIsAdded) {
  for (const char* date : {"2024-02-30", "2025-13-01", "1979-12-31", "tomorrow"}) {
    home.ui.messages.clear();
    EXPECT_EQ(add({{"name", "Spring Cup"}, {"date", date}}), 0) << date;
    EXPECT_EQ(texts(), (std::vector<std::string>{"The tournament date [" + std::string(date) +
                                                 "] is not a valid date.  Type it as YYYY-MM-DD (1980 to 2079) or "
                                                 "choose it with the Date button."}));
  }
  EXPECT_EQ(state.tournament_count, 0);
  EXPECT_EQ(state.system.next_tournament_id, 0) << "no sequence number was taken";
  ASSERT_EQ(add({{"name", "Spring Cup"}, {"date", "2024-02-29"}}), 1);
  EXPECT_EQ(state.header.date_year, 124);
  EXPECT_EQ(state.header.date_month, 2);
  EXPECT_EQ(state.header.date_day, 29);
}

TEST_F(TournamentDialogTest, FormatChecksAndCorrections) {
  // Format 8 needs two divisions; choosing it raises the count itself.
  ASSERT_EQ(add({{"name", "A"}, {"format", "Net Scores with 1 Callaway Division"}, {"division_count", "1"}}), 0);
  EXPECT_EQ(texts().back(),
            "For a 'Net Scores with 1 Callaway Division' tournament, the minimum number of divisions is 2.");
  ASSERT_EQ(add({{"name", "A"},
                 {"format", "Net Scores with 1 Callaway Division"},
                 {"division_count", "2"},
                 {"callaway_division", "3"}}),
            0);
  EXPECT_EQ(texts().back(), "The number of divisions is set to 2.  The Callaway division cannnot be division 3.");
  // Gross Scores with an allowance: reset to 100 with the warning.
  home.ui.messages.clear();
  int slot = add({{"name", "B"},
                  {"format", "Gross Scores"},
                  {"division_allowance.1", "80%"},
                  {"auto_assign", "By Index"},
                  {"group_size", "5"},
                  {"group_count", "161"},
                  {"groups_per_tee_time", "1"}});
  ASSERT_EQ(slot, 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "Handicap Allowances are only permitted for Net Score and Stableford non team tournaments",
                         "The maximum number of golfers is 800.  Based on 5 golfers per group, the maximum number of "
                         "groups is 160."}));
  EXPECT_EQ(state.header.division_allowance[0], 100);
  EXPECT_EQ(state.header.group_count, 160);
  EXPECT_TRUE(header_options::has(state.header, header_options::auto_assign));
  // Auto assignment on a computed format is switched off.
  home.ui.messages.clear();
  ASSERT_EQ(add({{"name", "C"}, {"format", "Callaway Handicaps"}, {"auto_assign", "By Crs Hcap"}}), 2);
  EXPECT_EQ(texts().back(),
            "Automatic assignment of divisions cannot be performed for tournament formats in which the golfer's "
            "handicap is computed.\n\nThe \"Auto assign of divisions\" option has been reset to \"No\".");
  EXPECT_FALSE(header_options::has(state.header, header_options::auto_assign));
}

TEST_F(TournamentDialogTest, CourseSizePeoriaAndGroupRules) {
  home.ui.messages.clear();
  EXPECT_EQ(add({{"name", "A"}, {"format", "Callaway 9 Hole"}}), 0);
  EXPECT_EQ(add({{"name", "A"}, {"format", "Callaway Handicaps"}, {"course", "Short Links"}}), 0);
  EXPECT_EQ(add({{"name", "A"}, {"format", "Peoria Handicaps (Single)"}, {"peoria_hole.2", "18"}}), 0);
  EXPECT_EQ(add({{"name", "A"}, {"format", "Peoria Handicaps (Single)"}, {"peoria_hole.2", "19"}}), 0);
  EXPECT_EQ(add({{"name", "A"}, {"group_size", "3"}, {"groups_per_tee_time", "2"}}), 0);
  // A refused team size shows 4, an out-of-range one the stored size again.
  EXPECT_EQ(add({{"name", "A"}, {"format", "Scramble"}, {"group_size", "1"}, {"group_size", "7"}}), 1);
  EXPECT_EQ(state.header.group_size, 4);
  EXPECT_EQ(texts(), (std::vector<std::string>{
                         "For a Callaway 9 format tournament, a 9 hole course must be selected.",
                         "For a Callaway Handicaps format tournament, a 9 hole course cannot be selected.",
                         "Hole 18 assigned more than once as a Peoria hole", "Invalid Peoria hole selected",
                         "Peoria holes must be between 1 and 18",
                         "With a group/team size of 3, the maximum number of groups per tee time is 1.",
                         "For the selected type of event (Scramble), the number of golfers per group must be 2, 3, "
                         "4, or 5",
                         "The number of golfers per group must be between 1 and 5"}));
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

TEST_F(TournamentDialogTest, ConfigurationButtonsEditTheTournamentBeingTyped) {
  // The Callaway settings go into this tournament; a cancelled one changes nothing.
  home.ui.dialog({{{"name", "Callaway Day"}, {"!callaway_configuration", ""}}, false, false});
  home.ui.dialog({{{"table_base", "72"}, {"max_handicap", "45"}}, false, false});
  ASSERT_EQ(add_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.callaway_table_base, 72);
  EXPECT_EQ(state.header.callaway_max_handicap, 45);

  home.ui.dialog({{{"name", "Second Day"}, {"!callaway_configuration", ""}}, false, false});
  home.ui.dialog({{{"table_base", "60"}}, true, false});
  ASSERT_EQ(add_tournament(state), 2);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(state.header.callaway_table_base, 70);

  // The Stableford button edits the club's custom points.
  home.ui.dialog(
      {{{"name", "Points Day"}, {"format", "Stableford (Custom)"}, {"!stableford_configuration", ""}}, false, false});
  home.ui.dialog({{{"points.4", "4"}}, false, false});
  ASSERT_EQ(add_tournament(state), 3);
  EXPECT_EQ(state.system.stableford_points[4], 4);
}

}  // namespace
}  // namespace quillon
