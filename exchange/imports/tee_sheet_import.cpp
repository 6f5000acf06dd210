#include "exchange/imports/tee_sheet_import.h"

#include <cstring>
#include <optional>

#include "core/cp1252.h"
#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/handicap_text.h"
#include "exchange/imports/import_file.h"
#include "exchange/imports/sheet_cells.h"
#include "exchange/imports/workbook_files.h"
#include "tournament/field.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

constexpr int name_length = sizeof(GolferEntry::name) - 1;

// A cell in the records' single-byte form; counts a text that lost characters.
std::string single_byte(const std::string& utf8, int* changed = nullptr) {
  std::string text = cp1252_from_utf8(utf8);
  if (changed && utf8_from_cp1252(text) != utf8) ++*changed;
  return text;
}

std::string cell_or(const SheetTable& table, std::size_t row, int column, const char* fallback) {
  std::string text = trimmed(table.cell(row, column));
  return text.empty() ? fallback : single_byte(text);
}

std::string to_upper_ascii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool begins_with_yes(const std::string& text) { return !text.empty() && (text[0] == 'Y' || text[0] == 'y'); }

struct ImportCounts {
  int placed = 0;
  int names_cut = 0;
};

// Fills one slot from the fields of a line read back from "import.txt".
void fill_slot(State& state, GolferEntry& e, const ImportLine& line, ImportCounts& counts) {
  const std::string& name = line[0];
  const std::string& handicap = line[1];
  const std::string& division = line[2];
  const std::string& gender = line[3];
  if (name.size() > static_cast<std::size_t>(name_length)) ++counts.names_cut;
  set_field_text_terminated(e.name, name);
  char sex = gender.empty() ? 'M' : gender[0];
  auto value = parse_handicap_text(handicap);
  e.handicap_index = static_cast<std::int16_t>(tee_sheet_index(value.value_or(HandicapText{false, 9990}), sex));
  int d = parse_int(division, 10);
  e.division = static_cast<std::int8_t>(d < 1 || d > state.header.division_count ? 1 : d);
  e.gender = sex;
  e.entry_flags = begins_with_yes(line[4]) ? entry_flag::power_cart : 0;
  e.is_member = begins_with_yes(line[5]) ? 1 : 0;
  ++counts.placed;
}

int field_capacity(const State& state) { return max_group_count(state.header.group_size) * state.header.group_size; }

bool ask_to_erase(State& state) {
  int golfers = 0;
  int scored = 0;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (!read_record(state, RecordKind::group, g)) return false;  // told; nothing is erased
    for (int i = 0; i < state.header.group_size && i < max_group_size; ++i) {
      if (state.group.entries[i].name[0] == 0) continue;
      ++golfers;
      if (state.group.entries[i].hole_scores[0] != 0) ++scored;
    }
  }
  if (golfers == 0) return true;
  std::string name = field_text(state.header.name);
  Button b = scored > 0
                 ? destructive_question(
                       state, message_kind::warning_ok_cancel,
                       "For the selected tournament (%s) %d golfers have been entered and scores have been "
                       "entered for %d golfers.\n\nImporting golfers from the Excel spreadsheet will cause all "
                       "existing golfers and scores to be erased. \n\nDo you wish to continue with this import?",
                       name.c_str(), golfers, scored)
                 : destructive_question(
                       state, message_kind::warning_ok_cancel,
                       "For the selected tournament (%s) %d golfers have been entered but no scores have been "
                       "entered.\n\nImporting golfers from the Excel spreadsheet will cause all existing golfers "
                       "to be erased. \n\nDo you wish to continue with this import?",
                       name.c_str(), golfers);
  return b == Button::ok;
}

bool fits(State& state, int slots_needed) {
  if (slots_needed <= field_capacity(state)) return true;
  message_box(state, message_kind::error,
              "The spreadsheet holds %d rows up to its last golfer, but the (%s) tournament can hold at most %d "
              "golfers in groups of %d.\n\nThe import was NOT successfully completed.",
              slots_needed, field_text(state.header.name).c_str(), field_capacity(state), state.header.group_size);
  return false;
}

// Makes room for every row up to the last golfer's (which fits). False when
// the header could not be written.
bool size_field(State& state, int slots_needed) {
  const int size = state.header.group_size;
  if (state.header.group_count * size >= slots_needed) return true;
  state.header.group_count = static_cast<std::uint8_t>((slots_needed + size - 1) / size);
  refresh_last_tee_time(state.header);
  return write_record(state, RecordKind::tournament, state.current_tournament).is_ok();
}

std::vector<ImportLine> import_lines(const TeeSheetLines& sheet) {
  std::vector<ImportLine> lines;
  for (const auto& l : sheet.lines) lines.push_back({l.name, l.handicap, l.division, l.gender, l.power_cart, l.member});
  return lines;
}

