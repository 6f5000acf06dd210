#include "shell/field_hints.h"

namespace quillon::shell {

const std::vector<FieldHint>& field_hints() {
  static const std::vector<FieldHint> hints = {
      {"main_window", "988", Help::contents, "Golfers: enter or change the field of a tournament."},
      {"main_window", "987", Help::contents, "Scores: enter hole-by-hole scores, group by group."},
      {"main_window", "983", Help::contents, "Reports: results, field lists, score cards and cart signs."},
      {"main_window", "927", Help::contents, "Help: these help pages (F1 in any window)."},
      {"main_window", "974", Help::contents, "Backup: save the whole database in one backup file."},
      {"main_window", "921", Help::contents, "Tee Sheets: exchange a tournament's tee sheet with a spreadsheet."},
      {"main_window", "922", Help::contents, "Cuplink: publish results on the Cuplink Network."},
      {"main_window", "920", Help::contents, "Score Export: write a tournament's scores to a spreadsheet."},

      {"tournament_detail", "format", Help::tournaments, "Format: how golfers are scored."},
      {"tournament_detail", "tie_break", Help::tournaments,
       "Tie Break: count back from 18, last 9-6-3-1, Australian count back, or none."},
      {"tournament_detail", "division_count", Help::tournaments,
       "# of Divisions: up to ten, each with its own course/tee, handicap allowance and handicap limit."},
      {"tournament_detail", "division_tee", Help::tournaments, "Division: the course and tee the division plays."},
      {"tournament_detail", "division_allowance", Help::tournaments,
       "HC Allow: the percentage of the course handicap the division receives."},
      {"tournament_detail", "division_handicap_limit", Help::tournaments,
       "HC Limit: the highest handicap index of the division; golfers are placed in the first division whose "
       "limit they do not exceed."},
      {"tournament_detail", "auto_assign", Help::tournaments,
       "Auto assign of divisions: each golfer's division follows from the handicap index."},
      {"tournament_detail", "results_limit", Help::tournaments,
       "Gross and Net Limit: in the Gross & Net Results, places alternate between gross and net; this is the "
       "number of gross places (400 = no limit), after which every place is net."},
      {"tournament_detail", "start_type", Help::tournaments,
       "Start: Normal from the first tee, CrossOver from tees 1 and 10, or a shotgun start."},
      {"tournament_detail", "tee_interval", Help::tournaments, "Interval: the minutes between tee times."},
      {"tournament_detail", "group_size", Help::tournaments, "Golfers per Group: one to five."},

      {"score_entry", "score", Help::scores,
       "Type each hole's score; the cursor moves on to the next hole, and typing replaces the score shown."},
      {"score_entry", "handicap_index", Help::scores, "HC Index: the golfer's handicap index for this round."},
      {"score_entry", "skins", Help::scores, "Skins: the golfer takes part in the skins."},
      {"score_entry", "dq", Help::scores, "DQ: the golfer is disqualified and left out of the results."},
      {"score_entry", "search", Help::scores, "Search: find a golfer by name and show that golfer's group."},
      {"team_score_entry", "score", Help::scores,
       "Type each hole's score; the cursor moves on to the next hole, and typing replaces the score shown."},
  };
  return hints;
}

std::string field_hint(const std::string& dialog, const std::string& field) {
  const std::string base = field.substr(0, field.find('.'));
  for (const FieldHint& h : field_hints())
    if (dialog == h.dialog && base == h.field) return h.text;
  return {};
}

}  // namespace quillon::shell
