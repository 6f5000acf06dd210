#include "exchange/spreadsheets/spreadsheet_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

constexpr char utf8_bom[] = "\xEF\xBB\xBF";

std::string system_error(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

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
  ~CsvWriter() override { abandon(); }

  Status create(const std::filesystem::path& path, const std::string&,
                const std::vector<std::string>& columns) override {
    abandon();
    path_ = path;
    partial_ = partial_path(path);
    file_ = std::fopen(partial_.c_str(), "wb");
    if (!file_) return Status::failed(system_error("create"));
    // The byte-order mark tells spreadsheet programs that the text is UTF-8
    // (without it LibreOffice and SheetJS read "José" as "JosÃ©").
    if (std::fwrite(utf8_bom, 1, sizeof utf8_bom - 1, file_) != sizeof utf8_bom - 1) {
      Status failed = Status::failed(system_error("write"));
      abandon();
      return failed;
    }
    return add(columns);
  }

  Status add(const std::vector<std::string>& cells) override {
    if (!file_) return Status::failed("the file is not open");
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "," : "") + csv_cell(cells[i]);
    line += "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) {
      Status failed = Status::failed(system_error("write"));
      abandon();
      return failed;
    }
    return Status::ok();
  }

  Status close() override {
    if (!file_) return Status::failed("the file is not open");
    bool flushed = std::fflush(file_) == 0;
    std::string reason = flushed ? "" : system_error("write");
    bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (flushed && !closed) reason = system_error("close");
    if (!flushed || !closed) {
      abandon();
      return Status::failed(reason);
    }
    Status placed = put_in_place(partial_, path_);
    partial_.clear();
    return placed;
  }

 private:
  void abandon() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    discard_partial(partial_);
  }

  std::filesystem::path path_;
  std::filesystem::path partial_;
  std::FILE* file_ = nullptr;
};

}  // namespace

std::filesystem::path partial_path(const std::filesystem::path& path) {
  return path.parent_path() / ("." + path.filename().string() + ".part");
}

Status put_in_place(const std::filesystem::path& partial, const std::filesystem::path& path) {
  int fd = ::open(partial.c_str(), O_RDONLY);
  bool synced = fd >= 0 && ::fsync(fd) == 0;
  std::string reason = synced ? "" : system_error("flush");
  if (fd >= 0) ::close(fd);
  if (synced && std::rename(partial.c_str(), path.c_str()) != 0) {
    reason = system_error("rename");
    synced = false;
  }
  if (!synced) {
    std::error_code ec;
    std::filesystem::remove(partial, ec);
    return Status::failed(reason);
  }
  return Status::ok();
}

void discard_partial(std::filesystem::path& partial) {
  if (partial.empty()) return;
  std::error_code ec;
  std::filesystem::remove(partial, ec);
  partial.clear();
}

std::unique_ptr<SheetWriter> make_csv_writer() { return std::make_unique<CsvWriter>(); }

std::unique_ptr<SheetWriter> make_sheet_writer(const std::filesystem::path& path) {
  if (spreadsheet_kind_of(path) == SpreadsheetKind::csv) return make_csv_writer();
  return make_xlsx_writer();
}

}  // namespace quillon
