// Office Open XML workbooks (.xlsx): the first worksheet's cells, read from
// the zip parts with expat. liborcus 0.17, which Debian 12 ships, follows
// only relative worksheet targets (openpyxl writes absolute ones) and leaves
// inline and formula strings empty, so the few parts a table needs are read
// here: the package relationships lead to the workbook, the workbook to its
// first sheet, and the shared strings and the sheet give the cells. Styles,
// formulas and every other part are not opened.
#include <charconv>
#include <map>
#include <string>
#include <vector>

#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "exchange/spreadsheets/xml_parse.h"
#include "exchange/spreadsheets/zip_file.h"

namespace quillon {

namespace {

bool ends_with(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string folder_of(const std::string& part) {
  std::size_t slash = part.rfind('/');
  return slash == std::string::npos ? "" : part.substr(0, slash + 1);
}

// A relationship target as a part name: absolute ("/xl/worksheets/sheet1.xml")
// or relative to the folder of the part that names it, with "." and ".." resolved.
std::string part_name(const std::string& folder, const std::string& target) {
  std::string joined = !target.empty() && target[0] == '/' ? target.substr(1) : folder + target;
  std::vector<std::string> segments;
  std::size_t start = 0;
  while (start <= joined.size()) {
    std::size_t slash = joined.find('/', start);
    if (slash == std::string::npos) slash = joined.size();
    std::string segment = joined.substr(start, slash - start);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.push_back(segment);
    }
    start = slash + 1;
  }
  std::string name;
  for (const auto& s : segments) name += (name.empty() ? "" : "/") + s;
  return name;
}

struct Relationship {
  std::string type;
  std::string target;
};

class RelationshipsHandler : public XmlHandler {
 public:
  void start(std::string_view name, const XmlAttributes& a) override {
    if (name != "Relationship") return;
    const char* id = a.get("Id");
    const char* type = a.get("Type");
    const char* target = a.get("Target");
    if (id && target) relationships[id] = {type ? type : "", target};
  }
  void end(std::string_view) override {}
  std::map<std::string, Relationship> relationships;
};

class WorkbookHandler : public XmlHandler {
 public:
  void start(std::string_view name, const XmlAttributes& a) override {
    if (name != "sheet" || !first_sheet_id.empty()) return;
    const char* id = a.get("id");
    if (id) first_sheet_id = id;
  }
  void end(std::string_view) override {}
  std::string first_sheet_id;
};

// Shared strings: the text of every <si>, its runs joined; phonetic hints are left out.
class SharedStringsHandler : public XmlHandler {
 public:
  void start(std::string_view name, const XmlAttributes&) override {
    if (name == "si") current_.clear();
    if (name == "rPh") ++phonetic_;
    if (name == "t") in_text_ = true;
  }
  void end(std::string_view name) override {
    if (name == "t") in_text_ = false;
    if (name == "rPh") --phonetic_;
    if (name == "si") strings.push_back(current_.substr(0, max_cell_bytes));
  }
  void text(std::string_view t) override {
    if (in_text_ && phonetic_ == 0 && current_.size() < max_cell_bytes) current_ += t;
  }
  std::vector<std::string> strings;

 private:
  std::string current_;
  bool in_text_ = false;
  int phonetic_ = 0;
};

bool read_row_number(const char* text, std::uint64_t& row) {
  std::uint64_t r = 0;
  std::string_view s(text);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), r);
  if (ec != std::errc() || end != s.data() + s.size() || r == 0 || r > 1048576) return false;
  row = r - 1;
  return true;
}

class SheetHandler : public XmlHandler {
 public:
  explicit SheetHandler(const std::vector<std::string>& strings) : strings_(strings) {}

  void start(std::string_view name, const XmlAttributes& a) override {
    if (name == "row") {
      const char* r = a.get("r");
      if (r && !read_row_number(r, row_)) throw SheetRefused(std::string("not a row number: ") + r);
      if (!r) row_ = rows_seen_ ? row_ + 1 : 0;
      rows_seen_ = true;
      column_ = 0;
    } else if (name == "c") {
      const char* r = a.get("r");
      std::uint64_t row = row_;
      if (r && !parse_cell_address(r, row, column_)) throw SheetRefused(std::string("not a cell address: ") + r);
      row_ = row;
      const char* t = a.get("t");
      type_ = t ? t : "n";
      value_.clear();
      inline_.clear();
      in_cell_ = true;
    } else if (in_cell_ && name == "v") {
      in_value_ = true;
    } else if (in_cell_ && name == "is") {
      in_inline_ = true;
    } else if (in_inline_ && name == "rPh") {
      ++phonetic_;
    } else if (in_inline_ && name == "t") {
      in_inline_text_ = true;
    }
  }