// Writes "import.txt" and reads it back whole. Nothing after the user has been told.
std::optional<std::vector<ImportLine>> through_import_file(State& state, const TeeSheetLines& sheet) {
  const std::filesystem::path import_path = state.file(import_file_name);
  Status written = write_import_lines(import_path, import_lines(sheet));
  if (!written) {
    message_box(state, message_kind::error,
                "The file %s could not be written (%s).\n\nThe import was NOT successfully completed.",
                import_file_name, written.reason().c_str());
    return std::nullopt;
  }
  auto lines = read_import_lines(import_path, tee_sheet_fields);
  if (!lines || lines->size() != sheet.lines.size()) {
    refuse_import(state, std::string(import_file_name) + " does not read back as it was written (" +
                             (lines ? "a line is missing" : lines.status().reason()) + ")");
    return std::nullopt;
  }
  return std::move(*lines);
}

}  // namespace

Result<TeeSheetLines> tee_sheet_lines(const SheetTable& table) {
  TeeSheetLines out;
  const int name = table.column("name");
  const int handicap = table.column("handicap");
  const int division = table.column("division");
  const int gender = table.column("gender");
  const int cart = table.column("powercart");
  const int member = table.column("member");
  if (name < 0) return Status::failed(missing_column("Name"));
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    TeeSheetLine line;
    std::string name_text = one_line(table.cell(r, name));
    line.name = name_text.empty() ? vacancy_name : single_byte(name_text, &out.names_changed);
    line.division = cell_or(table, r, division, "1");
    line.gender = to_upper_ascii(cell_or(table, r, gender, "M"));
    line.power_cart = cell_or(table, r, cart, "No");
    line.member = cell_or(table, r, member, "No");
    std::string hcap = trimmed(table.cell(r, handicap));
    line.handicap = hcap.empty() ? "99.9" : hcap;
    if (line.name != vacancy_name) {
      // A golfer's numbers must read as numbers: a wrong one is never stored.
      auto readable = hcap.empty() ? std::optional<std::string>("99.9") : handicap_cell_text(hcap);
      if (!readable) return Status::failed(cell_refusal(table, r, handicap, hcap, "a handicap index"));
      line.handicap = *readable;
      std::string div = trimmed(table.cell(r, division));
      if (!div.empty() && !whole_number_text(div))
        return Status::failed(cell_refusal(table, r, division, div, "a division number"));
      ++out.golfer_rows;
      out.slots_needed = static_cast<int>(r) + 1;
    }
    out.lines.push_back(std::move(line));
  }
  if (out.golfer_rows == 0) return Status::failed("no row of the sheet has a name in its Name column");
  return out;
}

Status import_tee_sheet(State& state, int tournament) {
  if (tournament <= 0) {
    error_box(state, "A tournament must be selected");
    return Status::told();
  }
  if (Status read = read_record(state, RecordKind::tournament, tournament); !read) return read;
  // The whole sheet is read and checked before the field may be erased.
  auto workbook = choose_import_workbook(state, "TeeSheet - " + field_text(state.header.name) + ".xlsx");
  if (!workbook) return Status::told();
  Result<SheetTable> table = read_workbook_copy(state, *workbook);
  if (!table) return table.status();
  Result<TeeSheetLines> sheet = tee_sheet_lines(*table);
  if (!sheet) {
    refuse_import(state, sheet.status().reason());
    return Status::told();
  }
  if (!fits(state, sheet->slots_needed)) return Status::told();
  auto lines = through_import_file(state, *sheet);
  if (!lines) return Status::told();
  if (!ask_to_erase(state)) return Status::told();
  // The old field is replaced by the sheet's whole or not at all.
  DatabaseTransaction change(state);
  if (!size_field(state, sheet->slots_needed)) return Status::told();

  ImportCounts counts;
  {
    BusyCursor busy(state);
    std::size_t next = 0;
    for (int g = 1; g <= state.header.group_count; ++g) {
      std::memset(&state.group, 0, sizeof state.group);
      for (int slot = 0; slot < state.header.group_size && slot < max_group_size; ++slot) {
        if (next >= lines->size()) continue;  // past the sheet's last row the slot stays empty
        const ImportLine& line = (*lines)[next++];
        if (line[0] == vacancy_name) continue;
        fill_slot(state, state.group.entries[slot], line, counts);
      }
      if (!write_record(state, RecordKind::group, g)) return Status::told();
    }
  }
  if (!change.commit()) return Status::told();
  std::string text_shown = format_text(message_limit, "A total of %d golfers were imported into the (%s) tournament.",
                                       counts.placed, field_text(state.header.name).c_str());
  if (counts.names_cut > 0)
    text_shown += format_text(message_limit, "\n\n%d name(s) were longer than %d characters and were shortened.",
                              counts.names_cut, name_length);
  if (sheet->names_changed > 0)
    text_shown += format_text(message_limit,
                              "\n\n%d name(s) held characters that Quillon cannot store; each such character was "
                              "replaced by '?'.",
                              sheet->names_changed);
  show_message_text(state, message_kind::information, text_shown);
  return Status::ok();
}

}  // namespace quillon
