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
  std::string cell;
  for (std::size_t i = 0; i < text.size() && cell.size() < field_limit; ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    cell += ends_field(c) || c == '\n' ? ' ' : c;
  }
  return cell;
}

Status write_import_lines(const std::filesystem::path& path, const std::vector<ImportLine>& lines) {
  std::string text;
  for (const auto& cells : lines) {
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "\t" : "") + import_cell(cells[i]);
    text += "\r\n";
  }
  return write_file_atomically(path, text);
}

Result<std::vector<ImportLine>> read_import_lines(const std::filesystem::path& path, std::size_t fields) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::failed(std::string("open: ") + std::strerror(errno));
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failed("read failed");
  std::vector<ImportLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos)
      return Status::failed("line " + std::to_string(lines.size() + 1) + " does not end with CR LF");
    ImportLine line;
    std::size_t at = start;
    while (true) {
      std::size_t tab = text.find('\t', at);
      std::size_t stop = tab < end ? tab : end;
      line.emplace_back(text, at, stop - at);
      if (stop == end) break;
      at = stop + 1;
    }
    const std::string number = std::to_string(lines.size() + 1);
    if (line.size() != fields)
      return Status::failed("line " + number + " has " + std::to_string(line.size()) + " fields instead of " +
                            std::to_string(fields));
    for (const auto& f : line)
      if (f.size() > field_limit || f.find_first_of("\r\n;\xFF") != std::string::npos)
        return Status::failed("line " + number + " has a field that is too long or holds a field end");
    lines.push_back(std::move(line));
    start = end + 2;
  }
  return lines;
}

}  // namespace quillon
