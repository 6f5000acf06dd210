#include "scoring/sort_key.h"

#include <algorithm>
#include <cstdio>

#include "scoring/format_rules.h"
#include "scoring/tie_break.h"

namespace quillon {

namespace {

std::string three_digits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%03d", std::clamp(value, 0, 999));
  return text;
}

}  // namespace

int primary_value(const TournamentHeader& header, const GolferEntry& golfer, int report_type) {
  switch (header.format) {
    case 1: return report_type == report_type::gross_and_net ? golfer.net_score : golfer.gross_score;
    case 3: case 4: case 20: return 899 - golfer.net_score;
    case 23: case 24: return golfer.net_score + 250;
    default: return golfer.net_score;
  }
}

std::string handicap_preference(const TournamentHeader& header, const GolferEntry& golfer) {
  if (!prefers_lower_handicap(header, golfer.division)) return "00";
  char text[8];
  std::snprintf(text, sizeof text, "%02d", std::clamp(golfer.handicap_index / 10, 0, 99));
  return text;
}

std::string golfer_sort_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                            const GolferEntry& golfer, char sex, int report_type) {
  return three_digits(primary_value(header, golfer, report_type)) + handicap_preference(header, golfer) +
         tie_break_digits(header, tee, system, golfer, sex);
}

std::string golfer_gross_key(const TournamentHeader& header, const CourseRecord& tee, const SystemRecord& system,
                             const GolferEntry& golfer, char sex) {
  return three_digits(golfer.gross_score) + tie_break_digits(header, tee, system, golfer, sex, true);
}

}  // namespace quillon
