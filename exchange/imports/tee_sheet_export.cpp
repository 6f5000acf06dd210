#include "exchange/imports/tee_sheet_export.h"

#include "core/cp1252.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/imports/workbook_files.h"
#include "exchange/spreadsheets/spreadsheet_writer.h"
#include "tournament/formats.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

std::string group_label(State& state, int group) {
  auto start = static_cast<StartType>(state.header.start_type);
  if (start == StartType::shotgun || start == StartType::double_shotgun) return shotgun_hole_of_group(state, group);
  return std::to_string(group);
}

std::vector<std::string> golfer_row(const GolferEntry& e) {
  if (e.name[0] == 0) return {"", "", "M", "1", "No", "No"};
  std::string gender = e.gender ? std::string(1, e.gender) : "";
  return {utf8_from_cp1252(field_text(e.name)),
          format_text(32, "%4.1f", e.handicap_index / 10.0),
          utf8_from_cp1252(gender),
          std::to_string(e.division),
          "No",
          e.is_member ? "Yes" : "No"};
}

Status tell_failure(State& state, const Status& status) {
  // The library's own description, shown with the error icon and no title.
  if (status.needs_telling()) ask_titled(state, message_kind::error, "", status.reason());
  not_done_box(state, message_kind::information, "The export of the tee sheet was not successful.");
  return Status::told();
}

}  // namespace

Result<std::vector<std::vector<std::string>>> tee_sheet_rows(State& state) {
  std::vector<std::vector<std::string>> rows;
  const int groups = state.header.group_count;
  const int size = state.header.group_size;
  for (int g = 1; g <= groups; ++g) {
    // The labels come first: the shotgun label reads a course through the shared buffers.
    std::string label = group_label(state, g);
    std::string time = tee_time_of_group(state.header, g);
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 0; slot < size && slot < max_group_size; ++slot) {
      std::vector<std::string> row = {slot == 0 ? label : "", slot == 0 ? time : ""};
      for (auto& cell : golfer_row(state.group.entries[slot])) row.push_back(std::move(cell));
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

std::string tee_sheet_file_name(State& state) { return "TeeSheet - " + field_text(state.header.name) + ".xlsx"; }

Status export_tee_sheet(State& state, int tournament) {
  if (tournament <= 0) {
    error_box(state, "A tournament must be selected");
    return Status::told();
  }
  if (Status read = read_record(state, RecordKind::tournament, tournament); !read) return read;
  auto path = choose_export_path(state, tee_sheet_file_name(state));
  if (!path) return Status::told();
  // The field is read whole before the file is made: a failed read leaves no file.
  const int failed_reads = state.told_read_failures;
  Result<std::vector<std::vector<std::string>>> rows = tee_sheet_rows(state);
  if (!rows) return rows.status();
  if (state.told_read_failures != failed_reads) return Status::told();  // a shotgun label's course
  auto writer = make_sheet_writer(*path);
  Status status = writer->create(*path, tee_sheet_name, tee_sheet_columns);
  if (!status) return tell_failure(state, status);
  {
    BusyCursor busy(state);
    for (const auto& row : *rows) {
      status = writer->add(row);
      if (!status) break;
    }
    if (status) status = writer->close();
  }
  if (!status) return tell_failure(state, status);
  message_box(state, message_kind::information,
              "The Tee Sheet for the %s tournament was exported to an Excel spreadsheet [%s].\n\nThis Excel "
              "spreadsheet can be used to enter the golfers for the tournament and then imported back into Quillon "
              "for Windows.",
              field_text(state.header.name).c_str(), shown_path(*path).c_str());
  return Status::ok();
}

}  // namespace quillon
