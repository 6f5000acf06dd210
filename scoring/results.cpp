#include "scoring/results.h"

#include <algorithm>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "scoring/division_tees.h"
#include "scoring/rating_check.h"
#include "scoring/score_golfer.h"
#include "scoring/sort_key.h"
#include "scoring/team_division_check.h"
#include "scoring/team_scoring.h"
#include "tournament/field.h"

namespace quillon {

namespace {

// One run of the builder over the field.
class Builder {
 public:
  Builder(State& state, Results& results) : state_(state), r_(results) {}

  bool run() {
    if (!tees_.load(state_)) return false;
    if (!check_division_ratings(state_, tees_)) return false;
    if (r_.teams && r_.division != 0) {
      Result<std::vector<bool>> included = team_division_check(state_, r_.division);
      if (!included) return false;
      included_ = std::move(*included);
    }
    const int groups = state_.header.group_count;
    r_.rows.reserve(static_cast<std::size_t>(groups) * (r_.teams ? 1 : group_size()));
    for (int g = 1; g <= groups; ++g) {
      if (!read_record(state_, RecordKind::group, g)) return false;
      if (r_.teams) add_team(g);
      else add_golfers(g);
    }
    return true;
  }

 private:
  int group_size() const { return group_size_of(state_.header); }

  bool in_division(int group, const GolferEntry& golfer) const {
    if (r_.division == 0) return true;
    if (r_.teams) return group < static_cast<int>(included_.size()) && included_[group];
    return golfer.division == r_.division;
  }

  bool manual_winner_flag(const GolferEntry& golfer) {
    if ((golfer.entry_flags & entry_flag::manual_winner) == 0) return false;
    if (r_.report_type == report_type::gross_and_net) {
      message_box(state_, message_kind::information,
                  "The golfer (%s) has been manually selected as the tournament winner independent of his score.\n\n"
                  "The manual selection of a tournament winner does not apply when printing Alternating Gross and "
                  "Net tournament results.",
                  field_text(golfer.name).c_str());
      return false;
    }
    return r_.report_type != report_type::flights_by_score;
  }

  // A new row at the end of the list for golfer `slot` of the group.
  ResultRow& add_row(int group, int slot) {
    const GolferEntry& golfer = state_.group.entries[slot - 1];
    ResultRow& row = r_.rows.emplace_back(golfer, group, slot);
    row.name = field_text(golfer.name);
    row.field_position = (group - 1) * max_group_size + slot - 1;
    row.manual_winner = manual_winner_flag(golfer);
    return row;
  }

  void add_golfers(int group) {
    for (int slot = 1; slot <= group_size(); ++slot) {
      const GolferEntry& golfer = state_.group.entries[slot - 1];
      if (golfer.name[0] == '\0' || !in_division(group, golfer)) continue;
      if (golfer.disqualified) {
        r_.disqualified.push_back(field_text(golfer.name));
        continue;
      }
      const CourseRecord& tee = tees_.of(golfer.division);
      if (golfer.hole_scores[0] == 0) {
        ++r_.without_scores;
        continue;
      }
      if (!score_golfer_on_tee(state_, slot, tee, CardMessages::shown)) {
        ++r_.without_scores;
        r_.incomplete_cards.push_back(field_text(golfer.name));
        continue;
      }
      const GolferEntry& scored = state_.group.entries[slot - 1];
      const char sex = entry_gender(state_, scored.gender);
      ResultRow& row = add_row(group, slot);
      row.key = golfer_sort_key(state_.header, tee, state_.system, scored, sex, r_.report_type, &tees_.stroke_tables());
      if (r_.report_type == report_type::gross_and_net)
        row.gross_key = golfer_gross_key(state_.header, tee, state_.system, scored, sex, &tees_.stroke_tables());
    }
  }

  void add_team(int group) {
    const int lead = team_lead_slot(state_.header, state_.group);
    if (lead == 0) return;
    const GolferEntry& first = state_.group.entries[lead - 1];
    if (!in_division(group, first)) return;
    if (first.disqualified) {
      r_.disqualified.push_back(field_text(first.name));
      return;
    }
    for (int slot = lead + 1; slot <= group_size(); ++slot) {
      const GolferEntry& member = state_.group.entries[slot - 1];
      if (member.name[0] != '\0' && member.disqualified) r_.disqualified.push_back(field_text(member.name));
    }
    TeamScore team = score_team(state_, tees_, r_.report_type == report_type::gross_and_net);
    if (!team.scored) {
      ++r_.without_scores;
      return;
    }
    ResultRow& row = add_row(group, lead);
    row.key = team_sort_key(state_, tees_, team);
    if (r_.report_type == report_type::gross_and_net) row.gross_key = team_sort_key(state_, tees_, team, true);
    row.team = std::make_shared<const TeamScore>(team);
  }

  State& state_;
  Results& r_;
  DivisionTees tees_;
  std::vector<bool> included_;
};

}  // namespace

std::vector<std::string> Results::heading_notes() const {
  std::vector<std::string> notes;
  if (report_type == report_type::gross_and_net && gross_limit != most_results)
    notes.push_back(format_text(100, "<br># of gross positions limited to %d", gross_limit));
  if (manual_winner_applied) notes.push_back("<br>Winner selected by committee");
  return notes;
}

std::string Results::without_scores_text() const {
  if (without_scores == 0) return "";
  if (teams)
    return format_text(300,
                       "Scores have not yet been entered for %d team(s).  Teams for whom scores have not been "
                       "entered have been omitted from the report.",
                       without_scores);
  return format_text(300,
                     "Scores have not yet been entered for %d golfer(s).  Golfers for whom scores have not been "
                     "entered have been omitted from the report.",
                     without_scores);
}

Results build_results(State& state, int type, int division) {
  Results r;
  r.report_type = type;
  r.division = division;
  const Format format = format_of(state.header);
  if (format == Format::multi_round) {
    r.multi_round = true;
    return r;
  }
  const FormatTraits& traits = format_traits(format);
  if (type == report_type::gross_and_net && !traits.alternating_list) return r;
  if (traits.team && !is_scored_team_format(format)) return r;
  r.teams = traits.team;
  r.gross_limit = results_limit_of(state.header);

  {
    Builder builder(state, r);
    if (!builder.run()) return r;
  }

  sort_by_key(r.rows);
  assign_ranks(r.rows);
  r.manual_winner_applied = move_manual_winner(r.rows);
  if (type == report_type::alphabetical) sort_by_name(r.rows, r.manual_winner_applied);
  if (type == report_type::gross_and_net) r.places = alternate_gross_and_net(r.rows, r.gross_limit);
  std::sort(r.disqualified.begin(), r.disqualified.end());
  if (r.without_scores > 0) show_message_text(state, message_kind::information, r.without_scores_text());
  r.produced = true;
  return r;
}

}  // namespace quillon
