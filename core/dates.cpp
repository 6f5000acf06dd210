#include "core/dates.h"

#include <cstdio>

namespace quillon {

namespace {

constexpr int days_before[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr const char* abbrevs[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

bool leap(int ys) { return ys % 4 == 0; }

std::string printed(const char* fmt, int a, const char* b, int c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a, b, c);
  return buf;
}

std::string printed(const char* fmt, int a, int b, int c) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a, b, c);
  return buf;
}

}  // namespace

int years_since_1900(int year) {
  if (year >= 1900) return year - 1900;
  if (year < 80) return year + 100;
  return year;
}

int day_of_year(int year, int month, int day) {
  int ys = years_since_1900(year);
  if (month < 1 || month > 12) return day;
  return days_before[month - 1] + day + ((leap(ys) && month >= 3) ? 1 : 0);
}

int day_number(int year, int month, int day) {
  int ys = years_since_1900(year);
  return 365 * (ys - 80) + day_of_year(ys, month, day);
}

Date split_day_number(int n) {
  int q = n / 365;
  int r = n % 365;
  if (r == 0) {
    r = 365;
    q -= 1;
  }
  Date d;
  d.year = q + 80;
  if (leap(d.year)) {
    if (r == 60) {
      d.month = 2;
      d.day = 29;
      return d;
    }
    if (r > 60) r -= 1;
  }
  int m = 0;
  while (m < 11 && days_before[m + 1] < r) ++m;
  d.month = m + 1;
  d.day = r - days_before[m];
  return d;
}

int weekday(int year, int month, int day) {
  int y = year < 100 ? 2000 + year : (year < 1900 ? 1900 + year : year);
  long days = 0;
  for (int k = 1980; k < y; ++k) days += (k % 4 == 0) ? 366 : 365;
  days += day_of_year(y, month, day) - 1;
  return static_cast<int>((2 + days) % 7);  // 1 January 1980 was a Tuesday
}

int days_in_month(int year, int month) {
  static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  if (month == 2 && leap(years_since_1900(year))) return 29;
  return lengths[month - 1];
}

const char* month_abbrev(int month) { return month >= 1 && month <= 12 ? abbrevs[month - 1] : ""; }
const char* month_name(int month) { return month >= 1 && month <= 12 ? names[month - 1] : ""; }

std::string long_date(int year, int month, int day) {
  int ys = years_since_1900(year);
  bool nineties = ys >= 80 && ys < 100;
  return printed(nineties ? "%02d-%s-19%02d" : "%02d-%s-20%02d", day, month_abbrev(month), ys % 100);
}

std::string short_date(int year, int month, int day) {
  return printed("%02d-%s-%02d", day, month_abbrev(month), years_since_1900(year) % 100);
}

std::string sortable_date(int year, int month, int day) {
  int ys = years_since_1900(year);
  // Dates of the last century sort before this one's.
  return printed(ys < 100 ? "19%02d-%02d-%02d" : "20%02d-%02d-%02d", ys % 100, month, day);
}

std::string numeric_date(int year, int month, int day) {
  return printed("%02d-%02d-%02d", years_since_1900(year) % 100, month, day);
}

std::string long_date(int n) {
  Date d = split_day_number(n);
  return long_date(d.year, d.month, d.day);
}
std::string short_date(int n) {
  Date d = split_day_number(n);
  return short_date(d.year, d.month, d.day);
}
std::string sortable_date(int n) {
  Date d = split_day_number(n);
  return sortable_date(d.year, d.month, d.day);
}
std::string numeric_date(int n) {
  Date d = split_day_number(n);
  return numeric_date(d.year, d.month, d.day);
}
}  // namespace quillon
