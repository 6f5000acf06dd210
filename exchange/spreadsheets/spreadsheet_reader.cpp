#include "exchange/spreadsheets/spreadsheet_reader.h"

#include <cstdio>
#include <cstdlib>

#include "core/text.h"

namespace quillon {

int SheetTable::column(std::string_view name) const {
  for (std::size_t c = 0; c < columns.size(); ++c)
    if (equal_ignoring_case(trimmed(columns[c]), name)) return static_cast<int>(c);
  return -1;
}

const std::string& SheetTable::cell(std::size_t row, int column) const {
  static const std::string empty;
  if (column < 0 || row >= rows.size()) return empty;
  const auto& cells = rows[row];
  return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : empty;
}

SpreadsheetKind spreadsheet_kind_of(const std::filesystem::path& path) {
  std::string ext = to_lower(path.extension().string());
  if (ext == ".xlsx") return SpreadsheetKind::xlsx;
  if (ext == ".ods") return SpreadsheetKind::ods;
  if (ext == ".xls") return SpreadsheetKind::xls;
  if (ext == ".csv") return SpreadsheetKind::csv;
  return SpreadsheetKind::unknown;
}

std::unique_ptr<SpreadsheetReader> make_spreadsheet_reader(SpreadsheetKind kind) {
  switch (kind) {
    case SpreadsheetKind::xlsx:
    case SpreadsheetKind::ods: return make_orcus_reader(kind);
    case SpreadsheetKind::xls: return make_xls_reader();
    case SpreadsheetKind::csv: return make_csv_reader();
    case SpreadsheetKind::unknown: break;
  }
  return nullptr;
}

Status read_spreadsheet(const std::filesystem::path& path, SheetTable& table) {
  auto reader = make_spreadsheet_reader(spreadsheet_kind_of(path));
  if (!reader) return Status::failed("not a spreadsheet file: " + path.filename().string());
  return reader->read_first_sheet(path, table);
}

std::string number_text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

void table_from_rows(std::vector<std::vector<std::string>> rows, SheetTable& table) {
  table = SheetTable{};
  auto blank = [](const std::vector<std::string>& row) {
    for (const auto& cell : row)
      if (!cell.empty()) return false;
    return true;
  };
  while (!rows.empty() && blank(rows.back())) rows.pop_back();
  if (rows.empty()) return;
  table.columns = std::move(rows.front());
  table.rows.assign(std::make_move_iterator(rows.begin() + 1), std::make_move_iterator(rows.end()));
}

}  // namespace quillon
