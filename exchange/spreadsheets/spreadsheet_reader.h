#pragma once
// Reading the first worksheet of a workbook as a table: the first row holds
// the column names, every further row is one record. Cell texts are UTF-8 as
// the workbook stores them; numbers are given in their shortest decimal form.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace quillon {

struct SheetTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  // The position of a column, its name compared without regard to case; -1 when missing.
  int column(std::string_view name) const;
  // The text of a cell; empty for a missing column or a short row.
  const std::string& cell(std::size_t row, int column) const;
};

// What a worksheet may claim. A field holds 800 golfers of 8 columns; a
// club's member list may be longer and carry more columns, so the bounds are
// wider than a field but small enough that no sheet can exhaust the memory.
// A reader refuses a sheet with a value beyond them before it allocates it.
inline constexpr std::size_t max_sheet_rows = 5000;  // the row of column names included
inline constexpr std::size_t max_sheet_columns = 64;
inline constexpr std::size_t max_cell_bytes = 1000;  // a longer cell is cut here
inline constexpr std::size_t max_sheet_text_bytes = 8u << 20;
inline constexpr std::uintmax_t max_workbook_file_bytes = 32u << 20;
inline constexpr std::size_t max_workbook_part_bytes = 32u << 20;  // one unpacked part of a zip workbook

// A sheet that claims more than the bounds above, or a file that is not what
// it says; what() says why in the user's words.
class SheetRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The non-empty cells of a worksheet, kept within the bounds above.
class CellGrid {
 public:
  // Keeps a cell (row and column counted from 0); an empty text is no cell.
  // Throws SheetRefused for a cell beyond the bounds.
  void put(std::uint64_t row, std::uint64_t column, std::string_view text);
  std::vector<std::vector<std::string>> take_rows() { return std::move(rows_); }

 private:
  std::vector<std::vector<std::string>> rows_;
  std::size_t text_bytes_ = 0;
};

// "A" for column 0, "AB" for column 27.
std::string column_letters(std::uint64_t column);

// Reads a cell address such as "B12" or "$C$3" (row and column counted from
// 0). False for anything else, and for an address beyond the largest
// worksheet (column XFD, row 1048576).
bool parse_cell_address(std::string_view address, std::uint64_t& row, std::uint64_t& column);

class SpreadsheetReader {
 public:
  virtual ~SpreadsheetReader() = default;
  // Reads the first worksheet. A failure carries the reader's reason.
  virtual Result<SheetTable> read_first_sheet(const std::filesystem::path& path) = 0;
};

enum class SpreadsheetKind { xlsx, ods, xls, csv, unknown };

// The kind a file name's extension names (letter case ignored).
SpreadsheetKind spreadsheet_kind_of(const std::filesystem::path& path);

// The reader for a kind; nothing for an unknown kind.
std::unique_ptr<SpreadsheetReader> make_spreadsheet_reader(SpreadsheetKind kind);

std::unique_ptr<SpreadsheetReader> make_xlsx_reader();
std::unique_ptr<SpreadsheetReader> make_ods_reader();
std::unique_ptr<SpreadsheetReader> make_xls_reader();
std::unique_ptr<SpreadsheetReader> make_csv_reader();

// Reads the first worksheet of the file with the reader its extension names,
// in a child process (see isolated_read.h), so that a fault of a parser can
// never reach the program's own memory or its database.
[[nodiscard]] Result<SheetTable> read_spreadsheet(const std::filesystem::path& path);

// A number as a cell shows it: "12.3", "62", "-2".
std::string number_text(double value);

// Turns rows of cells into a table: the first row names the columns, trailing
// rows with no text at all are dropped.
SheetTable table_from_rows(std::vector<std::vector<std::string>> rows);

}  // namespace quillon
