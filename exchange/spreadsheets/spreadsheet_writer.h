#pragma once
// Writing one worksheet: a row of column names, then one row per record.
// The workbook is made through an AtomicFile, so a failed export never leaves
// half a file or destroys the one that was there.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/status.h"

namespace quillon {

class SheetWriter {
 public:
  virtual ~SheetWriter() = default;
  // Starts the workbook with its worksheet name and column names (UTF-8).
  [[nodiscard]] virtual Status create(const std::filesystem::path& path, const std::string& sheet_name,
                                      const std::vector<std::string>& columns) = 0;
  // Appends one row of cell texts (UTF-8).
  [[nodiscard]] virtual Status add(const std::vector<std::string>& cells) = 0;
  // Completes the file and puts it in place. Only then is the export done.
  [[nodiscard]] virtual Status close() = 0;
};

// Comma-separated UTF-8 text with a byte-order mark for a path ending in
// ".csv" (any case), else an Office Open XML workbook.
std::unique_ptr<SheetWriter> make_sheet_writer(const std::filesystem::path& path);
std::unique_ptr<SheetWriter> make_xlsx_writer();
std::unique_ptr<SheetWriter> make_csv_writer();

}  // namespace quillon
