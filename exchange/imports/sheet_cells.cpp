#include "exchange/imports/sheet_cells.h"

#include "core/text.h"

namespace quillon {

std::string one_line(std::string_view text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line += c == '\r' || c == '\n' ? ' ' : c;
  }
  return trimmed(line);
}

bool whole_number_text(std::string_view text) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string cell_refusal(const SheetTable& table, std::size_t row, int column, std::string_view value,
                         std::string_view not_a) {
  const std::string name = column >= 0 && static_cast<std::size_t>(column) < table.columns.size()
                               ? trimmed(table.columns[static_cast<std::size_t>(column)])
                               : "";
  return "row " + std::to_string(row + 2) + ", column " + column_letters(static_cast<std::uint64_t>(column)) + " (\"" +
         name + "\"): \"" + std::string(value) + "\" is not " + std::string(not_a);
}

std::string missing_column(std::string_view name) {
  return "the sheet has no column named \"" + std::string(name) + "\" in its first row, so no golfer can be read";
}

}  // namespace quillon
