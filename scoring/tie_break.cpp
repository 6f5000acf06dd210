#include "scoring/tie_break.h"

#include <algorithm>
#include <cstdint>

#include "handicap/course_handicap.h"
#include "handicap/stableford.h"
#include "handicap/tee_values.h"
#include "scoring/format_rules.h"
#include "scoring/key_digits.h"
#include "tournament/header_options.h"

namespace quillon {

namespace {

int sum_of_last(const TieBreakRow& row, int n) {
  int sum = 0;
  for (int hole = std::max(1, row.hole_count - n + 1); hole <= row.hole_count; ++hole) sum += row.values[hole - 1];
  return sum;
}

int share_of(const TieBreakRow& row, int n) {
  switch (row.share) {
    case ShareUnit::strokes: return handicap_share(row.share_handicap, n);
    case ShareUnit::tenths: return handicap_share_tenths(row.share_handicap, n);
    case ShareUnit::none: break;
  }
  return 0;
}

void count_back_digits(const TieBreakRow& row, KeyText& out) {
  std::array<int, 18> from_last{};  // holes 18, 17, ..., 1; "00" beyond the course
  for (int hole = 18; hole >= 1; --hole) from_last[18 - hole] = hole > row.hole_count ? 0 : row.values[hole - 1];
  out.two_digit_fields(from_last, 18);
}

void last_9631_digits(const TieBreakRow& row, KeyText& out) {
  const int scale = row.share == ShareUnit::tenths ? 10 : 1;
  for (int n : {9, 6, 3, 1}) out.field(sum_of_last(row, n) * scale - share_of(row, n), 3);
  out.repeat('0', 24);
}

void australian_digits(const TieBreakRow& row, KeyText& out) {
  for (int n : {9, 6, 3}) out.field(sum_of_last(row, n), 3);
  for (int back = 0; back < 9; ++back) {
    int hole = row.hole_count - back;
    out.field(hole >= 1 ? row.values[hole - 1] : 0, 3);
  }
}

bool takes_no_strokes(Format format) { return format == Format::gross || format == Format::system36; }

}  // namespace

int handicap_share(int h, int n) {
  switch (n) {
    case 1: return (h + 9) / 18;
    case 3: return (h + 3) / 6;
    case 6: return (h + 1) / 3;
    case 9: return (h + 1) / 2;
    default: return 0;
  }
}

int handicap_share_tenths(int h, int n) {
  switch (n) {
    case 1: return (10 * h + 9) / 18;
    case 3: return (10 * h + 3) / 6;
    case 6: return (10 * h + 1) / 3;
    case 9: return 5 * h;
    default: return 0;
  }
}

void append_tie_break_digits(KeyText& out, const TieBreakRow& row, int method) {
  switch (method) {
    case tie_break_method::count_back: count_back_digits(row, out); break;
    case tie_break_method::last_9631: last_9631_digits(row, out); break;
    case tie_break_method::australian: australian_digits(row, out); break;
    default: out.repeat('0', tie_break_digit_count); break;
  }
}

std::string tie_break_digits(const TieBreakRow& row, int method) {
  KeyText out;
  append_tie_break_digits(out, row, method);
  return out.str();
}

TieBreakRow golfer_tie_break_row(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                                 const GolferEntry& golfer, char sex, int method, bool gross_values,
                                 StrokeTables* tables) {
  TieBreakRow row;
  row.hole_count = tee_values::hole_count(tee);
  const Format format = format_of(header);
  const bool count_back = method == tie_break_method::count_back;

  if (gross_values) {
    for (int hole = 1; hole <= row.hole_count; ++hole) {
      int score = golfer.hole_scores[hole - 1];
      row.values[hole - 1] = count_back ? 99 - score : score;
    }
    return row;
  }

  if (is_individual_stableford(format)) {
    GolferEntry card = golfer;
    card.gender = sex;
    HoleRow points = score_stableford(format, card, tee, header, system).points_row;
    for (int hole = 1; hole <= row.hole_count; ++hole)
      row.values[hole - 1] = count_back ? points[hole - 1] : 10 - points[hole - 1];
    return row;
  }

  const int handicap = golfer_course_handicap(header, tee, golfer.handicap_index, sex, golfer.division);
  const bool capped = format_traits(format).caps_at_double_par;
  const bool with_strokes = !takes_no_strokes(format) && handicap != 0;
  // "Last 9, 6, 3, 1" sums the scores and takes a share of the handicap off
  // the sums; the Australian count back compares the capped Callaway scores.
  const bool raw = method == tie_break_method::last_9631 || (method == tie_break_method::australian && capped);
  const HoleStrokes strokes = !raw && with_strokes ? strokes_from(tables, tee, sex, handicap) : HoleStrokes{};
  const std::int8_t* par = tee_values::is_men(sex) ? tee.men_par : tee.women_par;
  for (int hole = 0; hole < row.hole_count; ++hole) {
    int score = golfer.hole_scores[hole];
    if (capped) score = std::min(score, 2 * par[hole]);
    int value = score - strokes[hole];
    row.values[hole] = count_back ? 99 - value : value;
  }
  if (method == tie_break_method::last_9631 && format != Format::gross) {
    row.share_handicap = handicap;
    row.share = (format == Format::net || format == Format::net_with_callaway_division) ? ShareUnit::tenths
                                                                                        : ShareUnit::strokes;
  }
  return row;
}

void append_tie_break_digits(KeyText& out, const TournamentHeader& header, const CourseRecord& tee,
                             const SystemRecord& system, const GolferEntry& golfer, char sex, bool gross_values,
                             StrokeTables* tables) {
  int method = header_options::tie_break(header);
  if (method == tie_break_method::none) {
    out.repeat('0', tie_break_digit_count);
    return;
  }
  append_tie_break_digits(out, golfer_tie_break_row(header, tee, system, golfer, sex, method, gross_values, tables),
                          method);
}

std::string tie_break_digits(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                             const GolferEntry& golfer, char sex, bool gross_values) {
  KeyText out;
  append_tie_break_digits(out, header, tee, system, golfer, sex, gross_values);
  return out.str();
}

}  // namespace quillon
