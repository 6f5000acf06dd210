#pragma once
// The results page: the ranked results of a tournament in one of the report
// types, for all divisions or one, on the screen or on a TV.
#include <string>
#include <vector>

#include "report/results_layout.h"
#include "report/tv_display.h"

namespace quillon {

struct State;
struct Results;
class ReportWriter;
struct PageStyle;

// The header row of a layout in the colour scheme.
std::string results_header_row(const std::vector<HeaderCell>& cells, const PageStyle& style);
// The same row with empty cells, so that a second table's columns line up.
std::string blank_header_row(const std::vector<HeaderCell>& cells);

// Writes the whole page of built results. On a TV the header stands in a
// table of its own and the body scrolls when `scroll` asks for it.
void write_results_page(ReportWriter& w, State& state, const Results& results, bool tv, const ScrollSettings& scroll);

// Commands 1607, 1608, 1609, 1615 and the TV display: asks the scrolling
// question for a TV, builds the results of the current tournament and writes
// the page. False when no page was made (the user was told why, or the
// format has no such report).
bool results_report(State& state, int report_type, int division, bool tv);

}  // namespace quillon
