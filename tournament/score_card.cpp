#include "tournament/score_card.h"

#include <algorithm>
#include <cctype>

#include "core/text.h"
#include "handicap/stableford.h"
#include "handicap/tee_values.h"

namespace quillon {

namespace {

constexpr int highest_pick_up = 9;

}  // namespace

bool uses_team_window(Format format) { return format == Format::scramble || format == Format::ambrose; }

bool marks_par(Format format) { return !team_card_in_first_slot(format); }

bool scores_completed_card(Format format) { return format != Format::callaway_scramble; }

ParMark par_mark(int score, int par) {
  if (score == 0 || score > par) return ParMark::above_par;
  return score < par ? ParMark::below_par : ParMark::par;
}

int par_mark_green(ParMark mark) {
  switch (mark) {
    case ParMark::below_par: return 17;
    case ParMark::par: return 68;
    case ParMark::above_par: return 170;
    case ParMark::none: break;
  }
  return 0;
}

int pick_up_score(Format format, const GolferEntry& golfer, const CourseRecord& tee, int hole,
                  const TournamentHeader& header, const SystemRecord& system) {
  GolferEntry card = golfer;
  int par = tee_values::par(tee, golfer.gender, hole);
  for (int strokes = std::max(par, 1); strokes <= highest_pick_up; ++strokes) {
    card.hole_scores[hole - 1] = static_cast<std::int8_t>(strokes);
    if (score_stableford(format, card, tee, header, system).points_row[hole - 1] == 0) return strokes;
  }
  return highest_pick_up;
}

std::string score_handicap_text(Format format, const GolferEntry& entry) {
  if (format == Format::ambrose) return std::to_string(entry.team_handicap);
  if (format == Format::scramble) return "";
  if (entry.handicap_index < 0) return format_text(16, "+%3.1f", -entry.handicap_index / 10.0);
  return format_text(16, "%-4.1f", entry.handicap_index / 10.0);
}

int cell_score(const std::string& text) {
  std::string t = trimmed(text);
  if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
    return 0;
  return parse_int(t, 2);
}

}  // namespace quillon
