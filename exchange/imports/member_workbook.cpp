#include "exchange/imports/member_workbook.h"

#include "core/cp1252.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/handicap_text.h"
#include "exchange/imports/import_file.h"
#include "exchange/imports/sheet_cells.h"
#include "exchange/imports/workbook_files.h"

namespace quillon {

namespace {

namespace setting {
inline constexpr int name1 = 1;
inline constexpr int name2 = 2;
inline constexpr int gender = 4;
inline constexpr int hc_index = 5;
}  // namespace setting

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// Part of the member lists' convention: these texts say "no index".
bool counts_as_no_index(const std::string& text) {
  return text.empty() || text == "NA" || text == "N/A" || text == "EOF";
}

}  // namespace

std::string import_column_name(const State& state, int setting) {
  // Byte 15 of each setting belongs to the network exchange.
  const char* column = state.import_settings.import_column[setting];
  std::string name = trimmed(std::string(column, strnlen(column, 15)));
  return name == "not required" ? "" : name;
}

Result<MemberRows> member_rows(const State& state, const SheetTable& table) {
  MemberRows out;
  const std::string name1_setting = import_column_name(state, setting::name1);
  const int name1 = table.column(name1_setting);
  const std::string name2_setting = import_column_name(state, setting::name2);
  const int name2 = name2_setting.empty() ? -1 : table.column(name2_setting);
  const int hcap = table.column(import_column_name(state, setting::hc_index));
  const int gender = table.column(import_column_name(state, setting::gender));
  if (name1 < 0) return Status::failed(missing_column(name1_setting));
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    std::string first = one_line(table.cell(r, name1));
    std::string name = first;
    if (!name2_setting.empty()) {
      std::string last = one_line(table.cell(r, name2));
      name = last.empty() ? first : (first.empty() ? last : last + ", " + first);
    }
    if (name.empty()) continue;
    std::string single = cp1252_from_utf8(name);
    if (utf8_from_cp1252(single) != name) ++out.names_changed;
    std::string h = trimmed(table.cell(r, hcap));
    std::optional<std::string> handicap = std::string();
    if (!counts_as_no_index(h)) handicap = handicap_cell_text(h);
    if (!handicap) return Status::failed(cell_refusal(table, r, hcap, h, "a handicap index"));
    out.lines.push_back({single, *handicap, cp1252_from_utf8(trimmed(table.cell(r, gender)))});
  }
  if (out.lines.empty()) return Status::failed("no row of the sheet has a name in its " + name1_setting + " column");
  return out;
}

std::optional<std::vector<WorkbookMember>> read_member_workbook(State& state, int* names_changed) {
  auto workbook = choose_import_workbook(state, "");
  if (!workbook) return std::nullopt;
  Result<SheetTable> table = read_workbook_copy(state, *workbook);
  if (!table) return std::nullopt;
  Result<MemberRows> rows = member_rows(state, *table);
  if (!rows) {
    refuse_import(state, rows.status().reason());
    return std::nullopt;
  }
  if (names_changed) *names_changed = rows->names_changed;
  const std::filesystem::path path = state.file(import_file_name);
  Status status = write_import_lines(path, rows->lines);
  if (!status) {
    message_box(state, message_kind::error,
                "The file %s could not be written (%s).\n\nThe import was NOT successfully completed.",
                import_file_name, status.reason().c_str());
    return std::nullopt;
  }
  auto lines = read_import_lines(path, member_fields);
  if (!lines || lines->size() != rows->lines.size()) {
    refuse_import(state, std::string(import_file_name) + " does not read back as it was written (" +
                             (lines ? "a line is missing" : lines.status().reason()) + ")");
    return std::nullopt;
  }
  std::vector<WorkbookMember> members;
  for (const auto& line : *lines) members.push_back({line[0], line[1], upper(line[2])});
  return members;
}

}  // namespace quillon