  void end(std::string_view name) override {
    if (name == "v") in_value_ = false;
    if (name == "t") in_inline_text_ = false;
    if (name == "rPh" && phonetic_ > 0) --phonetic_;
    if (name == "is") in_inline_ = false;
    if (name == "c" && in_cell_) {
      grid.put(row_, column_, cell_text());
      ++column_;
      in_cell_ = false;
    }
  }

  void text(std::string_view t) override {
    if (in_value_ && value_.size() < max_cell_bytes) value_ += t;
    if (in_inline_text_ && phonetic_ == 0 && inline_.size() < max_cell_bytes) inline_ += t;
  }

  CellGrid grid;

 private:
  std::string cell_text() const {
    if (type_ == "inlineStr") return inline_;
    if (type_ == "s") {
      std::size_t index = 0;
      auto [end, ec] = std::from_chars(value_.data(), value_.data() + value_.size(), index);
      if (ec != std::errc() || end != value_.data() + value_.size() || index >= strings_.size())
        throw SheetRefused("cell " + column_letters(column_) + std::to_string(row_ + 1) +
                           " names a shared text that the workbook does not hold");
      return strings_[index];
    }
    if (type_ == "b") return value_ == "1" ? "TRUE" : "FALSE";
    if (type_ == "n") {
      double number = 0;
      auto [end, ec] = std::from_chars(value_.data(), value_.data() + value_.size(), number);
      if (ec == std::errc() && end == value_.data() + value_.size()) return number_text(number);
    }
    return value_;  // "str" (a formula's text), "e" (an error such as #N/A), "d" (a date)
  }

  const std::vector<std::string>& strings_;
  std::uint64_t row_ = 0;
  std::uint64_t column_ = 0;
  bool rows_seen_ = false;
  std::string type_;
  std::string value_;
  std::string inline_;
  bool in_cell_ = false;
  bool in_value_ = false;
  bool in_inline_ = false;
  bool in_inline_text_ = false;
  int phonetic_ = 0;
};

Status parse_part(const ZipFile& zip, const std::string& name, XmlHandler& handler) {
  Result<std::string> xml = zip.read(name, max_workbook_part_bytes);
  if (!xml) return xml.status();
  return parse_xml(name, *xml, handler);
}

std::string relationships_of(const std::string& part) {
  std::size_t slash = part.rfind('/');
  std::string base = slash == std::string::npos ? part : part.substr(slash + 1);
  return folder_of(part) + "_rels/" + base + ".rels";
}

class XlsxReader : public SpreadsheetReader {
 public:
  Result<SheetTable> read_first_sheet(const std::filesystem::path& path) override {
    Result<ZipFile> zip = ZipFile::open(path);
    if (!zip) return zip.status();

    std::string workbook = "xl/workbook.xml";
    if (zip->contains("_rels/.rels")) {
      RelationshipsHandler package;
      if (Status s = parse_part(*zip, "_rels/.rels", package); !s) return s;
      for (const auto& [id, r] : package.relationships)
        if (ends_with(r.type, "/officeDocument")) workbook = part_name("", r.target);
    }
    if (!zip->contains(workbook)) return Status::failed("the file holds no workbook part");
    WorkbookHandler sheets;
    if (Status s = parse_part(*zip, workbook, sheets); !s) return s;
    if (sheets.first_sheet_id.empty()) return Status::failed("the workbook has no worksheet");

    RelationshipsHandler parts;
    if (Status s = parse_part(*zip, relationships_of(workbook), parts); !s) return s;
    auto first = parts.relationships.find(sheets.first_sheet_id);
    if (first == parts.relationships.end())
      return Status::failed("the workbook does not say where its first worksheet is");
    const std::string sheet = part_name(folder_of(workbook), first->second.target);

    SharedStringsHandler strings;
    for (const auto& [id, r] : parts.relationships) {
      if (!ends_with(r.type, "/sharedStrings")) continue;
      std::string name = part_name(folder_of(workbook), r.target);
      if (Status s = parse_part(*zip, name, strings); !s) return s;
    }
    SheetHandler cells(strings.strings);
    if (Status s = parse_part(*zip, sheet, cells); !s) return s;
    return table_from_rows(cells.grid.take_rows());
  }
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_xlsx_reader() { return std::make_unique<XlsxReader>(); }

}  // namespace quillon
