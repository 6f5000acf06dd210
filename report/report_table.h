#pragma once
// The table conventions the reports share: the opening line with its width,
// the coloured header row with white captions, the empty separator row and
// the data rows with centred numbers and left-aligned names.
#include <string>
#include <vector>

#include "report/page_frame.h"

namespace quillon {

class ReportWriter;

void open_table(ReportWriter& w, int width);
void close_table(ReportWriter& w);
// "<tr><td>&nbsp;</td></tr>"
void write_empty_row(ReportWriter& w);

// A header cell; an empty caption shows "&nbsp;". Captions are fixed texts
// (they may hold "<br>") and are not escaped.
std::string header_cell(const std::string& caption, bool left = false);
// The header row: centred (or left-aligned) on the scheme's colour.
void write_header_row(ReportWriter& w, const PageStyle& style, const std::vector<std::string>& cells,
                      bool centred = true);

// Data cells: numbers centred, names (escaped) left-aligned; an empty text
// gives the empty cell "<td>&nbsp;</td>".
std::string number_cell(const std::string& text);
std::string name_cell(const std::string& text);
inline std::string empty_cell() { return "<td>&nbsp;</td>"; }
// "<tr align=middle>" + cells + "</tr>"
void write_data_row(ReportWriter& w, const std::vector<std::string>& cells);

}  // namespace quillon
