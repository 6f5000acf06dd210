#include "handicap/course_handicap.h"

#include <string>

#include "core/state.h"
#include "core/text.h"
#include "handicap/tee_values.h"

namespace quillon {

namespace {

// Rounds a value in tenths (or hundredths with scale 100) half away from zero,
// the sign deciding by `positive`.
int round_scaled(int value, int scale, bool positive) {
  return positive ? (value + scale / 2) / scale : (value - scale / 2) / scale;
}

std::string tenths_text(const char* format, int tenths) { return format_text(32, format, tenths / 10.0); }

}  // namespace

int course_handicap(int index_tenths, int slope, int rating_tenths, int par, bool include_rating_and_par) {
  int p = index_tenths * slope / 113;
  if (!include_rating_and_par) return round_scaled(p, 10, index_tenths >= 1);
  int t = rating_tenths + p - 10 * par;
  return round_scaled(t, 10, t >= 1);
}

int golfer_course_handicap(const TournamentHeader& header, const CourseRecord& tee, int index_tenths, char sex,
                           int division) {
  bool callaway_division =
      format_of(header) == Format::net_with_callaway_division && division == header.callaway_division;
  if (format_traits(header).kind == HandicapKind::computed || callaway_division) return index_tenths / 10;
  return course_handicap(index_tenths, tee_values::slope(tee, sex), tee_values::rating(tee, sex),
                         tee_values::total_par(tee, sex), header.include_rating_and_par == 1);
}

int golfer_course_handicap(const State& state, int index_tenths, char sex, int division) {
  return golfer_course_handicap(state.header, state.course, index_tenths, sex, division);
}

int playing_handicap(int course_handicap, int allowance_percent) {
  return round_scaled(allowance_percent * course_handicap, 100, course_handicap >= 1);
}

std::string index_report_text(int index_tenths) {
  if (index_tenths == 0) return "";
  if (index_tenths < 0) return tenths_text("+%3.1f", -index_tenths);
  return tenths_text("%4.1f", index_tenths);
}

std::string handicap_report_text(int strokes) {
  return strokes < 0 ? "+" + std::to_string(-strokes) : std::to_string(strokes);
}

}  // namespace quillon
