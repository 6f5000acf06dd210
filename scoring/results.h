#pragma once
// The results builder: walks the field of the current tournament, scores every
// golfer or team, keys, sorts and ranks them, and gathers what a results page
// prints around the table.
#include <string>
#include <vector>

#include "scoring/format_rules.h"
#include "scoring/ranking.h"
#include "scoring/result_row.h"

namespace quillon {

struct State;

struct Results {
  bool produced = false;  // false: nothing to report (refused, or no results for this format/type)
  bool multi_round = false;  // format 99: the multi-round results take over
  bool teams = false;  // rows are teams
  int report_type = 0;
  int division = 0;  // 0 = all divisions
  std::vector<ResultRow> rows;  // ranked (by name for the alphabetical report)
  std::vector<AlternatingPlace> places;  // alternating gross and net report only
  int gross_limit = 400;  // gross places of the alternating report
  bool manual_winner_applied = false;
  int without_scores = 0;  // golfers (or teams) left out for want of scores
  std::vector<std::string> disqualified;  // names, sorted
  // Golfers with scores whose card could not be scored (a hole missing or
  // above the highest score), in field order; they are among without_scores.
  std::vector<std::string> incomplete_cards;

  // The additions to the heading: "<br># of gross positions limited to %d",
  // "<br>Winner selected by committee".
  std::vector<std::string> heading_notes() const;
  // "Scores have not yet been entered for ..." or "" when every card is in.
  std::string without_scores_text() const;
};

// Builds the results of the current tournament (its header read) for a report
// type (report_type::...) and a division (0 = all). Shows the rating check,
// missing-hole, manual-winner and without-scores messages as it goes.
Results build_results(State& state, int report_type, int division);

// The ranked field handed to the flight assignment by scores: the rows of
// report type 4, rank numbers from 1, the manual winner flag ignored.
inline Results ranked_field_for_flights(State& state, int division) {
  return build_results(state, report_type::flights_by_score, division);
}

}  // namespace quillon
