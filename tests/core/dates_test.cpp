// Day numbers, their decoding, weekdays and the date texts.
#include <gtest/gtest.h>

#include <chrono>

#include "core/dates.h"

namespace quillon {
namespace {

bool leap(int year) { return year % 4 == 0; }

TEST(DayNumbers, RoundTripEveryDayOf1980To2030) {
  int previous = 0;
  for (int year = 1980; year <= 2030; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= days_in_month(year, month); ++day) {
        int n = day_number(year, month, day);
        // Consecutive days count up by one; only 1 January after a leap year
        // repeats the number of 31 December before it.
        int step = (leap(year - 1) && month == 1 && day == 1) ? 0 : 1;
        if (previous != 0) {
          ASSERT_EQ(n - previous, step) << year << "-" << month << "-" << day;
        }
        previous = n;
        if (leap(year) && month == 12 && day == 31) continue;
        ASSERT_EQ(split_day_number(n), (Date{year - 1900, month, day})) << n;
      }
    }
  }
  EXPECT_EQ(previous, day_number(2030, 12, 31));
}

TEST(DayNumbers, LastDayOfALeapYearSharesTheNumberOfNewYearsDay) {
  EXPECT_EQ(day_number(1980, 1, 1), 1);
  EXPECT_EQ(day_number(1980, 12, 31), 366);
  EXPECT_EQ(day_number(1981, 1, 1), 366);
  EXPECT_EQ(split_day_number(366), (Date{81, 1, 1}));
  EXPECT_EQ(day_number(2024, 12, 31), day_number(2025, 1, 1));
  EXPECT_EQ(split_day_number(day_number(2024, 12, 31)), (Date{125, 1, 1}));
  EXPECT_EQ(split_day_number(day_number(2024, 12, 30)), (Date{124, 12, 30}));
  // A common year's last day has a number of its own.
  EXPECT_EQ(day_number(2025, 12, 31) + 1, day_number(2026, 1, 1));
}

TEST(DayNumbers, KnownValuesAndYearForms) {
  EXPECT_EQ(day_number(2016, 6, 2), 13294);
  EXPECT_EQ(day_number(116, 6, 2), 13294);
  EXPECT_EQ(day_number(16, 6, 2), 13294);
  EXPECT_EQ(day_number(2024, 2, 29), 16120);
  EXPECT_EQ(split_day_number(16120), (Date{124, 2, 29}));
  EXPECT_EQ(day_number(2024, 3, 1), 16121);
  EXPECT_EQ(split_day_number(16121), (Date{124, 3, 1}));
  EXPECT_EQ(day_number(2023, 3, 1), 365 * 43 + 59 + 1);
  EXPECT_EQ(day_number(99, 7, 5), day_number(1999, 7, 5));
  EXPECT_EQ(day_number(80, 1, 1), 1);
  EXPECT_EQ(day_number(0, 1, 1), day_number(2000, 1, 1));
  EXPECT_EQ(day_number(79, 1, 1), day_number(2079, 1, 1));
  EXPECT_EQ(day_of_year(2024, 3, 1), 61);
  EXPECT_EQ(day_of_year(2023, 3, 1), 60);
  EXPECT_EQ(day_of_year(2024, 12, 31), 366);
}

TEST(DateTexts, FourFormsByDateAndByDayNumber) {
  EXPECT_EQ(long_date(1999, 7, 5), "05-Jul-1999");
  EXPECT_EQ(long_date(2005, 7, 5), "05-Jul-2005");
  EXPECT_EQ(long_date(2016, 6, 2), "02-Jun-2016");
  EXPECT_EQ(long_date(105, 7, 5), "05-Jul-2005");
  EXPECT_EQ(short_date(2016, 6, 2), "02-Jun-16");
  EXPECT_EQ(sortable_date(2016, 6, 2), "2016-06-02");
  EXPECT_EQ(numeric_date(2016, 6, 2), "16-06-02");

  EXPECT_EQ(long_date(13294), "02-Jun-2016");
  EXPECT_EQ(short_date(13294), "02-Jun-16");
  EXPECT_EQ(sortable_date(13294), "2016-06-02");
  EXPECT_EQ(numeric_date(13294), "16-06-02");
  EXPECT_EQ(long_date(day_number(1999, 7, 5)), "05-Jul-1999");
  EXPECT_EQ(long_date(day_number(2005, 7, 5)), "05-Jul-2005");
  EXPECT_EQ(short_date(day_number(2005, 7, 5)), "05-Jul-05");
  EXPECT_EQ(long_date(16120), "29-Feb-2024");

  // Dates of the last century keep their century where it is printed in full.
  EXPECT_EQ(sortable_date(1999, 7, 5), "1999-07-05");
  EXPECT_EQ(numeric_date(1999, 7, 5), "99-07-05");
  // Out-of-range months have no name.
  EXPECT_EQ(long_date(2016, 13, 2), "02--2016");
  EXPECT_EQ(short_date(2016, 0, 2), "02--16");
}

TEST(Weekdays, MatchTheCalendar) {
  EXPECT_EQ(weekday(1980, 1, 1), 2);  // Tuesday
  EXPECT_EQ(weekday(2026, 12, 7), 1);  // Monday
  EXPECT_EQ(weekday(26, 12, 7), 1);
  EXPECT_EQ(weekday(2024, 2, 29), 4);
  EXPECT_EQ(weekday(2000, 1, 1), 6);

  using namespace std::chrono;
  for (int y = 1980; y <= 2030; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= days_in_month(y, m); ++d) {
        year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
        int expected = static_cast<int>(std::chrono::weekday{sys_days{ymd}}.c_encoding());
        ASSERT_EQ(weekday(y, m, d), expected) << y << "-" << m << "-" << d;
      }
}

}  // namespace
}  // namespace quillon
