#pragma once
// Reading the first worksheet of a workbook as a table: the first row holds
// the column names, every further row is one record. Cell texts are UTF-8 as
// the workbook stores them; numbers are given in their shortest decimal form.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace quillon {

struct SheetTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  // The position of a column, its name compared without regard to case; -1 when missing.
  int column(std::string_view name) const;
  // The text of a cell; empty for a missing column or a short row.
  const std::string& cell(std::size_t row, int column) const;
};

class SpreadsheetReader {
 public:
  virtual ~SpreadsheetReader() = default;
  // Reads the first worksheet. A failure carries the library's reason.
  virtual Status read_first_sheet(const std::filesystem::path& path, SheetTable& table) = 0;
};

enum class SpreadsheetKind { xlsx, ods, xls, csv, unknown };

// The kind a file name's extension names (letter case ignored).
SpreadsheetKind spreadsheet_kind_of(const std::filesystem::path& path);

// The reader for a kind; nothing for an unknown kind.
std::unique_ptr<SpreadsheetReader> make_spreadsheet_reader(SpreadsheetKind kind);

std::unique_ptr<SpreadsheetReader> make_orcus_reader(SpreadsheetKind kind);  // .xlsx, .ods
std::unique_ptr<SpreadsheetReader> make_xls_reader();
std::unique_ptr<SpreadsheetReader> make_csv_reader();

// Reads the first worksheet of the file with the reader its extension names.
Status read_spreadsheet(const std::filesystem::path& path, SheetTable& table);

// A number as a cell shows it: "12.3", "62", "-2".
std::string number_text(double value);

// Turns rows of cells into a table: the first row names the columns, trailing
// rows with no text at all are dropped.
void table_from_rows(std::vector<std::vector<std::string>> rows, SheetTable& table);

}  // namespace quillon
