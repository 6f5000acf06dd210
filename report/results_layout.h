#pragma once
// Which table a results page uses (by report type and format), its header
// cells and its width, and the title line above it.
#include <string>
#include <utility>
#include <vector>

#include "core/records/tournament_header.h"
#include "handicap/formats.h"

namespace quillon {

struct Results;

enum class ResultsLayout {
  alternating,  // report type 1
  hole_by_hole,  // report types 3 and 5
  team_points,  // the Stableford best-ball team
  ambrose,  // Ambrose
  gross_only,  // "Gross Scores"
  system36,  // "System 36"
  callaway,  // the Callaway group of tie-breaks, Scheid among them
  stableford,  // the individual Stableford formats
  net_allowance,  // "Net Scores" and "Net Scores with 1 Callaway Division"
  peoria,  // the Peoria formats
  best_holes,  // "Best Holes - Gross" and "- Net"
  individual,  // the other individual formats
  team_best_ball,  // the other team formats: a row per member and a team row
};

ResultsLayout choose_results_layout(Format format, int report_type);

// Whether each golfer (or team) takes a single row, so that a spacer row
// follows every fifth one.
bool one_row_per_result(ResultsLayout layout, Format format, int report_type);

struct HeaderCell {
  HeaderCell(std::string caption_text, int columns = 1) : caption(std::move(caption_text)), span(columns) {}
  std::string caption;  // a fixed text ("" for the empty leading cell)
  int span = 1;  // columns covered
};

// The header cells left to right, the empty 1-pixel cell first.
std::vector<HeaderCell> results_header_cells(ResultsLayout layout, const TournamentHeader& header, int report_type);

// 441 pixels for "Gross Scores", else 590.
int results_table_width(Format format);

// "Traditional Results - " and the other titles of the report types.
const char* results_title(int report_type);
// The format part of the heading for the division shown (0 = all).
std::string format_description(const TournamentHeader& header, int division);
// The whole heading line in the colour scheme: "<h2><font color=...>", the
// title, the format, the notes of the results, "</font></h2>".
std::string results_heading_line(const TournamentHeader& header, const Results& results, bool colour);

}  // namespace quillon
