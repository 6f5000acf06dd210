#include "handicap/course_handicap.h"

#include <string>

#include "core/messages.h"
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

std::string tenths_text(const char* format, int tenths) {
  return format_text(32, format, tenths / 10.0);
}

// Optional sign, digits and at most one point, with at least one digit.
// parse_tenths reads any other character as a digit 0, so text such as "0,5"
// or "1a" would otherwise be taken as 5.0 or 10.0.
bool reads_as_decimal_number(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') ++digits;
    else if (c == '.' && !point) point = true;
    else return false;
  }
  return digits > 0;
}

// More than three significant digits before the point cannot be a handicap
// index and would overflow parse_tenths.
bool whole_part_short_enough(std::string_view text) {
  int significant = 0;
  for (char c : text) {
    if (c == '.') break;
    if (c == '-') continue;
    if (significant == 0 && c == '0') continue;
    if (++significant > 3) return false;
  }
  return true;
}

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

std::string index_edit_text(int index_tenths, Format format) {
  if (format_traits(format).kind == HandicapKind::computed) return std::to_string(index_tenths / 10);
  return tenths_text("%-4.1f", index_tenths);
}

std::optional<int> parse_handicap_index(std::string_view typed) {
  // Blanks around the number would otherwise be read as digits 0.
  std::string text = trimmed(typed);
  if (!reads_as_decimal_number(text) || !whole_part_short_enough(text)) return std::nullopt;
  int tenths = parse_tenths(text);
  if (tenths < lowest_typed_index || tenths > highest_typed_index) return std::nullopt;
  return tenths;
}

std::optional<int> read_handicap_index(State& state, std::string_view text) {
  auto tenths = parse_handicap_index(text);
  if (!tenths) message_box(state, message_kind::error, "Invalid handicap index");
  return tenths;
}

}  // namespace quillon
