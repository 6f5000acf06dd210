#include "exchange/imports/import_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/atomic_file.h"

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
  std::string text;
  for (const auto& cells : lines) {
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + import_cell(cells[i]);
    text += "\r\n";
  }
  return write_file_atomically(path, text);
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
