#include "scoring/event_results.h"

#include <algorithm>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/formats.h"
#include "scoring/division_tees.h"
#include "scoring/format_rules.h"
#include "scoring/score_golfer.h"
#include "scoring/tie_break.h"
#include "tournament/field.h"
#include "tournament/header_options.h"
#include "tournament/multi_round.h"

namespace quillon {

int EventGolfer::value_total() const {
  int sum = 0;
  for (const EventDayScore& d : days) sum += d.played ? d.value : 0;
  return sum;
}

int EventGolfer::gross_total() const {
  int sum = 0;
  for (const EventDayScore& d : days) sum += d.played ? d.gross : 0;
  return sum;
}

namespace {

constexpr int turned_around_base = 999;
constexpr int best_holes_offset = 250;

bool ranks_by_handicap_too(int code) {
  const Format f = static_cast<Format>(code);
  return f == Format::callaway || f == Format::callaway_executive || f == Format::callaway_nine ||
         f == Format::system36 || f == Format::scheid;
}

bool keys_to_par(int code) {
  const Format f = static_cast<Format>(code);
  return f == Format::best_holes_gross || f == Format::best_holes_net;
}

// What the key needs of a golfer's latest card: the card scored, its day's
// header and the tee it was scored on.
struct LatestCard {
  GolferEntry card{};
  TournamentHeader day{};
  CourseRecord tee{};
  char sex = 'M';
};

class EventBuilder {
 public:
  EventBuilder(State& state, EventResults& r)
      : state_(state), r_(r), event_(state.header), slot_(state.current_tournament) {}

  ~EventBuilder() {
    state_.header = event_;
    state_.current_tournament = slot_;
  }
  EventBuilder(const EventBuilder&) = delete;
  EventBuilder& operator=(const EventBuilder&) = delete;

  bool run() {
    const std::vector<int> days = event_days(event_);
    r_.day_count = static_cast<int>(days.size());
    for (int d = 0; d < r_.day_count; ++d) {
      if (!read_record(state_, RecordKind::tournament, days[static_cast<std::size_t>(d)])) return false;
      if (excluded_from_events(state_.header.format)) {
        message_box(state_, message_kind::error, "%s", excluded_day_message);
        return false;
      }
      if (d == 0) {
        r_.format = state_.header.format;
        r_.stableford = counts_as_stableford(r_.format);
      } else if (state_.header.format != r_.format) {
        r_.mixed_formats = true;
      }
      if (!score_day(d, d + 1 == r_.day_count)) return false;
    }
    make_rows();
    return true;
  }

 private:
  // False when a record could not be read (told).
  bool score_day(int day, bool last_day) {
    DivisionTees tees;
    if (!tees.load(state_)) return false;
    const int group_size = std::clamp(static_cast<int>(state_.header.group_size), 1, max_group_size);
    for (int g = 1; g <= state_.header.group_count; ++g) {
      if (!read_record(state_, RecordKind::group, g)) return false;
      for (int slot = 1; slot <= group_size; ++slot) {
        const GolferEntry& golfer = state_.group.entries[slot - 1];
        if (golfer.name[0] == '\0' || golfer.disqualified || golfer.hole_scores[0] == 0) continue;
        if (r_.division != 0 && golfer.division != r_.division) continue;
        const CourseRecord& tee = tees.of(golfer.division);
        if (!score_golfer_on_tee(state_, slot, tee, CardMessages::quiet)) continue;
        take_card(day, last_day, state_.group.entries[slot - 1], tee);
      }
    }
    return true;
  }

