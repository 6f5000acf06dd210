// Office Open XML workbooks (.xlsx) through libxlsxwriter. The library keeps
// the rows in memory and writes the whole file when the workbook is closed.
#include <xlsxwriter.h>

#include <optional>
#include <string>

#include "core/atomic_file.h"
#include "exchange/spreadsheets/spreadsheet_writer.h"

namespace quillon {

namespace {

class XlsxWriter : public SheetWriter {
 public:
  ~XlsxWriter() override { abandon(); }

  Status create(const std::filesystem::path& path, const std::string& sheet_name,
                const std::vector<std::string>& columns) override {
    abandon();
    Result<AtomicFile> file = AtomicFile::create(path);
    if (!file) return file.status();
    file_.emplace(std::move(*file));
    // The library opens the file itself when the workbook is closed.
    file_->release_descriptor();
    workbook_ = workbook_new(file_->temporary_path().c_str());
    if (!workbook_) return Status::failed("the workbook cannot be created");
    sheet_ = workbook_add_worksheet(workbook_, sheet_name.c_str());
    if (!sheet_) return Status::failed("the worksheet cannot be added");
    row_ = 0;
    return add(columns);
  }

  Status add(const std::vector<std::string>& cells) override {
    if (!sheet_) return Status::failed("the workbook is not open");
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (cells[c].empty()) continue;
      lxw_error e = worksheet_write_string(sheet_, row_, static_cast<lxw_col_t>(c), cells[c].c_str(), nullptr);
      if (e != LXW_NO_ERROR) return Status::failed(lxw_strerror(e));
    }
    ++row_;
    return Status::ok();
  }

  Status close() override {
    if (!workbook_) return Status::failed("the workbook is not open");
    lxw_error e = workbook_close(workbook_);
    workbook_ = nullptr;
    sheet_ = nullptr;
    if (e != LXW_NO_ERROR) {
      abandon();
      return Status::failed(lxw_strerror(e));
    }
    Status placed = file_->commit();
    file_.reset();
    return placed;
  }

 private:
  // Drops an unfinished workbook and its temporary file.
  void abandon() {
    if (workbook_) {
      // Closing writes the temporary file, which is then removed.
      (void)workbook_close(workbook_);
      workbook_ = nullptr;
      sheet_ = nullptr;
    }
    file_.reset();
  }

  std::optional<AtomicFile> file_;
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_row_t row_ = 0;
};

}  // namespace

std::unique_ptr<SheetWriter> make_xlsx_writer() { return std::make_unique<XlsxWriter>(); }

}  // namespace quillon
