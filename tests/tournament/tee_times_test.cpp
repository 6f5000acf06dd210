#include <gtest/gtest.h>

#include <cstring>

#include "tournament/formats.h"
#include "tournament/tee_times.h"

namespace quillon {
namespace {

TournamentHeader plan(int interval_index, int start_type = 0) {
  TournamentHeader h;
  std::memset(&h, 0, sizeof h);
  h.first_tee_hour = 8;
  h.tee_interval_index = static_cast<std::uint8_t>(interval_index);
  h.start_type = static_cast<std::int8_t>(start_type);
  h.groups_per_tee_time = 1;
  return h;
}

TEST(TeeIntervals, TextsAndTheirMeaning) {
  EXPECT_EQ(tee_interval_text(0), " 0.0");
  EXPECT_EQ(tee_interval_text(1), " 4.0");
  EXPECT_EQ(tee_interval_text(8), " 7.5");
  EXPECT_EQ(tee_interval_text(21), "14.0");
  EXPECT_EQ(tee_interval_list().size(), 22u);
  EXPECT_EQ(tee_interval_seconds(" 7.5"), 450);
  EXPECT_EQ(tee_interval_seconds("13.0"), 780);
}

TEST(TeeTimes, NormalStartWithHalfMinutes) {
  TournamentHeader h = plan(8);  // 7.5 minutes
  EXPECT_EQ(tee_time_of_group(h, 1), " 08:00");
  EXPECT_EQ(tee_time_of_group(h, 2), "08:07:30");
  EXPECT_EQ(tee_time_of_group(h, 3), " 08:15");
  h.first_tee_hour = 0;
  EXPECT_EQ(tee_time_of_group(h, 3), "");
}

TEST(TeeTimes, FieldOfTwentyInGroupsOfFourEverySevenAndAHalfMinutes) {
  TournamentHeader h = plan(8);
  h.group_size = 4;
  h.group_count = 5;
  const char* expected[] = {" 08:00", "08:07:30", " 08:15", "08:22:30", " 08:30"};
  for (int g = 1; g <= 5; ++g) EXPECT_EQ(tee_time_of_group(h, g), expected[g - 1]) << g;
  auto last = last_tee_time(tee_plan_of(h));
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ(*last, (TimeOfDay{8, 30}));
}

TEST(TeeTimes, GroupsSharingATeeTimeAndCrossOver) {
  TournamentHeader h = plan(9);  // 8 minutes
  h.groups_per_tee_time = 2;
  EXPECT_EQ(tee_time_of_group(h, 2), " 08:00");
  EXPECT_EQ(tee_time_of_group(h, 3), " 08:08");
  EXPECT_EQ(tee_time_of_group(h, 4), " 08:08");
  TournamentHeader cross = plan(9, 1);
  EXPECT_EQ(tee_time_of_group(cross, 2), " 08:00");
  EXPECT_EQ(tee_time_of_group(cross, 3), " 08:08");
  EXPECT_EQ(tee_time_of_group(cross, 4), " 08:08");
  EXPECT_EQ(tee_time_of_group(cross, 5), " 08:16");
}

TEST(TeeTimes, BlockedWindowIsSkipped) {
  TournamentHeader h = plan(13);  // 10 minutes
  h.blocked_from_hour = 8;
  h.blocked_from_minute = 30;
  h.blocked_to_hour = 9;
  EXPECT_EQ(tee_time_of_group(h, 3), " 08:20");
  EXPECT_EQ(tee_time_of_group(h, 4), " 09:10");
  TeePlan p = tee_plan_of(h);
  p.groups = 4;
  EXPECT_EQ(*last_tee_time(p), (TimeOfDay{9, 10}));
}

TEST(TeeTimes, CrossOverStartingInsideTheBlockedWindowEnds) {
  TournamentHeader h = plan(13, 1);
  h.first_tee_minute = 30;
  h.blocked_from_hour = 8;
  h.blocked_to_hour = 9;
  EXPECT_EQ(tee_time_of_group(h, 2), " 08:30");
  EXPECT_EQ(tee_time_of_group(h, 3), " 09:10");
}

TEST(TeeTimes, ShotgunsAndTheirLastTime) {
  TournamentHeader h = plan(0, 2);
  h.shotgun_groups_per_hole[0] = 2;
  h.shotgun_groups_per_hole[1] = 1;
  EXPECT_EQ(shotgun_hole_of_group(h, 1, 18), "1A");
  EXPECT_EQ(shotgun_hole_of_group(h, 2, 18), "1B");
  EXPECT_EQ(shotgun_hole_of_group(h, 3, 18), "2A");
  EXPECT_EQ(shotgun_hole_of_group(h, 4, 2), "2B");  // past every place: the last hole
  EXPECT_EQ(*last_tee_time(tee_plan_of(h)), (TimeOfDay{8, 0}));

  TournamentHeader dbl = plan(0, 3);
  dbl.first_shotgun_groups = 10;
  dbl.last_tee_hour = 13;
  dbl.last_tee_minute = 15;
  dbl.shotgun_groups_per_hole[0] = 6;
  dbl.shotgun2_groups_per_hole[3] = 1;
  EXPECT_EQ(tee_time_of_group(dbl, 10), " 08:00");
  EXPECT_EQ(tee_time_of_group(dbl, 11), " 13:15");
  EXPECT_EQ(shotgun_hole_of_group(dbl, 11, 18), "4A");
  EXPECT_EQ(*last_tee_time(tee_plan_of(dbl)), (TimeOfDay{13, 15}));
}

TEST(Formats, TableKindsTeamsAndGroupSizeRules) {
  EXPECT_STREQ(format_name(Format::net_with_callaway_division), "Net Scores with 1 Callaway Division");
  EXPECT_EQ(offered_formats().size(), 27u);
  EXPECT_EQ(group_size_refusal(Format::net, 6), "The number of golfers per group must be between 1 and 5");
  EXPECT_EQ(group_size_refusal(Format::scramble, 1),
            "For the selected type of event (Scramble), the number of golfers per group must be 2, 3, 4, or 5");
  EXPECT_EQ(group_size_refusal(Format::best_123_gross, 2),
            "For the selected type of event (Best 1-2-3 Balls - Gross), the number of golfers per group must be 3, 4, "
            "or 5");
  EXPECT_EQ(group_size_refusal(Format::best_ball_four_man_gross, 1),
            "For a team event, the number of golfers per group must be greater than 1");
  EXPECT_EQ(group_size_refusal(Format::scramble, 2), "");
  EXPECT_EQ(handicap_limit_list().size(), 501u);
  EXPECT_EQ(handicap_limit_list()[360], "36.0");
  EXPECT_EQ(allowance_list().front(), "50%");
}

}  // namespace
}  // namespace quillon
