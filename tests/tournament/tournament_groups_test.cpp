// The tournament dialog against a field that has grown, the one-byte group
// counts, and the division reassignment of a changed tournament.
#include <gtest/gtest.h>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/field.h"
#include "tournament/header_options.h"
#include "tournament/tee_times.h"
#include "tournament/tournament_commands.h"
#include "tournament/tournament_dialog.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::TestHome;

struct TournamentGroupsTest : ::testing::Test {
  TestHome home;
  State& state = home.started();
  void SetUp() override { put_course(state, 1, "Pine Valley", "PV", "Blue", 18); }
  int add(std::vector<std::pair<std::string, std::string>> sets) {
    home.ui.dialog({std::move(sets), false, false});
    return add_tournament(state);
  }
  void put_golfer(int group, int row, const char* name, int index, int division) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
    ASSERT_TRUE(read_record(state, RecordKind::group, group));
    GolferEntry& e = state.group.entries[row - 1];
    set_field_text(e.name, name);
    e.handicap_index = static_cast<std::int16_t>(index);
    e.division = static_cast<std::int8_t>(division);
    e.gender = 'M';
    EXPECT_TRUE(write_record(state, RecordKind::group, group));
  }
  int division_of(int group, int row) {
    EXPECT_TRUE(read_record(state, RecordKind::tournament, 1));
    EXPECT_TRUE(read_record(state, RecordKind::group, group));
    return state.group.entries[row - 1].division;
  }
};

