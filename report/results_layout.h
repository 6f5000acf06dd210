#pragma once
// Which table a results page uses (by report type and format), its header
// cells and its width, and the title line above it.
#include <string>
#include <utility>
#include <vector>

#include "core/records/tournament_header.h"

namespace quillon {

struct Results;

enum class ResultsLayout {
  alternating,     // report type 1
  hole_by_hole,    // report types 3 and 5
  team_points,     // format 26
  ambrose,         // format 19
  gross_only,      // format 1
  system36,        // format 21
  callaway,        // formats 0, 16, 17, 18, 25
  stableford,      // formats 3, 4, 20
  net_allowance,   // formats 2 and 8
  peoria,          // formats 7, 28, 29
  best_holes,      // formats 23, 24
  individual,      // the other individual formats
  team_best_ball,  // the other team formats: a row per member and a team row
};

ResultsLayout choose_results_layout(int format, int report_type);

// Whether each golfer (or team) takes a single row, so that a spacer row
// follows every fifth one.
bool one_row_per_result(ResultsLayout layout, int format, int report_type);

bool is_stableford_format(int format);  // 3, 4, 20

struct HeaderCell {
  HeaderCell(std::string caption_text, int columns = 1) : caption(std::move(caption_text)), span(columns) {}
  std::string caption;  // a fixed text ("" for the empty leading cell)
  int span = 1;         // columns covered
};

// The header cells left to right, the empty 1-pixel cell first.
std::vector<HeaderCell> results_header_cells(ResultsLayout layout, const TournamentHeader& header, int report_type);

// 441 pixels for "Gross Scores", else 590.
int results_table_width(int format);

// "Traditional Results - " and the other titles of the report types.
const char* results_title(int report_type);
// The format part of the heading for the division shown (0 = all).
std::string format_description(const TournamentHeader& header, int division);
// The whole heading line in the colour scheme: "<h2><font color=...>", the
// title, the format, the notes of the results, "</font></h2>".
std::string results_heading_line(const TournamentHeader& header, const Results& results, bool colour);

}  // namespace quillon
