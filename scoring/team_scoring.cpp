#include "scoring/team_scoring.h"

#include <algorithm>

#include "core/records/header_values.h"
#include "core/state.h"
#include "handicap/callaway.h"
#include "handicap/course_handicap.h"
#include "handicap/stableford.h"
#include "handicap/tee_values.h"
#include "scoring/division_tees.h"
#include "scoring/format_rules.h"
#include "scoring/key_digits.h"
#include "scoring/score_golfer.h"
#include "tournament/field.h"
#include "tournament/header_options.h"

namespace quillon {

namespace {

// Points turned around so that more team points sort first.
constexpr int most_team_points_key = 999;
// "Best 2 Balls (1 Gross, 1 Net)" always counts two balls.
constexpr int best_two_balls = 2;

// Filled in place by set_absent or set_values: a results run makes four of
// these per team, so they are not cleared first.
struct Member {
  bool present = false;
  std::array<int, 18> net;  // hole value, missing_ball when not played
  std::array<int, 18> gross;  // raw score, missing_ball when not played
  std::array<int, 18> points;  // Stableford points, -1 when not played
};

void set_absent(Member& m) {
  m.present = false;
  m.net.fill(missing_ball);
  m.gross.fill(missing_ball);
  m.points.fill(-1);
}

void set_values(Member& m, const State& state, const CourseRecord& tee, StrokeTables& tables,
                const GolferEntry& golfer) {
  const TournamentHeader& h = state.header;
  set_absent(m);
  m.present = true;
  const char sex = entry_gender(state, golfer.gender);
  const int holes = tee_values::hole_count(tee);
  const FormatTraits& traits = format_traits(h);
  const int handicap =
      traits.team_strokes ? golfer_course_handicap(h, tee, golfer.handicap_index, sex, golfer.division) : 0;
  const HoleStrokes strokes = tables.of(tee, sex, handicap);
  HoleRow points{};
  if (traits.team_play == TeamPlay::stableford_points) {
    GolferEntry card = golfer;
    card.gender = sex;
    points = score_stableford(format_of(h), card, tee, h, state.system).points_row;
  }
  for (int hole = 1; hole <= holes; ++hole) {
    int score = golfer.hole_scores[hole - 1];
    if (score <= 0) continue;
    m.gross[hole - 1] = score;
    m.net[hole - 1] = score - strokes[hole - 1];
    m.points[hole - 1] = points[hole - 1];
  }
}

struct Ranked {
  int value;
  int member;
};

// The members of a team, at most one group.
struct Members {
  std::array<Member, max_group_size> list;
  int count = 0;
  Member& add() { return list[count++]; }
};

// Members by value on a hole, lowest first; equal values keep member order.
struct RankedHole {
  std::array<Ranked, max_group_size> items{};
  int count = 0;
  int value_at(int i) const { return i < count ? items[i].value : missing_ball; }
  int sum_first(int n) const {
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += value_at(i);
    return sum;
  }
};

RankedHole rank_lowest(const Members& members, int hole, bool gross) {
  // An insertion sort: stable, and without the buffer std::stable_sort takes.
  RankedHole r;
  for (int i = 0; i < members.count; ++i) {
    Ranked next = {gross ? members.list[i].gross[hole] : members.list[i].net[hole], i};
    int at = r.count++;
    for (; at > 0 && r.items[at - 1].value > next.value; --at) r.items[at] = r.items[at - 1];
    r.items[at] = next;
  }
  return r;
}

// Best 1-2-3: one ball on a par 5 (or more), two on a par 4, three on a par 3.
int balls_for_par(int par) {
  if (par <= 3) return 3;
  return par == 4 ? 2 : 1;
}

void keep_ranked(TeamScore& team, int hole, const RankedHole& ranked, int used) {
  for (int i = 0; i < ranked.count; ++i) team.ranked[i][hole] = ranked.items[i].value;
  team.balls_used[hole] = used;
  team.missing[hole] = 0;
  for (int i = 0; i < used; ++i)
    if (ranked.value_at(i) == missing_ball) ++team.missing[hole];
}

void combine_hole(const State& state, const CourseRecord& tee, char sex, const Members& members, int hole,
                  bool with_gross, TeamScore& team) {
  const int n = std::min(balls_counted(state.header), members.count);
  switch (format_traits(state.header).team_play) {
    case TeamPlay::best_balls: {
      RankedHole ranked = rank_lowest(members, hole, false);
      team.row[hole] = ranked.sum_first(n);
      if (with_gross) team.gross_row[hole] = rank_lowest(members, hole, true).sum_first(n);
      keep_ranked(team, hole, ranked, n);
      break;
    }
    case TeamPlay::best_by_par: {
      RankedHole ranked = rank_lowest(members, hole, false);
      int used = std::min(balls_for_par(tee_values::par(tee, sex, hole + 1)), members.count);
      team.row[hole] = ranked.sum_first(used);
      if (with_gross) team.gross_row[hole] = rank_lowest(members, hole, true).sum_first(used);
      keep_ranked(team, hole, ranked, used);
      break;
    }
    case TeamPlay::one_gross_one_net: {
      RankedHole net = rank_lowest(members, hole, false);
      RankedHole gross = rank_lowest(members, hole, true);
      int value = net.value_at(0) + gross.value_at(0);
      if (net.items[0].member == gross.items[0].member)
        value = std::min(net.value_at(0) + gross.value_at(1), net.value_at(1) + gross.value_at(0));
      team.row[hole] = value;
      team.gross_row[hole] = gross.sum_first(2);
      keep_ranked(team, hole, net, 2);
      break;
    }
    case TeamPlay::stableford_points: {
      // Points of the members who played the hole, highest first.
      std::array<int, max_group_size> points{};
      int played = 0;
      for (int i = 0; i < members.count; ++i) {
        int p = members.list[i].points[hole];
        if (p < 0) continue;
        int at = played++;
        for (; at > 0 && points[at - 1] < p; --at) points[at] = points[at - 1];
        points[at] = p;
      }
      int sum = 0;
      for (int i = 0; i < n && i < played; ++i) sum += points[i];
      team.row[hole] = sum;
      for (int i = 0; i < played; ++i) team.ranked[i][hole] = points[i];
      team.balls_used[hole] = std::min(n, played);
      break;
    }
    case TeamPlay::none:
    case TeamPlay::lowest_card:
    case TeamPlay::first_card: break;
  }
}

}  // namespace

int balls_counted(const TournamentHeader& header) {
  if (format_of(header) == Format::best_two_gross_net) return best_two_balls;
  int size = group_size_of(header);
  return std::clamp(header_options::best_balls(header), 1, size);
}

int TeamScore::missing_total() const {
  int sum = 0;
  for (int hole = 0; hole < hole_count; ++hole) sum += missing[hole];
  return sum;
}

int team_lead_slot(const TournamentHeader& header, const GroupBuffer& group) {
  if (team_card_in_first_slot(format_of(header))) return group.entries[0].name[0] != '\0' ? 1 : 0;
  const int group_size = group_size_of(header);
  for (int slot = 1; slot <= group_size; ++slot)
    if (group.entries[slot - 1].name[0] != '\0') return slot;
  return 0;
}

TeamScore score_team(State& state, const DivisionTees& tees, bool with_gross) {
  TeamScore team;
  const TournamentHeader& h = state.header;
  const Format format = format_of(h);
  const TeamPlay play = format_traits(format).team_play;
  const int group_size = group_size_of(h);
  const int slots = team_card_in_first_slot(format) ? 1 : group_size;

  // Vacancies before the first named member do not leave the team out.
  const int lead = team_lead_slot(h, state.group);
  if (lead == 0 || state.group.entries[lead - 1].hole_scores[0] == 0) return team;

  Members members;
  for (int slot = 1; slot <= slots; ++slot) {
    const GolferEntry& golfer = state.group.entries[slot - 1];
    if (golfer.name[0] == '\0' || golfer.hole_scores[0] == 0 || golfer.disqualified) {
      set_absent(members.add());
      continue;
    }
    const CourseRecord& tee = tees.of(golfer.division);
    if (!score_golfer_on_tee(state, slot, tee, CardMessages::shown)) return team;
    set_values(members.add(), state, tee, tees.stroke_tables(), state.group.entries[slot - 1]);
  }

  const GolferEntry& card = state.group.entries[lead - 1];
  const CourseRecord& tee = tees.of(card.division);
  const char sex = entry_gender(state, card.gender);
  team.hole_count = tee_values::hole_count(tee);
  if (play == TeamPlay::lowest_card) {
    HoleScores lowest = scramble_team_card(state.group, group_size);
    for (int hole = 0; hole < 18; ++hole) team.row[hole] = team.gross_row[hole] = lowest[hole];
  } else if (play == TeamPlay::first_card) {
    for (int hole = 0; hole < 18; ++hole) team.row[hole] = team.gross_row[hole] = card.hole_scores[hole];
  } else {
    for (int hole = 0; hole < team.hole_count; ++hole) combine_hole(state, tee, sex, members, hole, with_gross, team);
  }

  for (int hole = 0; hole < team.hole_count; ++hole) {
    team.total += team.row[hole];
    team.gross_total += team.gross_row[hole];
  }
  if (play == TeamPlay::lowest_card) team.total = card.net_score;
  team.scored = true;
  return team;
}

TieBreakRow team_tie_break_row(const State& state, const DivisionTees& tees, const TeamScore& team, int method,
                               bool gross_values) {
  const TournamentHeader& h = state.header;
  const GolferEntry& card = state.group.entries[std::max(team_lead_slot(h, state.group), 1) - 1];
  const CourseRecord& tee = tees.of(card.division);
  const char sex = entry_gender(state, card.gender);
  const bool count_back = method == tie_break_method::count_back;
  const Format format = format_of(h);
  const bool capped = format_traits(format).team_play == TeamPlay::lowest_card;
  const bool points = format_traits(format).team_play == TeamPlay::stableford_points;
  // The Ambrose team plays off its team handicap, not its first golfer's own.
  int handicap = 0;
  if (capped && count_back)
    handicap = format == Format::ambrose ? card.team_handicap
                                         : golfer_course_handicap(h, tee, card.handicap_index, sex, card.division);
  const HoleStrokes strokes = capped && count_back ? tees.stroke_tables().of(tee, sex, handicap) : HoleStrokes{};

  TieBreakRow row;
  row.hole_count = team.hole_count;
  for (int hole = 1; hole <= team.hole_count; ++hole) {
    int value = gross_values ? team.gross_row[hole - 1] : team.row[hole - 1];
    if (points && !gross_values) {
      row.values[hole - 1] = count_back ? value : 99 - value;
      continue;
    }
    if (capped) {
      value = std::min(value, 2 * tee_values::par(tee, sex, hole));
      value -= strokes[hole - 1];
    }
    row.values[hole - 1] = count_back ? 99 - value : value;
  }
  return row;
}

KeyText team_sort_key(const State& state, const DivisionTees& tees, const TeamScore& team, bool gross_values) {
  int primary = gross_values ? team.gross_total : team.total;
  const Format format = format_of(state.header);
  if (format_traits(format).team_play == TeamPlay::stableford_points && !gross_values)
    primary = most_team_points_key - team.total;
  KeyText key;
  if (team_card_in_first_slot(format)) {
    key.field(primary, 3);
    if (format == Format::ambrose && !gross_values)
      key.field(state.group.entries[0].team_handicap, 2);  // the lower team handicap wins a tie
    else key.repeat(' ', 2);
  } else {
    // Missing balls count 99 each, so an incomplete team's total can pass 999:
    // four digits (and one blank) keep incomplete teams in order among themselves.
    key.field(primary, 4);
    key.repeat(' ', 1);
  }
  int method = header_options::tie_break(state.header);
  append_tie_break_digits(key, team_tie_break_row(state, tees, team, method, gross_values), method);
  return key;
}

}  // namespace quillon
