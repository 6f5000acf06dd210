#include "handicap/callaway.h"

#include <algorithm>
#include <array>
#include <vector>

#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "handicap/worst_holes.h"

namespace quillon {

namespace {

constexpr int scheid_table_size = 79;

struct ScheidTables {
  std::array<int, scheid_table_size> adjustment{};
  std::array<int, scheid_table_size> deduction{};
};

// After the first two entries the deductions run in steps of half a hole;
// each run of equal deductions carries adjustments counting up from -2 (-3
// for runs of six).
constexpr ScheidTables make_scheid_tables() {
  ScheidTables t;
  t.adjustment[0] = -1;
  t.adjustment[1] = 0;
  constexpr int run_lengths[] = {3, 3, 4, 4, 4, 4, 4, 5, 5, 5, 6, 6, 6, 6, 6, 6};
  int i = 2;
  int deduction = 5;
  for (int length : run_lengths) {
    int adjustment = length == 6 ? -3 : -2;
    for (int k = 0; k < length; ++k, ++i) {
      t.deduction[i] = deduction;
      t.adjustment[i] = adjustment++;
    }
    deduction += 5;
  }
  return t;
}

constexpr ScheidTables scheid = make_scheid_tables();
static_assert(scheid.deduction[scheid_table_size - 1] == 80 && scheid.adjustment[scheid_table_size - 1] == 2);

bool is_excluded(int hole, const std::vector<int>& excluded) {
  return std::find(excluded.begin(), excluded.end(), hole) != excluded.end();
}

struct CappedCard {
  int gross = 0;
  int adjusted = 0;
  std::vector<int> candidates;  // capped scores of the holes that may be deducted
};

CappedCard cap_card(const HoleScores& scores, int holes, const std::vector<int>& excluded, char sex,
                    const CourseRecord& tee, int cap_index) {
  CappedCard card;
  for (int hole = 1; hole <= holes; ++hole) {
    int s = scores[hole - 1];
    int capped = std::min(s, hole_cap(tee_values::par(tee, sex, hole), cap_index));
    card.gross += s;
    card.adjusted += capped;
    if (!is_excluded(hole, excluded)) card.candidates.push_back(capped);
  }
  return card;
}

// Callaway 9 Hole adjustment in tenths of a stroke for i = adjusted - base.
int nine_hole_adjustment(int i) {
  constexpr int up[] = {1, 5, 10, 12, 15, 20, 22, 25, 30, 32, 35};
  constexpr int down[] = {2, 3, 8, 11, 13, 18, 21, 23, 28, 31, 33};
  if (i < 0) return 0;
  if (i > 35 || std::find(std::begin(up), std::end(up), i) != std::end(up)) return 10;
  if (std::find(std::begin(down), std::end(down), i) != std::end(down)) return -10;
  return 0;
}

// Callaway 9 Hole deduction in hundredths of holes for i = adjusted - base.
int nine_hole_deduction(int i) {
  struct Band {
    int up_to;
    int deduction;
  };
  constexpr Band bands[] = {{1, 0},    {2, 25},   {5, 50},   {7, 75},   {10, 100}, {12, 125}, {15, 150},
                            {17, 175}, {20, 200}, {22, 225}, {25, 250}, {27, 275}, {30, 300}, {32, 325}};
  for (const Band& b : bands)
    if (i <= b.up_to) return b.deduction;
  return 350;
}

}  // namespace

int callaway9_partial_tenths(int score, int hundredths) { return (score * hundredths + 5) / 10; }

CallawayStep callaway_step(int adjusted, int base) {
  int i = adjusted - base;
  if (i <= 2) return {0, 0};
  if (i <= 5) return {i - 5, 5};
  if (i <= 60) {
    // The cycle of -2..+2 starts at base + 6 for every base.
    int adjustment = (i + 69) % 5 - 2;
    int deduction = (i + 4) / 5 * 5;
    return {adjustment, deduction};
  }
  return {2, 60};
}

CallawayStep callaway9_step(int adjusted, int base) {
  const int i = adjusted - base;
  return {nine_hole_adjustment(i), nine_hole_deduction(i)};
}

CallawayStep scheid_step(int adjusted, int base) {
  int i = adjusted - base;
  if (i < 0) return {0, 0};
  if (i >= scheid_table_size) return {2, 80};
  return {scheid.adjustment[i], scheid.deduction[i]};
}

HoleScores scramble_team_card(const GroupBuffer& group, int group_size) {
  HoleScores team{};
  for (int slot = 0; slot < group_size; ++slot) {
    const GolferEntry& g = group.entries[slot];
    if (g.name[0] == '\0') continue;
    for (int h = 0; h < 18; ++h) {
      int s = g.hole_scores[h];
      if (s != 0 && (team[h] == 0 || s < team[h])) team[h] = s;
    }
  }
  return team;
}

ComputedResult score_callaway(Format format, const HoleScores& scores, char sex, const CourseRecord& tee,
                              const TournamentHeader& header) {
  std::vector<int> excluded = {header.peoria_holes[0], header.peoria_holes[1]};
  CappedCard card = cap_card(scores, 18, excluded, sex, tee, header.max_hole_score_index);
  CallawayStep step = format == Format::scheid ? scheid_step(card.adjusted, header.callaway_table_base)
                                               : callaway_step(card.adjusted, header.callaway_table_base);
  ComputedResult r;
  r.gross = card.gross;
  r.adjusted_gross = card.adjusted;
  r.adjustment = step.adjustment;
  r.deduction = step.deduction;
  int deducted = deduct_worst_holes(card.candidates, step.deduction, r.deducted_scores);
  r.handicap = std::min(step.adjustment + deducted, static_cast<int>(header.callaway_max_handicap));
  r.net = card.adjusted - r.handicap;
  r.sets_scoring_bytes = true;
  return r;
}

ComputedResult score_callaway9(const HoleScores& scores, char sex, const CourseRecord& tee,
                               const TournamentHeader& header) {
  std::vector<int> excluded = {header.peoria_holes[0]};
  CappedCard card = cap_card(scores, 9, excluded, sex, tee, header.max_hole_score_index);
  const CallawayStep step = callaway9_step(card.adjusted, header.callaway_table_base);
  ComputedResult r;
  r.gross = card.gross;
  r.adjusted_gross = card.adjusted;
  r.adjustment = step.adjustment;
  r.deduction = step.deduction;

  std::vector<int> worst = card.candidates;
  sort_worst_first(worst);
  const int count = static_cast<int>(worst.size());
  const int whole = std::min(r.deduction / 100, count);
  int tenths = 0;
  for (int k = 0; k < whole; ++k) {
    tenths += 10 * worst[k];
    r.deducted_scores.push_back(worst[k]);
  }
  if (r.deduction % 100 != 0 && whole < count) {
    tenths += callaway9_partial_tenths(worst[whole], r.deduction % 100);
    r.deducted_scores.push_back(worst[whole]);
  }
  r.handicap = std::min((tenths + r.adjustment + 5) / 10, static_cast<int>(header.callaway_max_handicap));
  r.net = card.adjusted - r.handicap;
  r.sets_scoring_bytes = true;
  return r;
}

}  // namespace quillon
