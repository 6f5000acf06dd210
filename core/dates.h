#pragma once
// The day numbers stored in the database and the date texts built from them.
//
// A day number counts days from 1 January 1980 = 1, with 365 days a year and
// only the leap day of the date's own year counted. As a consequence
// 31 December of a year divisible by four and 1 January of the next year share
// one number; decoding it gives 1 January.
#include <cstdint>
#include <string>

namespace quillon {

struct Date {
  int year = 80;  // years since 1900
  int month = 1;
  int day = 1;
  bool operator==(const Date&) const = default;
};

// Takes a full year (1980 and later), years since 1900 (80..1899) or a
// two-digit year (0..79 = 2000..2079) and gives years since 1900.
int years_since_1900(int year);
inline int full_year(int year) { return 1900 + years_since_1900(year); }

int day_number(int year, int month, int day);
Date split_day_number(int n);
int day_of_year(int year, int month, int day);

// 0 = Sunday .. 6 = Saturday.
int weekday(int year, int month, int day);

int days_in_month(int year, int month);
const char* month_abbrev(int month);  // "Jan".."Dec", "" out of range
const char* month_name(int month);  // "January".."December", "" out of range

// The four date texts.
std::string long_date(int year, int month, int day);  // 02-Jun-2016
std::string short_date(int year, int month, int day);  // 02-Jun-16
std::string sortable_date(int year, int month, int day);  // 2016-06-02
std::string numeric_date(int year, int month, int day);  // 16-06-02
std::string long_date(int n);
std::string short_date(int n);
std::string sortable_date(int n);
std::string numeric_date(int n);

}  // namespace quillon
