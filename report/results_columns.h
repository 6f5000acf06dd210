#pragma once
// Column widths of the TV results page. Its header and body stand in two
// tables (the body scrolls), so both are laid out with the same fixed widths;
// left to the browser, each table would size its columns to its own content
// and the captions would drift away from their values.
#include <string>
#include <vector>

#include "report/results_layout.h"

namespace quillon {

// One width per column (a spanning header cell gives several): the leading
// cell 1 pixel, the rank 40, the name column 160, the rest of `table_width`
// shared evenly, the last column taking what the division leaves over.
std::vector<int> results_column_widths(const std::vector<HeaderCell>& cells, int table_width);

// The opening line of a TV table with the fixed layout, followed by its
// "<col width=..>" line.
std::vector<std::string> fixed_table_lines(const std::vector<HeaderCell>& cells, int table_width);

}  // namespace quillon
