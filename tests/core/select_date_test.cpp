// The "Select Date" month calendar.
#include <gtest/gtest.h>

#include "core/select_date.h"
#include "core/state.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

std::vector<int> visible_days(const SelectDateModel& model) {
  std::vector<int> out;
  for (int d = 1; d <= 31; ++d)
    if (model.find("day." + std::to_string(d))->visible) out.push_back(d);
  return out;
}

TEST(SelectDate, StartsAtTodayWithTheGridOfItsMonth) {
  TestHome home;  // today is Monday 7 December 2026
  auto state = home.new_state();
  SelectDateModel model(*state, false);
  EXPECT_EQ(model.title(), "Select Date");
  EXPECT_EQ(model.year(), 2026);
  EXPECT_EQ(model.month(), 12);
  EXPECT_EQ(model.day(), 7);
  EXPECT_EQ(model.first_weekday(), 2);  // 1 December 2026 is a Tuesday
  EXPECT_EQ(model.days(), 31);
  EXPECT_EQ(model.heading(), "2026  December");
  EXPECT_EQ(model.text("heading"), "2026  December");
  EXPECT_EQ(model.index("month"), 11);
}

TEST(SelectDate, FebruaryOfALeapYearHas29Days) {
  TestHome home;
  auto state = home.new_state();
  state->last_chosen_date = Date{124, 2, 10};
  SelectDateModel model(*state, true);
  EXPECT_EQ(model.year(), 2024);
  EXPECT_EQ(model.days(), 29);
  EXPECT_EQ(model.first_weekday(), 4);  // 1 February 2024 is a Thursday
  EXPECT_EQ(visible_days(model).size(), 29u);
  EXPECT_FALSE(model.find("day.30")->visible);
  EXPECT_EQ(model.heading(), "2024  February");

  ASSERT_TRUE(model.set("month", "March").is_ok());
  EXPECT_EQ(model.days(), 31);
  EXPECT_EQ(model.first_weekday(), 5);
  state->last_chosen_date = Date{123, 2, 1};
  SelectDateModel common(*state, true);
  EXPECT_EQ(common.days(), 28);
  EXPECT_EQ(common.first_weekday(), 3);
}

TEST(SelectDate, PrevAndNextWrapTheYearButNotBefore1980) {
  TestHome home;
  auto state = home.new_state();
  state->last_chosen_date = Date{124, 1, 31};
  SelectDateModel model(*state, true);
  ASSERT_TRUE(model.press("prev").is_ok());
  EXPECT_EQ(model.year(), 2023);
  EXPECT_EQ(model.month(), 12);
  EXPECT_EQ(model.heading(), "2023  December");
  ASSERT_TRUE(model.press("next").is_ok());
  ASSERT_TRUE(model.press("next").is_ok());
  EXPECT_EQ(model.year(), 2024);
  EXPECT_EQ(model.month(), 2);
  EXPECT_EQ(model.day(), 29);  // the 31st does not exist in February
  EXPECT_TRUE(home.ui.messages.empty());

  state->last_chosen_date = Date{80, 2, 15};
  SelectDateModel early(*state, true);
  ASSERT_TRUE(early.press("prev").is_ok());
  EXPECT_EQ(early.month(), 1);
  ASSERT_TRUE(early.press("prev").is_ok());
  EXPECT_EQ(early.year(), 1980);
  EXPECT_EQ(early.month(), 1);
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text, "The date cannot be prior to January 1980.");

  EXPECT_FALSE(early.choose(1979, 12, 31));
  EXPECT_EQ(early.year(), 1980);
  EXPECT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[1].text, "The date cannot be prior to January 1980.");
}

TEST(SelectDate, RemembersTheLastChosenDate) {
  TestHome home;
  auto state = home.new_state();
  home.ui.dates.push_back(Date{124, 2, 29});
  EXPECT_EQ(select_date(*state, false), (Date{124, 2, 29}));
  EXPECT_EQ(state->last_chosen_date, (Date{124, 2, 29}));

  SelectDateModel again(*state, true);
  EXPECT_EQ(again.year(), 2024);
  EXPECT_EQ(again.month(), 2);
  EXPECT_EQ(again.day(), 29);
  ASSERT_TRUE(again.press("day.12").is_ok());
  ASSERT_TRUE(again.press("today").is_ok());
  EXPECT_EQ(again.chosen(), (Date{126, 12, 7}));
  ASSERT_TRUE(again.press("day.24").is_ok());
  EXPECT_TRUE(again.accept());
  EXPECT_EQ(state->last_chosen_date, (Date{126, 12, 24}));

  SelectDateModel fresh(*state, false);
  EXPECT_EQ(fresh.chosen(), (Date{126, 12, 7}));
}

}  // namespace
}  // namespace quillon
