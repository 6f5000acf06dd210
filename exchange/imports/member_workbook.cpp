#include "exchange/imports/member_workbook.h"

#include "core/cp1252.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/handicap_text.h"
#include "exchange/imports/import_file.h"
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

}  // namespace

std::string import_column_name(const State& state, int setting) {
  // Byte 15 of each setting belongs to the network exchange.
  const char* column = state.import_settings.import_column[setting];
  std::string name = trimmed(std::string(column, strnlen(column, 15)));
  return name == "not required" ? "" : name;
}

MemberRows member_rows(const State& state, const SheetTable& table) {
  MemberRows out;
  const int name1 = table.column(import_column_name(state, setting::name1));
  const std::string name2_setting = import_column_name(state, setting::name2);
  const int name2 = name2_setting.empty() ? -1 : table.column(name2_setting);
  const int hcap = table.column(import_column_name(state, setting::hc_index));
  const int gender = table.column(import_column_name(state, setting::gender));
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    std::string first = trimmed(table.cell(r, name1));
    std::string name = first;
    if (!name2_setting.empty()) {
      std::string last = trimmed(table.cell(r, name2));
      name = last.empty() ? first : (first.empty() ? last : last + ", " + first);
    }
    if (name.empty()) continue;
    std::string single = cp1252_from_utf8(name);
    if (utf8_from_cp1252(single) != name) ++out.names_changed;
    std::string h = trimmed(table.cell(r, hcap));
    out.lines.push_back(
        {single, handicap_cell_readable(h) ? h : "99.9", cp1252_from_utf8(trimmed(table.cell(r, gender)))});
  }
  return out;
}

std::optional<std::vector<WorkbookMember>> read_member_workbook(State& state, int* names_changed) {
  auto workbook = choose_import_workbook(state, "");
  if (!workbook) return std::nullopt;
  SheetTable table;
  if (!read_workbook_copy(state, *workbook, table)) return std::nullopt;
  MemberRows rows = member_rows(state, table);
  if (names_changed) *names_changed = rows.names_changed;
  const std::filesystem::path path = state.file(import_file_name);
  std::string text;
  Status status = write_import_lines(path, rows.lines);
  if (status) status = load_fields(path, text);
  if (!status) {
    message_box(state, message_kind::error,
                "The file %s could not be written (%s).\n\nThe import was NOT successfully completed.",
                import_file_name, status.reason().c_str());
    return std::nullopt;
  }
  FieldReader fields(std::move(text));
  std::vector<WorkbookMember> members;
  for (std::size_t i = 0; i < rows.lines.size(); ++i) {
    WorkbookMember m;
    m.name = fields.next();
    m.handicap = fields.next();
    m.gender = upper(fields.next());
    members.push_back(std::move(m));
  }
  return members;
}

}  // namespace quillon