  void take_card(int day, bool last_day, const GolferEntry& scored, const CourseRecord& tee) {
    const std::string name = trimmed_right(field_text(scored.name));
    std::size_t index;
    if (day == 0) {
      index = r_.golfers.size();
      r_.golfers.emplace_back().name = name;
      cards_.emplace_back();
      flagged_.push_back(false);
    } else {
      auto it =
          std::find_if(r_.golfers.begin(), r_.golfers.end(), [&](const EventGolfer& g) { return g.name == name; });
      if (it == r_.golfers.end()) return;  // not in day 1's field
      index = static_cast<std::size_t>(it - r_.golfers.begin());
    }
    EventGolfer& golfer = r_.golfers[index];
    EventDayScore& score = golfer.days[static_cast<std::size_t>(day)];
    if (score.played) return;  // the same name twice in one day's field counts once
    score.played = true;
    score.gross = scored.gross_score;
    score.value = format_of(state_.header) == Format::gross ? scored.gross_score : scored.net_score;
    ++golfer.days_played;
    LatestCard& latest = cards_[index];
    latest.card = scored;
    latest.day = state_.header;
    latest.tee = tee;
    latest.sex = entry_gender(state_, scored.gender);
    if (last_day) flagged_[index] = (scored.entry_flags & entry_flag::manual_winner) != 0;
  }

  KeyText key_of(std::size_t index, bool gross) const {
    const EventGolfer& golfer = r_.golfers[index];
    const LatestCard& latest = cards_[index];
    KeyText key;
    // The gross list ranks a golfer who missed a day behind those who did not
    // (the net list is ordered so after sorting; its key has no room left).
    if (gross) key.repeat(static_cast<char>('0' + (r_.day_count - golfer.days_played)), 1);
    int primary = gross ? golfer.gross_total() : golfer.value_total();
    if (!gross && r_.stableford) primary = turned_around_base - primary;
    if (!gross && keys_to_par(r_.format)) primary += best_holes_offset;
    key.field(primary, 3);
    if (!gross) key.field(ranks_by_handicap_too(r_.format) ? latest.card.handicap_index / 10 : 0, 2);
    TournamentHeader method = latest.day;
    header_options::set_tie_break(method, header_options::tie_break(event_));
    append_tie_break_digits(key, method, latest.tee, state_.system, latest.card, latest.sex, gross);
    return key;
  }

  void make_rows() {
    const bool alternating = r_.report_type == report_type::gross_and_net;
    for (std::size_t i = 0; i < r_.golfers.size(); ++i) {
      ResultRow& row = r_.rows.emplace_back(cards_[i].card, 0, 0);
      row.name = r_.golfers[i].name;
      row.field_position = static_cast<int>(i);
      row.group = r_.day_count - r_.golfers[i].days_played;  // days missed
      row.key = key_of(i, false);
      if (alternating) row.gross_key = key_of(i, true);
      if (!flagged_[i]) continue;
      if (alternating) {
        if (!r_.manual_winner_ignored)
          message_box(state_, message_kind::information,
                      "The golfer (%s) has been manually selected as the tournament winner independent of his "
                      "score.\n\nThe manual selection of a tournament winner does not apply when printing "
                      "Alternating Gross and Net tournament results.",
                      row.name.c_str());
        r_.manual_winner_ignored = true;
      } else {
        row.manual_winner = r_.report_type != report_type::flights_by_score;
      }
    }
  }

  static std::string trimmed_right(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
  }

  State& state_;
  EventResults& r_;
  const TournamentHeader event_;
  const int slot_;
  std::vector<LatestCard> cards_;
  std::vector<bool> flagged_;
};

}  // namespace

EventResults build_event_results(State& state, int type, int division) {
  EventResults r;
  r.report_type = type;
  r.division = division;
  r.gross_limit = results_limit_of(state.header);
  {
    EventBuilder builder(state, r);
    if (!builder.run()) return r;
  }
  sort_by_key(r.rows);
  // A golfer who missed a day ranks behind every golfer who played more days.
  std::stable_sort(r.rows.begin(), r.rows.end(),
                   [](const ResultRow& a, const ResultRow& b) { return a.group < b.group; });
  assign_ranks(r.rows);
  r.manual_winner_applied = move_manual_winner(r.rows);
  if (type == report_type::alphabetical) sort_by_name(r.rows, r.manual_winner_applied);
  if (type == report_type::gross_and_net) r.places = alternate_gross_and_net(r.rows, r.gross_limit);
  r.produced = true;
  return r;
}

}  // namespace quillon
