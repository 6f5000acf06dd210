#pragma once
// The cells of an imported sheet as the imports check them: on one line, and
// refused by row, column and value when they cannot be read as their column's type.
#include <string>
#include <string_view>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

// The cell's text with its blanks trimmed and each line break (CR LF, CR or
// LF) turned into one blank, so that a cell of two lines stays one name.
std::string one_line(std::string_view text);

// Whether a text is a whole number of digits ("2", "12").
bool whole_number_text(std::string_view text);

// Why a cell stops the import: the sheet's row number (the names are row
// 1), the column's letter and name, the value and what it is not:
// row 5, column D ("Handicap"): "12,4,5" is not a handicap index
std::string cell_refusal(const SheetTable& table, std::size_t row, int column, std::string_view value,
                         std::string_view not_a);

// Why a sheet without a column named `name` has nothing to import.
std::string missing_column(std::string_view name);

}  // namespace quillon
