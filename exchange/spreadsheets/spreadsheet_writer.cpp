#include "exchange/spreadsheets/spreadsheet_writer.h"

#include <optional>

#include "core/atomic_file.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

constexpr char utf8_bom[] = "\xEF\xBB\xBF";

// CSV cells are quoted when they hold a separator, a quote or a line break.
std::string csv_cell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

class CsvWriter : public SheetWriter {
 public:
  Status create(const std::filesystem::path& path, const std::string&,
                const std::vector<std::string>& columns) override {
    file_.reset();
    Result<AtomicFile> file = AtomicFile::create(path);
    if (!file) return file.status();
    file_.emplace(std::move(*file));
    // The byte-order mark tells spreadsheet programs that the text is UTF-8
    // (without it LibreOffice and SheetJS read "José" as "JosÃ©").
    if (Status put = file_->write(utf8_bom, sizeof utf8_bom - 1); !put) {
      file_.reset();
      return put;
    }
    return add(columns);
  }

  Status add(const std::vector<std::string>& cells) override {
    if (!file_) return Status::failed("the file is not open");
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "," : "") + csv_cell(cells[i]);
    line += "\r\n";
    Status written = file_->write(line);
    if (!written) file_.reset();
    return written;
  }

  Status close() override {
    if (!file_) return Status::failed("the file is not open");
    Status placed = file_->commit();
    file_.reset();
    return placed;
  }

 private:
  std::optional<AtomicFile> file_;  // an uncommitted one is removed with it
};

}  // namespace

std::unique_ptr<SheetWriter> make_csv_writer() { return std::make_unique<CsvWriter>(); }

std::unique_ptr<SheetWriter> make_sheet_writer(const std::filesystem::path& path) {
  if (spreadsheet_kind_of(path) == SpreadsheetKind::csv) return make_csv_writer();
  return make_xlsx_writer();
}

}  // namespace quillon
