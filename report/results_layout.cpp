#include "report/results_layout.h"

#include "core/text.h"
#include "scoring/format_rules.h"
#include "scoring/results.h"
#include "scoring/team_scoring.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

// Team formats listed with a row per member and a team row of hole values.
bool is_best_ball_team(Format format) {
  switch (format_traits(format).team_play) {
    case TeamPlay::best_balls:
    case TeamPlay::best_by_par:
    case TeamPlay::one_gross_one_net:
    case TeamPlay::first_card: return true;
    case TeamPlay::none:
    case TeamPlay::lowest_card:
    case TeamPlay::stableford_points: break;
  }
  return false;
}

constexpr int gross_table_width = 441;
constexpr int table_width = 590;

void add_nine_holes(std::vector<HeaderCell>& cells, int first) {
  for (int hole = first; hole < first + 9; ++hole) cells.push_back({std::to_string(hole)});
}

std::vector<HeaderCell> with_lead(std::initializer_list<const char*> captions) {
  std::vector<HeaderCell> cells = {{""}};
  for (const char* c : captions) cells.push_back({c});
  return cells;
}

}  // namespace

ResultsLayout choose_results_layout(Format format, int report_type) {
  if (report_type == report_type::gross_and_net) return ResultsLayout::alternating;
  if (report_type == report_type::hole_by_hole || report_type == report_type::hole_by_hole_points)
    return ResultsLayout::hole_by_hole;
  const FormatTraits& traits = format_traits(format);
  if (traits.team_play == TeamPlay::stableford_points) return ResultsLayout::team_points;
  if (format == Format::ambrose) return ResultsLayout::ambrose;
  if (format == Format::gross) return ResultsLayout::gross_only;
  if (format == Format::system36) return ResultsLayout::system36;
  if (traits.tie_break == TieBreakGroup::callaway) return ResultsLayout::callaway;
  if (is_individual_stableford(format)) return ResultsLayout::stableford;
  if (format == Format::net || format == Format::net_with_callaway_division) return ResultsLayout::net_allowance;
  if (traits.scoring == Scoring::peoria) return ResultsLayout::peoria;
  if (traits.scoring == Scoring::best_holes) return ResultsLayout::best_holes;
  return is_best_ball_team(format) ? ResultsLayout::team_best_ball : ResultsLayout::individual;
}

bool one_row_per_result(ResultsLayout layout, Format format, int report_type) {
  if (layout == ResultsLayout::team_best_ball) return false;
  if (layout == ResultsLayout::hole_by_hole)
    return !(is_best_ball_team(format) || format_traits(format).team_play == TeamPlay::stableford_points ||
             (report_type == report_type::hole_by_hole_points && is_individual_stableford(format)));
  return true;
}

