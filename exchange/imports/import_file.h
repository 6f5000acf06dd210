#pragma once
// "import.txt": the text file between a workbook and the field. Each row of
// the workbook becomes one line of TAB-separated fields, read back with the
// field reader.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace quillon {

struct State;

inline constexpr const char* import_file_name = "import.txt";
// The longest field the field reader returns whole.
inline constexpr std::size_t field_limit = 499;

// A cell made safe for a field: TAB, CR, LF, ';' and the byte 0xFF end a
// field when read back, so each becomes a blank; the text is cut to the
// longest field.
std::string import_cell(std::string_view text);

// Writes the lines (cells made safe, TAB between them, CR LF after each) to
// the file through a temporary file that replaces it when complete.
[[nodiscard]] Status write_import_lines(const std::filesystem::path& path,
                                        const std::vector<std::vector<std::string>>& lines);

// Reads fields from text: a field ends at TAB, CR (a following LF is taken
// with it), ';' or the byte 0xFF and holds at most 499 characters (a longer
// run goes on as the next field). An empty field and the end of the text read
// as "EOF".
class FieldReader {
 public:
  explicit FieldReader(std::string text) : text_(std::move(text)) {}
  std::string next();

 private:
  std::string text_;
  std::size_t at_ = 0;
};

// Loads the whole file for the field reader.
[[nodiscard]] Status load_fields(const std::filesystem::path& path, std::string& text);

inline constexpr const char* end_of_fields = "EOF";

}  // namespace quillon
