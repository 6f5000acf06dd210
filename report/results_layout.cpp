#include "report/results_layout.h"

#include "core/text.h"
#include "scoring/format_rules.h"
#include "scoring/results.h"
#include "scoring/team_scoring.h"
#include "tournament/formats.h"

namespace quillon {

namespace {

bool is_best_ball_team(int format) {
  switch (format) {
    case 6: case 9: case 10: case 13: case 22: case 27: case 30: return true;
  }
  return false;
}

void add_nine_holes(std::vector<HeaderCell>& cells, int first) {
  for (int hole = first; hole < first + 9; ++hole) cells.push_back({std::to_string(hole)});
}

std::vector<HeaderCell> with_lead(std::initializer_list<const char*> captions) {
  std::vector<HeaderCell> cells = {{""}};
  for (const char* c : captions) cells.push_back({c});
  return cells;
}

}  // namespace

bool is_stableford_format(int format) { return format == 3 || format == 4 || format == 20; }

ResultsLayout choose_results_layout(int format, int report_type) {
  if (report_type == report_type::gross_and_net) return ResultsLayout::alternating;
  if (report_type == report_type::hole_by_hole || report_type == report_type::hole_by_hole_points)
    return ResultsLayout::hole_by_hole;
  switch (format) {
    case 26: return ResultsLayout::team_points;
    case 19: return ResultsLayout::ambrose;
    case 1: return ResultsLayout::gross_only;
    case 21: return ResultsLayout::system36;
    case 0: case 16: case 17: case 18: case 25: return ResultsLayout::callaway;
    case 3: case 4: case 20: return ResultsLayout::stableford;
    case 2: case 8: return ResultsLayout::net_allowance;
    case 7: case 28: case 29: return ResultsLayout::peoria;
    case 23: case 24: return ResultsLayout::best_holes;
  }
  return is_best_ball_team(format) ? ResultsLayout::team_best_ball : ResultsLayout::individual;
}

bool one_row_per_result(ResultsLayout layout, int format, int report_type) {
  if (layout == ResultsLayout::team_best_ball) return false;
  if (layout == ResultsLayout::hole_by_hole)
    return !(is_best_ball_team(format) || format == 26 ||
             (report_type == report_type::hole_by_hole_points && is_stableford_format(format)));
  return true;
}

std::vector<HeaderCell> results_header_cells(ResultsLayout layout, const TournamentHeader& header, int report_type) {
  const int format = header.format;
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
      if (is_stableford_format(format))
        cells.push_back({report_type == report_type::hole_by_hole_points ? "" : "Pts"});
      else if (format != 1)
        cells.push_back({"Net"});
      return cells;
    }
    case ResultsLayout::team_points:
      return with_lead({"Rank", "Golfers", "Front 9 Points", "Back 9 Points", "Total"});
    case ResultsLayout::gross_only: return with_lead({"Rank", "Golfer", "Score"});
    case ResultsLayout::system36: return with_lead({"Rank", "Golfer", "Gross", "Adj", "Handicap", "Net"});
    case ResultsLayout::callaway: {
      std::string worst = format == 18 ? format_text(100, "Worst Adj Scores Excluding %d", header.peoria_holes[0])
                          : format == 25
                              ? format_text(100, "Excluding %d & %d", header.peoria_holes[0], header.peoria_holes[1])
                              : format_text(100, "Worst Adj Scores Excluding %d & %d", header.peoria_holes[0],
                                            header.peoria_holes[1]);
      std::vector<HeaderCell> cells = with_lead({"Rank", "Golfer", "Gross", "Adj", "Deduct"});
      cells.push_back({worst});
      for (const char* c : {"Adj", "Hcap", "Net"}) cells.push_back({c});
      return cells;
    }
    case ResultsLayout::stableford:
      return with_lead({"Rank", "Golfer", "Score", "Handicap Index", "Course Hcap", "Hcap Allow", "Net Hcap", "Points"});
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

int results_table_width(int format) { return format == 1 ? 441 : 590; }

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
  const int format = h.format;
  const auto* p = h.peoria_holes;
  const auto* q = h.peoria_holes2;
  switch (format) {
    case 7: case 28:
      return format_text(200, "%s (%d,%d,%d,%d,%d,%d)", format_name(format), p[0], p[1], p[2], p[3], p[4], p[5]);
    case 29:
      return format_text(200, "%s (%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d)", format_name(format), p[0], p[1], p[2], p[3],
                         p[4], p[5], q[0], q[1], q[2], q[3], q[4], q[5]);
    case 9: return format_text(100, "Best %d Balls (Gross)", balls_counted(h));
    case 10: return format_text(100, "Best %d Balls (Net)", balls_counted(h));
    case 30: return format_text(100, "Best %d Balls (Callaway)", balls_counted(h));
    case 26: return format_text(100, "Stableford Team - Best %d Balls", balls_counted(h));
    case 8:
      if (division == 0) return format_text(100, "%d Net Score Division(s), 1 Callaway Division", h.division_count - 1);
      return division == h.callaway_division ? "Callaway Handicaps" : "Net Scores";
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
