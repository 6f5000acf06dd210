// .xlsx and .ods workbooks through liborcus. The import filter hands every
// cell to a small receiver of our own that keeps the first worksheet's texts;
// styles, formulas (their cached results included) and the other worksheets
// are not taken. liborcus 0.17 calls some receivers without checking that the
// factory gave one (styles, sheet properties, the address resolver of .xlsx
// cells), so each of those exists even though it keeps nothing.
#include <cctype>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include "exchange/spreadsheets/orcus_ignored_styles.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

namespace quillon {

namespace {

namespace ss = orcus::spreadsheet;

// The largest worksheet either format allows.
constexpr ss::range_size_t sheet_size{1048576, 16384};

class SharedStrings : public ss::iface::import_shared_strings {
 public:
  std::size_t append(std::string_view s) override {
    strings_.emplace_back(s);
    return strings_.size() - 1;
  }
  std::size_t add(std::string_view s) override {
    auto it = index_.find(std::string(s));
    if (it != index_.end()) return it->second;
    std::size_t id = append(s);
    index_.emplace(strings_.back(), id);
    return id;
  }
  void set_segment_font(std::size_t) override {}
  void set_segment_bold(bool) override {}
  void set_segment_italic(bool) override {}
  void set_segment_font_name(std::string_view) override {}
  void set_segment_font_size(double) override {}
  void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
  void append_segment(std::string_view s) override { segments_ += s; }
  std::size_t commit_segments() override {
    std::size_t id = append(segments_);
    segments_.clear();
    return id;
  }

  const std::string& at(std::size_t id) const {
    static const std::string none;
    return id < strings_.size() ? strings_[id] : none;
  }

 private:
  std::vector<std::string> strings_;
  std::map<std::string, std::size_t> index_;
  std::string segments_;
};

// Column widths, row heights and merged cells do not matter here; the
// filters expect somewhere to put them all the same.
class IgnoredProperties : public ss::iface::import_sheet_properties {
 public:
  void set_column_width(ss::col_t, double, orcus::length_unit_t) override {}
  void set_column_hidden(ss::col_t, bool) override {}
  void set_row_height(ss::row_t, double, orcus::length_unit_t) override {}
  void set_row_hidden(ss::row_t, bool) override {}
  void set_merge_cell_range(const ss::range_t&) override {}
};

// Cells of one worksheet; those of any other worksheet are dropped.
class SheetCells : public ss::iface::import_sheet {
 public:
  SheetCells(const SharedStrings& strings, bool keep) : strings_(strings), keep_(keep) {}

  ss::iface::import_sheet_properties* get_sheet_properties() override { return &properties_; }

  void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override { put(row, col, std::string(s)); }
  void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override { put(row, col, strings_.at(id)); }
  void set_value(ss::row_t row, ss::col_t col, double value) override { put(row, col, number_text(value)); }
  void set_bool(ss::row_t row, ss::col_t col, bool value) override { put(row, col, value ? "TRUE" : "FALSE"); }
  void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int, int, double) override {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    put(row, col, text);
  }
  void set_format(ss::row_t, ss::col_t, std::size_t) override {}
  void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
  void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t count) override {
    if (!keep_ || row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return;
    std::string text = cell(row, col);
    for (ss::row_t r = 1; r <= count; ++r) put(row + r, col, text);
  }
  ss::range_size_t get_sheet_size() const override { return sheet_size; }

  std::vector<std::vector<std::string>> take_rows() { return std::move(rows_); }

 private:
  std::string cell(ss::row_t row, ss::col_t col) const {
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    return col >= 0 && static_cast<std::size_t>(col) < cells.size() ? cells[static_cast<std::size_t>(col)] : "";
  }
  void put(ss::row_t row, ss::col_t col, std::string text) {
    if (!keep_ || row < 0 || col < 0) return;
    auto r = static_cast<std::size_t>(row);
    auto c = static_cast<std::size_t>(col);
    if (rows_.size() <= r) rows_.resize(r + 1);
    if (rows_[r].size() <= c) rows_[r].resize(c + 1);
    rows_[r][c] = std::move(text);
  }

  const SharedStrings& strings_;
  bool keep_;
  IgnoredProperties properties_;
  std::vector<std::vector<std::string>> rows_;
};

// The filters ask for these settings before they read any worksheet.
class GlobalSettings : public ss::iface::import_global_settings {
 public:
  void set_origin_date(int, int, int) override {}
  void set_default_formula_grammar(ss::formula_grammar_t grammar) override { grammar_ = grammar; }
  ss::formula_grammar_t get_default_formula_grammar() const override { return grammar_; }
  void set_character_set(orcus::character_set_t) override {}

