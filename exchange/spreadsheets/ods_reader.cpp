// OpenDocument spreadsheets (.ods): the first table of content.xml, read
// from the zip part with expat. A cell's paragraphs are joined by line
// breaks, so a cell of two lines is kept whole; repeated rows and cells are
// counted, not copied, unless they hold a value, and a value repeated
// beyond the sheet's bounds refuses the sheet.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "exchange/spreadsheets/xml_parse.h"
#include "exchange/spreadsheets/zip_file.h"

namespace quillon {

namespace {

constexpr std::uint64_t largest_repeat = 1u << 20;

std::uint64_t repeat_count(const char* text) {
  if (!text) return 1;
  std::uint64_t n = 0;
  std::string_view s(text);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (ec != std::errc() || end != s.data() + s.size() || n == 0 || n > largest_repeat)
    throw SheetRefused(std::string("not a repeat count: ") + text);
  return n;
}

std::string number_of(const char* value) {
  std::string_view s(value);
  double number = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), number);
  return ec == std::errc() && end == s.data() + s.size() ? number_text(number) : std::string(s);
}

class ContentHandler : public XmlHandler {
 public:
  void start(std::string_view name, const XmlAttributes& a) override {
    if (done_) return;
    if (name == "table") {
      ++table_depth_;
      return;
    }
    if (table_depth_ != 1) return;
    if (name == "table-row") {
      row_repeat_ = repeat_count(a.get("number-rows-repeated"));
      row_cells_.clear();
      column_ = 0;
    } else if (name == "table-cell" || name == "covered-table-cell") {
      start_cell(a);
    } else if (in_cell_) {
      start_in_cell(name, a);
    }
  }

  void end(std::string_view name) override {
    if (done_) return;
    if (name == "table") {
      if (--table_depth_ == 0) done_ = true;
      return;
    }
    if (table_depth_ != 1) return;
    if (name == "annotation" && annotation_ > 0) {
      --annotation_;
    } else if (name == "table-row") {
      end_row();
    } else if ((name == "table-cell" || name == "covered-table-cell") && in_cell_) {
      end_cell();
    } else if (in_cell_ && annotation_ == 0 && (name == "p" || name == "h")) {
      in_paragraph_ = false;
    }
  }

  void text(std::string_view t) override {
    if (in_paragraph_ && annotation_ == 0) add_text(t);
  }

  CellGrid grid;

 private:
  void start_cell(const XmlAttributes& a) {
    in_cell_ = true;
    cell_repeat_ = repeat_count(a.get("number-columns-repeated"));
    text_.clear();
    paragraphs_ = 0;
    value_.reset();
    const char* type = a.get("value-type");
    std::string_view t = type ? type : "";
    if ((t == "float" || t == "percentage" || t == "currency") && a.get("value")) value_ = number_of(a.get("value"));
    else if (t == "date" && a.get("date-value")) value_ = a.get("date-value");
    else if (t == "time" && a.get("time-value")) value_ = a.get("time-value");
    else if (t == "boolean" && a.get("boolean-value"))
      value_ = std::string_view(a.get("boolean-value")) == "true" ? "TRUE" : "FALSE";
    else if (t == "string" && a.get("string-value")) value_ = a.get("string-value");
  }

  void start_in_cell(std::string_view name, const XmlAttributes& a) {
    if (name == "annotation") {
      ++annotation_;
      return;
    }
    if (annotation_ > 0) return;
    if (name == "p" || name == "h") {
      if (paragraphs_++ > 0) add_text("\n");
      in_paragraph_ = true;
    } else if (in_paragraph_ && name == "s") {
      std::uint64_t spaces = repeat_count(a.get("c"));
      add_text(std::string(static_cast<std::size_t>(std::min<std::uint64_t>(spaces, max_cell_bytes)), ' '));
    } else if (in_paragraph_ && name == "tab") {
      add_text("\t");
    } else if (in_paragraph_ && name == "line-break") {
      add_text("\n");
    }
  }

  void add_text(std::string_view t) {
    if (text_.size() < max_cell_bytes) text_ += t.substr(0, max_cell_bytes - text_.size());
  }

  void end_cell() {
    in_cell_ = false;
    in_paragraph_ = false;
    std::string cell = value_ ? *value_ : text_;
    if (!cell.empty())
      for (std::uint64_t k = 0; k < cell_repeat_; ++k) {
        // A value repeated past the last column is refused before it is copied.
        if (column_ + k >= max_sheet_columns) grid.put(row_, column_ + k, cell);
        row_cells_.emplace_back(column_ + k, cell);
      }
    column_ += cell_repeat_;
  }

  void end_row() {
    if (!row_cells_.empty())
      for (std::uint64_t k = 0; k < row_repeat_; ++k)
        for (const auto& [column, cell] : row_cells_) grid.put(row_ + k, column, cell);
    row_ += row_repeat_;
    row_cells_.clear();
  }

  int table_depth_ = 0;
  bool done_ = false;
  std::uint64_t row_ = 0;
  std::uint64_t row_repeat_ = 1;
  std::uint64_t column_ = 0;
  std::uint64_t cell_repeat_ = 1;
  std::vector<std::pair<std::uint64_t, std::string>> row_cells_;
  bool in_cell_ = false;
  bool in_paragraph_ = false;
  int annotation_ = 0;
  int paragraphs_ = 0;
  std::string text_;
  std::optional<std::string> value_;
};

class OdsReader : public SpreadsheetReader {
 public:
  Result<SheetTable> read_first_sheet(const std::filesystem::path& path) override {
    Result<ZipFile> zip = ZipFile::open(path);
    if (!zip) return zip.status();
    Result<std::string> xml = zip->read("content.xml", max_workbook_part_bytes);
    if (!xml) return xml.status();
    ContentHandler content;
    if (Status s = parse_xml("content.xml", *xml, content); !s) return s;
    return table_from_rows(content.grid.take_rows());
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_ods_reader() { return std::make_unique<OdsReader>(); }

}  // namespace quillon