TEST_F(TournamentGroupsTest, ToTimeFollowsTheFieldAsItGrows) {
  ASSERT_EQ(add({{"name", "Cup"}, {"tee_interval", " 7.5"}, {"first_tee_time", "08:00"}}), 1);
  EXPECT_EQ(state.header.last_tee_hour, 8);
  EXPECT_EQ(state.header.last_tee_minute, 0);

  // Typing golfers into group 5 raises the count and stores the last group's time.
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(grow_groups_to(state, 5));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 5);
  EXPECT_EQ(state.header.last_tee_hour, 8);
  EXPECT_EQ(state.header.last_tee_minute, 30);

  // A stale stored "To" is shown current when the dialog opens.
  state.header.last_tee_minute = 0;
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  TournamentDialogModel dialog(state, state.header, TournamentDialogMode::change, 1);
  EXPECT_EQ(field_value_text(*dialog.find("last_tee_time")), "08:30");

  // A group count corrected on OK moves the "To" time with it: 4 to 3 per
  // group turns 5 groups into 7, the last at 08:45.
  home.ui.dialog({{{"group_size", "3"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 7);
  EXPECT_EQ(state.header.last_tee_hour, 8);
  EXPECT_EQ(state.header.last_tee_minute, 45);
  EXPECT_EQ(tee_time_of_group(state.header, 7), " 08:45");

  // A shotgun start keeps its own time.
  home.ui.dialog({{{"start_type", "Shotgun"}, {"first_tee_time", "09:00"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(grow_groups_to(state, 9));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.last_tee_hour, 9);
  EXPECT_EQ(state.header.last_tee_minute, 0);
}

TEST_F(TournamentGroupsTest, GroupCountsStayWithinTheirBytes) {
  // One golfer per group: 800 groups cannot be counted in one byte.
  ASSERT_EQ(add({{"name", "Singles"}, {"group_size", "1"}, {"group_count", "300"}}), 1);
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"With 1 golfer(s) per group a tournament can hold at most 255 groups, as the "
                                     "number of groups is stored in one byte.  The tournament has 255 groups instead "
                                     "of 300."});
  EXPECT_EQ(state.header.group_count, 255);
  EXPECT_EQ(max_group_count(1), 255);
  EXPECT_EQ(max_group_count(3), 255);
  EXPECT_EQ(max_group_count(4), 200);
  EXPECT_EQ(max_group_count(5), 160);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_FALSE(grow_groups_to(state, 256));
  EXPECT_TRUE(grow_groups_to(state, 255));

  // Going from 4 to 2 per group with 200 groups would need 400 groups: the
  // golfer in the last slot would drop out, so the groups stay as they were.
  home.ui.messages.clear();
  ASSERT_EQ(add({{"name", "Pairs"}, {"group_count", "200"}}), 2);
  ASSERT_TRUE(read_record(state, RecordKind::group, 200));
  set_field_text(state.group.entries[3].name, "Last Slot");
  EXPECT_TRUE(write_record(state, RecordKind::group, 200));
  home.ui.select(SelectionKind::tournament, "2");
  home.ui.dialog({{{"group_size", "2"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 2);
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"With 2 golfer(s) per group a tournament can hold at most 255 groups, as the "
                                      "number of groups is stored in one byte.  The tournament has 255 groups "
                                      "instead of 400.",
                                      "You are attempting to remove groups which contain golfers.  The number of "
                                      "groups has not been changed."}));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(state.header.group_count, 200);
  EXPECT_EQ(state.header.group_size, 4);
  EXPECT_EQ(count_golfers(state).value_or(-1), 1);

  // Without a golfer there the smaller groups are taken, as many as fit.
  ASSERT_TRUE(read_record(state, RecordKind::group, 200));
  state.group.entries[3].name[0] = 0;
  EXPECT_TRUE(write_record(state, RecordKind::group, 200));
  home.ui.dialog({{{"group_size", "2"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 2);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(state.header.group_count, 255);
  EXPECT_EQ(state.header.group_size, 2);

  // The first shotgun's group count is a signed byte: 200 groups keep 127.
  home.ui.dialog({{{"name", "Big Shotgun"}, {"group_count", "200"}, {"start_type", "Double Shotgun"}}, false, false});
  ASSERT_EQ(add_tournament(state), 3);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 3));
  EXPECT_EQ(state.header.first_shotgun_groups, 127);
  EXPECT_EQ(state.header.group_count, 200);
}

TEST_F(TournamentGroupsTest, ChangingWithAutomaticAssignmentReassignsEveryGolfer) {
  put_course(state, 2, "Pine Valley", "PV", "Gold", 18);
  ASSERT_TRUE(read_record(state, RecordKind::course, 2));
  state.course.men_slope = 140;
  EXPECT_TRUE(write_record(state, RecordKind::course, 2));

  ASSERT_EQ(add({{"name", "Cup"}, {"format", "Net Scores"}, {"group_count", "2"}}), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.division_count = 3;
  state.header.division_handicap_limit[0] = 100;
  state.header.division_handicap_limit[1] = 180;
  state.header.division_tee[1] = 2;
  state.header.include_rating_and_par = 0;
  EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  put_golfer(1, 1, "Low", 100, 3);
  put_golfer(1, 2, "Middle", 101, 1);
  put_golfer(2, 4, "High", 400, 1);
  put_golfer(1, 3, "Gold Tee", 94, 2);
  put_golfer(2, 1, "Blue Tee", 94, 1);

  // Without automatic assignment nothing moves.
  home.ui.dialog({{}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  EXPECT_EQ(division_of(1, 1), 3);

  // By index: the limits 10.0 and 18.0 split the field.
  home.ui.dialog({{{"auto_assign", "By Index"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  EXPECT_EQ(division_of(1, 1), 1);
  EXPECT_EQ(division_of(1, 2), 2);
  EXPECT_EQ(division_of(2, 4), 3);
  EXPECT_EQ(division_of(1, 3), 1);
  EXPECT_EQ(division_of(2, 1), 1);

  // By course handicap on the tee of the golfer's division: 9.4 is 9 strokes
  // off the Blue tee (slope 113) but 12 off the Gold tee (slope 140).
  put_golfer(1, 3, "Gold Tee", 94, 2);
  home.ui.dialog({{{"auto_assign", "By Crs Hcap"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.auto_assign_by_course_hcap, 1);
  EXPECT_EQ(division_of(1, 3), 2);
  EXPECT_EQ(division_of(2, 1), 1);
  EXPECT_EQ(division_of(1, 1), 1);
  EXPECT_EQ(division_of(2, 4), 3);
  EXPECT_FALSE(home.ui.error_shown());
}

}  // namespace
}  // namespace quillon
