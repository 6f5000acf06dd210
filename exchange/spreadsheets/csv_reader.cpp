// Comma-separated text (.csv): UTF-8 with or without a byte-order mark,
// UTF-16 with its byte-order mark (as "Unicode text" is saved), else
// Windows-1252 as older spreadsheet programs save it. Quoted cells may hold
// separators, quotes ("") and line breaks, kept as they are. The separator
// is the one of ',', ';' and TAB that the first line uses most.
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

void append_utf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// UTF-16 after its byte-order mark; a lone surrogate becomes U+FFFD.
std::string utf8_from_utf16(std::string_view bytes, bool little_endian) {
  std::string out;
  auto unit = [&](std::size_t i) -> std::uint32_t {
    auto a = static_cast<unsigned char>(bytes[i]);
    auto b = static_cast<unsigned char>(bytes[i + 1]);
    return little_endian ? (a | b << 8) : (a << 8 | b);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t c = unit(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      std::uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        c = 0xFFFD;
      }
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    append_utf8(out, c);
  }
  return out;
}

// The text of a file in UTF-8, by the rules above.
std::string decoded_text(std::string bytes) {
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  else if (bytes.rfind("\xFF\xFE", 0) == 0) return utf8_from_utf16(std::string_view(bytes).substr(2), true);
  else if (bytes.rfind("\xFE\xFF", 0) == 0) return utf8_from_utf16(std::string_view(bytes).substr(2), false);
  return valid_utf8(bytes) ? bytes : utf8_from_cp1252(bytes);
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
  CellGrid grid;
  std::uint64_t row = 0;
  std::uint64_t column = 0;
  std::uint64_t line = 1;
  std::uint64_t quote_line = 0;
  std::string cell;
  bool quoted = false;
  bool row_started = false;
  auto end_cell = [&] {
    grid.put(row, column++, cell);
    cell.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n') ++line;
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else if (cell.size() < max_cell_bytes) {
        cell += c;
      }
      continue;
    }
    row_started = true;
    if (c == '"') {
      quoted = true;
      quote_line = line;
    } else if (c == separator) {
      end_cell();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
        ++line;
      }
      end_cell();
      ++row;
      column = 0;
      row_started = false;
    } else if (cell.size() < max_cell_bytes) {
      cell += c;
    }
  }
  if (quoted)
    throw SheetRefused("the quote that opens a cell on line " + std::to_string(quote_line) +
                       " is never closed, so the rest of the file would be one cell");
  if (row_started) end_cell();
  return grid.take_rows();
}

class CsvReader : public SpreadsheetReader {
 public:
  Result<SheetTable> read_first_sheet(const std::filesystem::path& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::failed("the file cannot be opened");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return Status::failed("the file cannot be read");
    std::string text = decoded_text(std::move(bytes));
    // A refusal is the reader's answer, as the other readers give it.
    try {
      return table_from_rows(parse_csv(text, separator_of(text)));
    } catch (const SheetRefused& refused) {
      return Status::failed(refused.what());
    }
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_csv_reader() { return std::make_unique<CsvReader>(); }

}  // namespace quillon
