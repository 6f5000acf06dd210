#include <gtest/gtest.h>

#include "app/demo.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "handicap/formats.h"
#include "tests/testing/test_home.h"
#include "tournament/field.h"
#include "tournament/multi_round.h"
#include "tournament/tee_times.h"

namespace quillon {
namespace {

std::vector<int> winter_medal_cards(State& state, std::vector<int>* nets = nullptr) {
  EXPECT_TRUE(read_record(state, RecordKind::tournament, 1));
  std::vector<int> gross;
  for (int g = 1; g <= state.header.group_count; ++g) {
    EXPECT_TRUE(read_record(state, RecordKind::group, g));
    for (int r = 0; r < 4; ++r) {
      gross.push_back(state.group.entries[r].gross_score);
      if (nets) nets->push_back(state.group.entries[r].net_score);
    }
  }
  return gross;
}

TEST(Demo, TheDemonstrationClubHasTwoCoursesASeasonOfEventsAndItsField) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  EXPECT_EQ(field_text(state.import_settings.reporting_name), "Demonstration Club");
  ASSERT_TRUE(read_record(state, RecordKind::course, 1));
  EXPECT_EQ(field_text(state.course.course_name), "Lakeside Golf Club");
  EXPECT_EQ(state.course.men_total_par, 72);
  EXPECT_EQ(state.course.women_rating, 746);
  ASSERT_TRUE(read_record(state, RecordKind::course, 2));
  EXPECT_EQ(field_text(state.course.course_name), "Hillcrest Golf Club");
  EXPECT_EQ(field_text(state.course.tee_name), "Red");
  EXPECT_EQ(state.course.women_rating, 712);

  ASSERT_EQ(state.tournament_count, 8);
  const char* names[] = {"Winter Medal", "Spring Stableford", "Summer Best Ball", "Autumn Scramble"};
  const char* formats[] = {"Net Scores", "Stableford (Net Par)", "Best Ball(s) - Net", "Scramble"};
  for (int t = 1; t <= 4; ++t) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, t));
    EXPECT_EQ(field_text(state.header.name), names[t - 1]);
    EXPECT_STREQ(format_name(format_of(state.header)), formats[t - 1]);
    EXPECT_EQ(count_golfers(state).value_or(-1), 20);
  }
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 5);
  EXPECT_EQ(tee_time_of_group(state.header, 2), "08:07:30");

  // Net scores lie around par whatever the handicap: from the plus
  // handicapper to the 27.5 index.
  std::vector<int> nets;
  std::vector<int> gross = winter_medal_cards(state, &nets);
  ASSERT_EQ(gross.size(), 20u);
  for (std::size_t i = 0; i < nets.size(); ++i) {
    EXPECT_GE(nets[i], 66) << i;
    EXPECT_LE(nets[i], 80) << i;
  }
  EXPECT_GT(gross[8], 95);  // Isla Jones, index 27.5
  EXPECT_LT(gross[7], 80);  // Henry Irwin, +1.2

  // The three-day Club Championship ties tournaments 5, 6 and 7.
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 8));
  EXPECT_EQ(field_text(state.header.name), "Club Championship");
  EXPECT_EQ(state.header.format, multi_round_format);
  EXPECT_EQ(event_days(state.header), (std::vector<int>{5, 6, 7}));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 6));
  EXPECT_EQ(field_text(state.header.name), "Championship Round 2");
  EXPECT_EQ(count_golfers(state).value_or(-1), 12);
  // A second call leaves an existing club alone.
  EXPECT_TRUE(prepare_demo_home(home.path(), home.clock));
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(count_golfers(state).value_or(-1), 20);
}

TEST(Demo, TheCardsAreTheSameAtEverySetUp) {
  testing::TestHome one;
  testing::TestHome two;
  ASSERT_TRUE(prepare_demo_home(one.path(), one.clock));
  ASSERT_TRUE(prepare_demo_home(two.path(), two.clock));
  EXPECT_EQ(winter_medal_cards(one.started()), winter_medal_cards(two.started()));
}

}  // namespace
}  // namespace quillon