std::vector<HeaderCell> results_header_cells(ResultsLayout layout, const TournamentHeader& header, int report_type) {
  const Format format = format_of(header);
  switch (layout) {
    case ResultsLayout::alternating:
    case ResultsLayout::ambrose: return with_lead({"Rank", "Golfer", "Gross", "Handicap", "Net"});
    case ResultsLayout::hole_by_hole: {
      std::vector<HeaderCell> cells = with_lead({"Rank", "Golfer(s)"});
      cells.push_back({"<--- Front 9 --->", 9});
      cells.push_back({"Out"});
      cells.push_back({"<--- Back 9 --->", 9});
      cells.push_back({"In"});
      cells.push_back({"Tot"});
      if (is_individual_stableford(format))
        cells.push_back({report_type == report_type::hole_by_hole_points ? "" : "Pts"});
      else if (format != Format::gross) cells.push_back({"Net"});
      return cells;
    }
    case ResultsLayout::team_points: return with_lead({"Rank", "Golfers", "Front 9 Points", "Back 9 Points", "Total"});
    case ResultsLayout::gross_only: return with_lead({"Rank", "Golfer", "Score"});
    case ResultsLayout::system36: return with_lead({"Rank", "Golfer", "Gross", "Adj", "Handicap", "Net"});
    case ResultsLayout::callaway: {
      std::string worst =
          format == Format::callaway_nine ? format_text(100, "Worst Adj Scores Excluding %d", header.peoria_holes[0])
          : format == Format::scheid
              ? format_text(100, "Excluding %d & %d", header.peoria_holes[0], header.peoria_holes[1])
              : format_text(100, "Worst Adj Scores Excluding %d & %d", header.peoria_holes[0], header.peoria_holes[1]);
      std::vector<HeaderCell> cells = with_lead({"Rank", "Golfer", "Gross", "Adj", "Deduct"});
      cells.push_back({worst});
      for (const char* c : {"Adj", "Hcap", "Net"}) cells.push_back({c});
      return cells;
    }
    case ResultsLayout::stableford:
      return with_lead(
          {"Rank", "Golfer", "Score", "Handicap Index", "Course Hcap", "Hcap Allow", "Net Hcap", "Points"});
    case ResultsLayout::net_allowance:
      return with_lead({"Rank", "Golfer", "Score", "Handicap Index", "Course Hcap", "Hcap Allow", "Net Hcap", "Net"});
    case ResultsLayout::peoria: return with_lead({"Rank", "Golfer", "Score", "Handicap", "Net"});
    case ResultsLayout::best_holes: return with_lead({"Rank", "Golfer", "Score", "Course Handicap", "Diff"});
    case ResultsLayout::individual:
      return with_lead({"Rank", "Golfer", "Score", "Handicap Index", "Course Handicap", "Net"});
    case ResultsLayout::team_best_ball: {
      std::vector<HeaderCell> cells = with_lead({"Rank", "Golfer(s)"});
      add_nine_holes(cells, 1);
      cells.push_back({"Out"});
      add_nine_holes(cells, 10);
      cells.push_back({"In"});
      cells.push_back({"Tot"});
      return cells;
    }
  }
  return {};
}

int results_table_width(Format format) { return format == Format::gross ? gross_table_width : table_width; }

const char* results_title(int report_type) {
  switch (report_type) {
    case report_type::gross_and_net: return "Alternating Gross & Net Results - ";
    case report_type::alphabetical: return "Alphabetical Results - ";
    case report_type::hole_by_hole:
    case report_type::hole_by_hole_points: return "Hole by Hole Results - ";
  }
  return "Traditional Results - ";
}

std::string format_description(const TournamentHeader& h, int division) {
  const Format format = format_of(h);
  const auto* p = h.peoria_holes;
  const auto* q = h.peoria_holes2;
  switch (format) {
    case Format::peoria_modified:
    case Format::peoria_single:
      return format_text(200, "%s (%d,%d,%d,%d,%d,%d)", format_name(format), p[0], p[1], p[2], p[3], p[4], p[5]);
    case Format::peoria_double:
      return format_text(200, "%s (%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d)", format_name(format), p[0], p[1], p[2], p[3],
                         p[4], p[5], q[0], q[1], q[2], q[3], q[4], q[5]);
    case Format::best_balls_gross: return format_text(100, "Best %d Balls (Gross)", balls_counted(h));
    case Format::best_balls_net: return format_text(100, "Best %d Balls (Net)", balls_counted(h));
    case Format::best_balls_callaway: return format_text(100, "Best %d Balls (Callaway)", balls_counted(h));
    case Format::best_balls_stableford: return format_text(100, "Stableford Team - Best %d Balls", balls_counted(h));
    case Format::net_with_callaway_division:
      if (division == 0) return format_text(100, "%d Net Score Division(s), 1 Callaway Division", h.division_count - 1);
      return division == h.callaway_division ? "Callaway Handicaps" : "Net Scores";
    default: break;
  }
  return format_name(format);
}

std::string results_heading_line(const TournamentHeader& header, const Results& results, bool colour) {
  std::string line = std::string("<h2><font color=") + (colour ? "#006545" : "#000000") + ">" +
                     results_title(results.report_type) + format_description(header, results.division);
  for (const std::string& note : results.heading_notes()) line += note;
  return line + "</font></h2>";
}

}  // namespace quillon