 private:
  ss::formula_grammar_t grammar_ = ss::formula_grammar_t::unknown;
};

// Cell addresses in the A1 form ("B12", "$C$3"), as .xlsx cells name
// themselves; without a resolver the filter drops every cell.
class A1Resolver : public ss::iface::import_reference_resolver {
 public:
  ss::src_address_t resolve_address(std::string_view address) override {
    ss::src_address_t at{0, 0, 0};
    std::size_t i = 0;
    int column = 0;
    while (i < address.size() && (address[i] == '$' || std::isalpha(static_cast<unsigned char>(address[i])))) {
      if (address[i] != '$') column = column * 26 + (std::toupper(static_cast<unsigned char>(address[i])) - 'A' + 1);
      ++i;
    }
    int row = 0;
    bool digits = false;
    for (; i < address.size(); ++i) {
      if (address[i] == '$') continue;
      if (!std::isdigit(static_cast<unsigned char>(address[i]))) throw std::invalid_argument("not a cell address");
      row = row * 10 + (address[i] - '0');
      digits = true;
    }
    if (column == 0 || !digits || row == 0) throw std::invalid_argument("not a cell address");
    at.column = column - 1;
    at.row = row - 1;
    return at;
  }
  ss::src_range_t resolve_range(std::string_view range) override {
    std::size_t colon = range.find(':');
    if (colon == std::string_view::npos) {
      ss::src_address_t one = resolve_address(range);
      return {one, one};
    }
    return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
  }
};

class FirstSheetFactory : public ss::iface::import_factory {
 public:
  ss::iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
    return &resolver_;
  }
  ss::iface::import_global_settings* get_global_settings() override { return &settings_; }
  ss::iface::import_styles* get_styles() override { return &styles_; }
  ss::iface::import_shared_strings* get_shared_strings() override { return &strings_; }
  ss::iface::import_sheet* append_sheet(ss::sheet_t index, std::string_view name) override {
    sheets_.emplace_back(std::make_unique<SheetCells>(strings_, sheets_.empty()));
    names_.emplace_back(name);
    (void)index;
    return sheets_.back().get();
  }
  ss::iface::import_sheet* get_sheet(std::string_view name) override {
    for (std::size_t i = 0; i < names_.size(); ++i)
      if (names_[i] == name) return sheets_[i].get();
    return nullptr;
  }
  ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
    return index >= 0 && static_cast<std::size_t>(index) < sheets_.size()
               ? sheets_[static_cast<std::size_t>(index)].get()
               : nullptr;
  }
  void finalize() override {}

  bool has_sheet() const { return !sheets_.empty(); }
  std::vector<std::vector<std::string>> first_sheet_rows() { return sheets_.front()->take_rows(); }

 private:
  A1Resolver resolver_;
  GlobalSettings settings_;
  orcus_support::IgnoredStyles styles_;
  SharedStrings strings_;
  std::vector<std::unique_ptr<SheetCells>> sheets_;
  std::vector<std::string> names_;
};

class OrcusReader : public SpreadsheetReader {
 public:
  explicit OrcusReader(SpreadsheetKind kind) : kind_(kind) {}

  Status read_first_sheet(const std::filesystem::path& path, SheetTable& table) override {
    try {
      FirstSheetFactory factory;
      if (kind_ == SpreadsheetKind::ods) {
        orcus::orcus_ods filter(&factory);
        filter.read_file(path.string());
      } else {
        orcus::orcus_xlsx filter(&factory);
        filter.read_file(path.string());
      }
      if (!factory.has_sheet()) return Status::failed("the workbook has no worksheet");
      table_from_rows(factory.first_sheet_rows(), table);
      return Status::ok();
    } catch (const std::exception& e) {
      // Some of the library's exceptions carry no text; the refusal still needs a reason.
      std::string reason = e.what();
      return Status::failed(reason.empty() ? "the workbook's contents cannot be read" : reason);
    }
  }

 private:
  SpreadsheetKind kind_;
};

}  // namespace

std::unique_ptr<SpreadsheetReader> make_orcus_reader(SpreadsheetKind kind) {
  return std::make_unique<OrcusReader>(kind);
}

}  // namespace quillon
