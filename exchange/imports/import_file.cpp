#include "exchange/imports/import_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "exchange/spreadsheets/spreadsheet_writer.h"

namespace quillon {

namespace {

bool ends_field(char c) { return c == '\t' || c == '\r' || c == ';' || static_cast<unsigned char>(c) == 0xFF; }

}  // namespace

std::string import_cell(std::string_view text) {
  std::string cell(text.substr(0, field_limit));
  for (char& c : cell)
    if (ends_field(c) || c == '\n') c = ' ';
  return cell;
}

Status write_import_lines(const std::filesystem::path& path, const std::vector<std::vector<std::string>>& lines) {
  std::filesystem::path partial = partial_path(path);
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (!file) return Status::failed(std::string("create: ") + std::strerror(errno));
  bool ok = true;
  for (const auto& cells : lines) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + import_cell(cells[i]);
    line += "\r\n";
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size()) {
      ok = false;
      break;
    }
  }
  std::string reason = ok ? "" : std::string("write: ") + std::strerror(errno);
  if (ok && std::fflush(file) != 0) {
    ok = false;
    reason = std::string("write: ") + std::strerror(errno);
  }
  if (std::fclose(file) != 0 && ok) {
    ok = false;
    reason = std::string("close: ") + std::strerror(errno);
  }
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(partial, ec);
    return Status::failed(reason);
  }
  return put_in_place(partial, path);
}

std::string FieldReader::next() {
  std::string field;
  while (at_ < text_.size() && field.size() < field_limit) {
    char c = text_[at_++];
    if (ends_field(c)) {
      if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
      break;
    }
    field += c;
  }
  return field.empty() ? end_of_fields : field;
}

Status load_fields(const std::filesystem::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::failed(std::string("open: ") + std::strerror(errno));
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failed("read failed");
  return Status::ok();
}

}  // namespace quillon
