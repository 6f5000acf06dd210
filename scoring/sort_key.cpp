#include "scoring/sort_key.h"

#include "scoring/format_rules.h"
#include "scoring/key_digits.h"
#include "scoring/tie_break.h"

namespace quillon {

namespace {

// Points turned around so that more points sort first.
constexpr int most_points_key = 899;
// Keeps a total to par (which may be negative) positive in the key.
constexpr int to_par_key_offset = 250;

}  // namespace

int primary_value(const TournamentHeader& header, const GolferEntry& golfer, int report_type) {
  switch (format_traits(header).primary) {
    case PrimaryValue::gross: return report_type == report_type::gross_and_net ? golfer.net_score : golfer.gross_score;
    case PrimaryValue::points: return most_points_key - golfer.net_score;
    case PrimaryValue::to_par: return golfer.net_score + to_par_key_offset;
    case PrimaryValue::net: break;
  }
  return golfer.net_score;
}

namespace {

// Plus handicaps (below 0) must rank before 0 in a two-digit field, so the
// handicap is written shifted by this much: +2 "08", +1 "09", 0 "10", 1 "11".
constexpr int plus_handicap_shift = 10;

// The handicap where the format prefers the lower one, shifted; else 0.
int preferred_handicap(const TournamentHeader& header, const GolferEntry& golfer) {
  if (!prefers_lower_handicap(header, golfer.division)) return 0;
  return golfer.handicap_index / 10 + plus_handicap_shift;
}

}  // namespace

KeyText golfer_sort_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                        const GolferEntry& golfer, char sex, int report_type, StrokeTables* tables) {
  KeyText key;
  key.field(primary_value(header, golfer, report_type), primary_key_digits);
  key.field(preferred_handicap(header, golfer), preference_key_digits);
  append_tie_break_digits(key, header, tee, system, golfer, sex, false, tables);
  return key;
}

KeyText golfer_gross_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                         const GolferEntry& golfer, char sex, StrokeTables* tables) {
  KeyText key;
  key.field(golfer.gross_score, primary_key_digits);
  append_tie_break_digits(key, header, tee, system, golfer, sex, true, tables);
  return key;
}

}  // namespace quillon
