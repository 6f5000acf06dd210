#include <gtest/gtest.h>

#include "app/demo.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"
#include "tournament/field.h"
#include "tournament/multi_round.h"
#include "tournament/tee_times.h"

namespace quillon {
namespace {

TEST(Demo, TheDemonstrationClubHasACourseATournamentAndItsField) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  read_record(state, RecordKind::course, 1);
  EXPECT_EQ(field_text(state.course.course_name), "Lakeside Golf Club");
  EXPECT_EQ(state.course.men_total_par, 72);
  EXPECT_EQ(state.course.women_rating, 746);
  ASSERT_EQ(state.tournament_count, 5);
  read_record(state, RecordKind::tournament, 1);
  EXPECT_EQ(field_text(state.header.name), "Winter Medal");
  EXPECT_EQ(state.header.group_count, 5);
  EXPECT_EQ(count_golfers(state), 20);
  EXPECT_EQ(tee_time_of_group(state.header, 2), "08:07:30");
  EXPECT_EQ(tee_time_of_group(state.header, 5), " 08:30");
  // Every card is in: Alan Brooks went round in 75, net 65 off a course handicap of 10.
  read_record(state, RecordKind::group, 1);
  EXPECT_EQ(field_text(state.group.entries[0].name), "Alan Brooks");
  EXPECT_EQ(state.group.entries[0].gross_score, 75);
  EXPECT_EQ(state.group.entries[0].net_score, 65);
  read_record(state, RecordKind::group, 5);
  EXPECT_EQ(field_text(state.group.entries[3].name), "Victor Young");
  EXPECT_EQ(state.group.entries[3].gross_score, 82);
  // The three-day Club Championship ties tournaments 2, 3 and 4.
  read_record(state, RecordKind::tournament, 5);
  EXPECT_EQ(field_text(state.header.name), "Club Championship");
  EXPECT_EQ(state.header.format, multi_round_format);
  EXPECT_EQ(event_days(state.header), (std::vector<int>{2, 3, 4}));
  read_record(state, RecordKind::tournament, 3);
  EXPECT_EQ(field_text(state.header.name), "Championship Round 2");
  EXPECT_EQ(count_golfers(state), 12);
  // A second call leaves an existing club alone.
  EXPECT_TRUE(prepare_demo_home(home.path(), home.clock));
  read_record(state, RecordKind::tournament, 1);
  EXPECT_EQ(count_golfers(state), 20);
}

}  // namespace
}  // namespace quillon
