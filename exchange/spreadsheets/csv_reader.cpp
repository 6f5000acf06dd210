// Comma-separated text (.csv): UTF-8, with or without a byte-order mark;
// quoted cells may hold separators, quotes ("") and line breaks. A file that
// is not valid UTF-8 is taken as Windows-1252, as older spreadsheet programs
// save it. The separator is the one of ',', ';' and TAB that the first line
// uses most.
#include <fstream>
#include <iterator>
#include <string>

#include "core/cp1252.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

bool valid_utf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    auto b = static_cast<unsigned char>(text[i]);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

char separator_of(const std::string& text) {
  int counts[3] = {0, 0, 0};
  const char candidates[3] = {',', ';', '\t'};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (int k = 0; k < 3; ++k)
      if (c == candidates[k]) ++counts[k];
  }
  int best = 0;
  for (int k = 1; k < 3; ++k)
    if (counts[k] > counts[best]) best = k;
  return candidates[best];
}

std::vector<std::vector<std::string>> parse_csv(const std::string& text, char separator) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> row;
  std::string cell;
  bool quoted = false;
  bool row_started = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
      continue;
    }
    row_started = true;
    if (c == '"') {
      quoted = true;
    } else if (c == separator) {
      row.push_back(std::move(cell));
      cell.clear();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      row.push_back(std::move(cell));
      cell.clear();
      rows.push_back(std::move(row));
      row.clear();
      row_started = false;
    } else {
      cell += c;
    }
  }
  if (row_started || quoted) {
    row.push_back(std::move(cell));
    rows.push_back(std::move(row));
  }
  return rows;
}

class CsvReader : public SpreadsheetReader {
 public:
  Status read_first_sheet(const std::filesystem::path& path, SheetTable& table) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::failed("the file cannot be opened");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Status::failed("the file cannot be read");
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    if (!valid_utf8(text)) text = utf8_from_cp1252(text);
    table_from_rows(parse_csv(text, separator_of(text)), table);
    return Status::ok();
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_csv_reader() { return std::make_unique<CsvReader>(); }

}  // namespace quillon
