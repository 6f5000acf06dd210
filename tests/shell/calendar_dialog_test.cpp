#include "shell/calendar_dialog.h"

#include <gtest/gtest.h>
#include <QtTest/QTest>

#include "shell/dialog_registry.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

TEST(CalendarDialog, LaysTheDaysOutFromSundayAndMovesByMonth) {
  testing::TestHome home;  // today is 7 December 2026
  State& state = home.started();
  SelectDateModel model(state, false);
  auto dialog = create_dialog(model, DialogContext{});
  auto* calendar = dynamic_cast<CalendarDialog*>(dialog.get());
  ASSERT_NE(calendar, nullptr);

  // 1 December 2026 is a Tuesday.
  EXPECT_EQ(calendar->heading_text(), "2026  December");
  EXPECT_EQ(calendar->day_cell(1), std::make_pair(0, 2));
  EXPECT_EQ(calendar->day_cell(7), std::make_pair(1, 1));
  EXPECT_EQ(calendar->day_cell(31), std::make_pair(4, 4));
  EXPECT_TRUE(calendar->day_button(7)->isChecked());
  EXPECT_FALSE(calendar->day_button(8)->isChecked());

  // November 2026 starts on a Sunday and has no 31st.
  QTest::mouseClick(calendar->command_button("prev"), Qt::LeftButton);
  EXPECT_EQ(calendar->heading_text(), "2026  November");
  EXPECT_EQ(calendar->day_cell(1), std::make_pair(0, 0));
  EXPECT_EQ(calendar->day_cell(30), std::make_pair(4, 1));
  EXPECT_EQ(calendar->day_cell(31), std::make_pair(-1, -1));

  // Two months on wraps the year: 1 January 2027 is a Friday.
  QTest::mouseClick(calendar->command_button("next"), Qt::LeftButton);
  QTest::mouseClick(calendar->command_button("next"), Qt::LeftButton);
  EXPECT_EQ(calendar->heading_text(), "2027  January");
  EXPECT_EQ(calendar->day_cell(1), std::make_pair(0, 5));

  // February 2028 (a leap year) shows 29 days.
  ASSERT_TRUE(model.choose(2028, 2, 10));
  calendar->refresh();
  EXPECT_EQ(calendar->day_cell(29), std::make_pair(4, 2));
  EXPECT_EQ(calendar->day_cell(30), std::make_pair(-1, -1));

  QTest::mouseClick(calendar->day_button(15), Qt::LeftButton);
  EXPECT_TRUE(calendar->day_button(15)->isChecked());
  EXPECT_FALSE(calendar->day_button(10)->isChecked());
  calendar->accept();
  EXPECT_EQ(calendar->result(), QDialog::Accepted);
  EXPECT_EQ(state.last_chosen_date.year, 128);
  EXPECT_EQ(state.last_chosen_date.month, 2);
  EXPECT_EQ(state.last_chosen_date.day, 15);
}

TEST(CalendarDialog, RefusesToGoBeforeJanuary1980AndTodayComesBack) {
  testing::TestHome home;
  State& state = home.started();
  home.ui.messages.clear();
  SelectDateModel model(state, false);
  CalendarDialog calendar(model, nullptr, nullptr);
  ASSERT_TRUE(model.choose(1980, 1, 5));
  calendar.refresh();
  QTest::mouseClick(calendar.command_button("prev"), Qt::LeftButton);
  EXPECT_EQ(calendar.heading_text(), "1980  January");
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].text, "The date cannot be prior to January 1980.");
  // 1 January 1980 was a Tuesday.
  EXPECT_EQ(calendar.day_cell(1), std::make_pair(0, 2));

  QTest::mouseClick(calendar.command_button("today"), Qt::LeftButton);
  EXPECT_EQ(calendar.heading_text(), "2026  December");
  EXPECT_TRUE(calendar.day_button(7)->isChecked());
}

}  // namespace
}  // namespace quillon::shell
