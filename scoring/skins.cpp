#include "scoring/skins.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "handicap/course_handicap.h"
#include "handicap/stableford.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "scoring/score_golfer.h"
#include "tournament/field.h"

namespace quillon {

namespace {

struct Participant {
  std::string name;
  char sex = 'M';
  std::array<std::optional<int>, 18> values{};  // empty: a hole the golfer's tee does not have
};

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

Participant participant_of(State& state, const GolferEntry& golfer, const CourseRecord& tee, bool net) {
  const TournamentHeader& h = state.header;
  Participant p;
  p.name = field_text(golfer.name);
  p.sex = entry_gender(state, golfer.gender);
  int handicap = 0;
  if (net) {
    int full = golfer_course_handicap(h, tee, golfer.handicap_index, p.sex, golfer.division);
    handicap = skins_handicap(full, golfer.course_hcap, division_allowance_of(h, golfer.division));
  }
  for (int hole = 1; hole <= tee_values::hole_count(tee); ++hole) {
    int score = golfer.hole_scores[hole - 1];
    p.values[hole - 1] = net ? net_hole_score(tee, score, p.sex, hole, handicap) : score;
  }
  return p;
}

SkinsHole hole_result(const std::vector<Participant>& field, const CourseRecord& tee, int hole) {
  SkinsHole result;
  result.hole = hole;
  std::vector<const Participant*> holders;
  for (const Participant& p : field) {
    const auto& value = p.values[hole - 1];
    if (!value) continue;
    if (holders.empty() || *value < result.low) {
      holders.clear();
      result.low = *value;
    }
    if (*value == result.low) holders.push_back(&p);
  }
  result.holders = static_cast<int>(holders.size());
  if (holders.empty()) return result;
  result.par = tee_values::par(tee, holders.front()->sex, hole);
  if (holders.size() == 1) {
    result.winner = holders.front()->name;
    return result;
  }
  for (const Participant* p : holders) result.halved_by.push_back(p->name);
  std::stable_sort(result.halved_by.begin(), result.halved_by.end(),
                   [](const std::string& a, const std::string& b) { return upper(a) < upper(b); });
  return result;
}

// Scores the skins entrants of the group in the buffer; whether any was scored
// (and the group needs writing back).
bool score_group_for_skins(State& state, bool net, int division, int group_size, SkinsResult& r,
                           std::vector<Participant>& field) {
  bool scored_any = false;
  for (int slot = 1; slot <= group_size; ++slot) {
    const GolferEntry& golfer = state.group.entries[slot - 1];
    if (golfer.name[0] == '\0' || (division != 0 && golfer.division != division)) continue;
    ++r.event_golfers;
    if (!golfer.in_skins) continue;
    ++r.entrants;
    if (golfer.hole_scores[0] == 0) {
      ++r.without_scores;
      continue;
    }
    const CourseRecord tee = division_tee(state, golfer.division);
    if (!score_golfer_on_tee(state, slot, tee, CardMessages::quiet)) {
      r.incomplete_cards.push_back(field_text(golfer.name));
      continue;
    }
    scored_any = true;
    // "Gross Scores" scores an incomplete card as typed; its missing holes
    // would read as zeros, so such a card cannot play for skins.
    if (first_missing_hole(golfer, tee_values::hole_count(tee)) != 0) {
      r.incomplete_cards.push_back(field_text(golfer.name));
      continue;
    }
    field.push_back(participant_of(state, golfer, tee, net));
  }
  return scored_any;
}

}  // namespace

int skins_handicap(int course_handicap_full, int scored_course_hcap, int allowance_percent) {
  if (allowance_percent == 100) return course_handicap_full;
  return playing_handicap(scored_course_hcap, allowance_percent);
}

SkinsResult compute_skins(State& state, bool net, int division) {
  SkinsResult r;
  const int group_size = group_size_of(state.header);
  std::vector<Participant> field;
  // The scored groups are flushed once, together.
  DatabaseTransaction change(state);
  for (int g = 1; g <= state.header.group_count; ++g) {
    // The scored fields go back into the group as it is now: another opener's
    // scores saved meanwhile are neither lost nor reverted.
    Status stored = Status::ok();
    {
      DatabaseLock lock(state.db);
      if (!read_record(state, RecordKind::group, g)) {
        r.stopped = true;
        return r;
      }
      if (score_group_for_skins(state, net, division, group_size, r, field)) stored = store_group(state, g);
    }
    if (!stored) {
      tell_write_failure(state, stored);
      r.stopped = true;
      return r;
    }
  }
  if (!change.commit()) {
    r.stopped = true;
    return r;
  }
  r.participants = static_cast<int>(field.size());

  const CourseRecord first_tee = division_tee(state, 1, state.course);
  for (int hole = 1; hole <= tee_values::hole_count(first_tee); ++hole)
    r.holes.push_back(hole_result(field, first_tee, hole));
  return r;
}

}  // namespace quillon
