#pragma once
// "import.txt": the text file between a workbook and the field. Each row of
// the workbook becomes one line of TAB-separated fields. Every cell is made
// safe and cut before it is written, and every line read back must have all
// its fields, so that no cell can end early or move the fields after it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "core/status.h"

namespace quillon {

inline constexpr const char* import_file_name = "import.txt";
// The longest field a line of the file holds.
inline constexpr std::size_t field_limit = 499;

using ImportLine = std::vector<std::string>;

// A cell made safe for a field: a line break (CR LF, CR or LF) becomes one
// blank; TAB, ';' and the byte 0xFF, which end a field for the readers of
// this file, become blanks; the text is cut to the longest field.
std::string import_cell(std::string_view text);

// Writes the lines (cells made safe, TAB between them, CR LF after each) to
// the file through a temporary file that replaces it when complete.
[[nodiscard]] Status write_import_lines(const std::filesystem::path& path, const std::vector<ImportLine>& lines);

// Reads the file back, one line per row, every line with exactly `fields`
// fields of at most field_limit bytes; a line that is not so fails, naming it.
Result<std::vector<ImportLine>> read_import_lines(const std::filesystem::path& path, std::size_t fields);

}  // namespace quillon
