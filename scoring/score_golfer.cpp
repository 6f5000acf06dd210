#include "scoring/score_golfer.h"

#include <cstdint>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/best_holes.h"
#include "handicap/callaway.h"
#include "handicap/course_handicap.h"
#include "handicap/daily_equalizer.h"
#include "handicap/peoria.h"
#include "handicap/stableford.h"
#include "handicap/system36.h"
#include "handicap/tee_values.h"
#include "scoring/ambrose.h"
#include "scoring/format_rules.h"
#include "tournament/field.h"

namespace quillon {

namespace {

// The computed-handicap routines read the sex from the entry; a stored code
// other than M or F stands for the tournament's default gender.
GolferEntry with_sex(const GolferEntry& golfer, char sex) {
  GolferEntry copy = golfer;
  copy.gender = sex;
  return copy;
}

void dispatch(State& state, GolferEntry& golfer, const CourseRecord& tee, char sex, bool complete) {
  const TournamentHeader& h = state.header;
  const Format format = format_of(h);
  switch (format_traits(format).scoring) {
    case Scoring::net_or_callaway_division:
      if (in_callaway_division(h, golfer.division))
        store_computed(golfer, score_callaway(format, hole_scores_of(golfer), sex, tee, h));
      else score_net(h, tee, golfer, sex, complete);
      break;
    case Scoring::callaway: store_computed(golfer, score_callaway(format, hole_scores_of(golfer), sex, tee, h)); break;
    case Scoring::callaway_team_card: {
      HoleScores card =
          group_size_of(h) > 1 ? scramble_team_card(state.group, group_size_of(h)) : hole_scores_of(golfer);
      store_computed(golfer, score_callaway(format, card, sex, tee, h));
      break;
    }
    case Scoring::net: score_net(h, tee, golfer, sex, complete); break;
    case Scoring::stableford:
      store_stableford(golfer, score_stableford(format, with_sex(golfer, sex), tee, h, state.system));
      break;
    case Scoring::daily_equalizer: store_computed(golfer, score_daily_equalizer(golfer)); break;
    case Scoring::peoria: store_computed(golfer, score_peoria(format, with_sex(golfer, sex), tee, h)); break;
    case Scoring::callaway_nine: store_computed(golfer, score_callaway9(hole_scores_of(golfer), sex, tee, h)); break;
    case Scoring::ambrose: score_ambrose(state.group, group_size_of(h)); break;
    case Scoring::system36: store_computed(golfer, score_system36(with_sex(golfer, sex), tee, h)); break;
    case Scoring::best_holes: store_computed(golfer, score_best_holes(format, with_sex(golfer, sex), tee, h)); break;
    case Scoring::none:  // hidden team formats and unknown codes: nothing is computed
      break;
  }
}

}  // namespace

int first_missing_hole(const GolferEntry& golfer, int hole_count) {
  for (int hole = 1; hole <= hole_count; ++hole) {
    int score = golfer.hole_scores[hole - 1];
    if (score < 1 || score > highest_hole_score) return hole;
  }
  return 0;
}

void score_net(const TournamentHeader& header, const CourseRecord& tee, GolferEntry& golfer, char sex,
               bool card_complete) {
  if (card_complete) {
    int gross = 0;
    for (int hole = 1; hole <= tee_values::hole_count(tee); ++hole) gross += golfer.hole_scores[hole - 1];
    int course = course_handicap(golfer.handicap_index, tee_values::slope(tee, sex), tee_values::rating(tee, sex),
                                 tee_values::total_par(tee, sex), header.include_rating_and_par == 1);
    int playing = playing_handicap(course, division_allowance_of(header, golfer.division));
    golfer.gross_score = static_cast<std::int16_t>(gross);
    golfer.course_hcap = static_cast<std::int8_t>(course);
    golfer.playing_hcap = static_cast<std::int8_t>(playing);
    golfer.net_score = static_cast<std::int16_t>(gross - playing);
  }
  golfer.adjusted_gross = golfer.gross_score;
}

Status score_golfer_on_tee(State& state, int slot, const CourseRecord& tee, CardMessages messages) {
  if (slot < 1 || slot > max_group_size)
    return Status::failed("There is no golfer " + std::to_string(slot) + " in a group");
  GolferEntry& golfer = state.group.entries[slot - 1];
  int missing = first_missing_hole(golfer, tee_values::hole_count(tee));
  if (missing != 0) {
    std::string text = format_text(message_limit, "Golfer [%s], Hole # [%d] :\n Score must be > 0 and <= 15",
                                   field_text(golfer.name).c_str(), missing);
    if (messages == CardMessages::shown) {
      show_message_text(state, message_kind::error, text);
      return Status::told();
    }
    if (format_of(state.header) != Format::gross) return Status::failed(text);
  }
  dispatch(state, golfer, tee, entry_gender(state, golfer.gender), missing == 0);
  return Status::ok();
}

Status score_golfer(State& state, int slot, CardMessages messages) {
  if (slot < 1 || slot > max_group_size)
    return Status::failed("There is no golfer " + std::to_string(slot) + " in a group");
  const CourseRecord tee = division_tee(state, state.group.entries[slot - 1].division);
  return score_golfer_on_tee(state, slot, tee, messages);
}

}  // namespace quillon
