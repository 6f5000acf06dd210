#include "report/results_columns.h"

#include "core/text.h"

namespace quillon {

namespace {
constexpr int lead_width = 1;
constexpr int rank_width = 40;
constexpr int name_width = 160;
}  // namespace

std::vector<int> results_column_widths(const std::vector<HeaderCell>& cells, int table_width) {
  int shared_columns = 0;
  for (std::size_t i = 3; i < cells.size(); ++i) shared_columns += cells[i].span;
  std::vector<int> widths = {lead_width, rank_width, name_width};
  widths.resize(cells.size() < 3 ? cells.size() : 3);
  if (shared_columns == 0) return widths;
  const int left = table_width - lead_width - rank_width - name_width;
  const int each = left / shared_columns;
  for (int c = 0; c < shared_columns; ++c) widths.push_back(each);
  widths.back() += left - each * shared_columns;
  return widths;
}

std::vector<std::string> fixed_table_lines(const std::vector<HeaderCell>& cells, int table_width) {
  std::string columns;
  for (int width : results_column_widths(cells, table_width)) columns += "<col width=" + std::to_string(width) + ">";
  return {format_text(120, "<TABLE cellSpacing=0 cellPadding=0 width=%d border=0 style=\"table-layout:fixed\">",
                      table_width),
          columns};
}

}  // namespace quillon
