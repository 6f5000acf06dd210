#include "exchange/spreadsheets/spreadsheet_reader.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

#include "core/text.h"
#include "exchange/spreadsheets/isolated_read.h"

namespace quillon {

namespace {

constexpr std::uint64_t largest_row = 1048576;
constexpr std::uint64_t largest_column = 16384;

}  // namespace

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

void CellGrid::put(std::uint64_t row, std::uint64_t column, std::string_view text) {
  if (text.empty()) return;
  if (row >= max_sheet_rows)
    throw SheetRefused("the worksheet has a value in row " + std::to_string(row + 1) + ", beyond the " +
                       std::to_string(max_sheet_rows) + " rows a sheet may hold");
  if (column >= max_sheet_columns)
    throw SheetRefused("the worksheet has a value in column " + column_letters(column) + ", beyond the " +
                       std::to_string(max_sheet_columns) + " columns a sheet may hold");
  text = text.substr(0, max_cell_bytes);
  text_bytes_ += text.size();
  if (text_bytes_ > max_sheet_text_bytes)
    throw SheetRefused("the worksheet holds more than " + std::to_string(max_sheet_text_bytes >> 20) + " MB of text");
  auto r = static_cast<std::size_t>(row);
  auto c = static_cast<std::size_t>(column);
  if (rows_.size() <= r) rows_.resize(r + 1);
  if (rows_[r].size() <= c) rows_[r].resize(c + 1);
  rows_[r][c] = std::string(text);
}

std::string column_letters(std::uint64_t column) {
  std::string letters;
  for (std::uint64_t n = column + 1; n > 0; n = (n - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  return letters;
}

bool parse_cell_address(std::string_view address, std::uint64_t& row, std::uint64_t& column) {
  std::size_t i = 0;
  if (i < address.size() && address[i] == '$') ++i;
  std::uint64_t col = 0;
  std::size_t letters = 0;
  for (; i < address.size() && std::isalpha(static_cast<unsigned char>(address[i])); ++i, ++letters) {
    col = col * 26 + static_cast<std::uint64_t>(std::toupper(static_cast<unsigned char>(address[i])) - 'A' + 1);
    if (col > largest_column) return false;
  }
  if (i < address.size() && address[i] == '$') ++i;
  std::uint64_t r = 0;
  std::size_t digits = 0;
  for (; i < address.size(); ++i, ++digits) {
    if (!std::isdigit(static_cast<unsigned char>(address[i]))) return false;
    r = r * 10 + static_cast<std::uint64_t>(address[i] - '0');
    if (r > largest_row) return false;
  }
  if (letters == 0 || digits == 0 || r == 0) return false;
  row = r - 1;
  column = col - 1;
  return true;
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
    case SpreadsheetKind::xlsx: return make_xlsx_reader();
    case SpreadsheetKind::ods: return make_ods_reader();
    case SpreadsheetKind::xls: return make_xls_reader();
    case SpreadsheetKind::csv: return make_csv_reader();
    case SpreadsheetKind::unknown: break;
  }
  return nullptr;
}

Result<SheetTable> read_spreadsheet(const std::filesystem::path& path) {
  auto reader = make_spreadsheet_reader(spreadsheet_kind_of(path));
  if (!reader) return Status::failed("not a spreadsheet file: " + path.filename().string());
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec) return Status::failed("the file cannot be read: " + ec.message());
  if (size > max_workbook_file_bytes)
    return Status::failed("the file is larger than the " + std::to_string(max_workbook_file_bytes >> 20) +
                          " MB a spreadsheet of golfers may be");
  return read_in_child([&] { return reader->read_first_sheet(path); });
}

std::string number_text(double value) {
  char text[32];
  auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
  return std::string(text, end);
}

SheetTable table_from_rows(std::vector<std::vector<std::string>> rows) {
  SheetTable table;
  auto blank = [](const std::vector<std::string>& row) {
    for (const auto& cell : row)
      if (!cell.empty()) return false;
    return true;
  };
  while (!rows.empty() && blank(rows.back())) rows.pop_back();
  if (rows.empty()) return table;
  table.columns = std::move(rows.front());
  table.rows.assign(std::make_move_iterator(rows.begin() + 1), std::make_move_iterator(rows.end()));
  return table;
}

}  // namespace quillon
