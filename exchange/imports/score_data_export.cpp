#include "exchange/imports/score_data_export.h"

#include <map>

#include "core/cp1252.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "exchange/imports/workbook_files.h"
#include "exchange/spreadsheets/spreadsheet_writer.h"
#include "tournament/field.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr int full_round = 18;
constexpr int nine = 9;

Result<int> course_holes(State& state, int slot) {
  Result<CourseRecord> course = telling(state, load_course(state, slot));
  if (!course) return course.status();
  return static_cast<int>(course->hole_count);
}

std::vector<std::string> score_row(const GolferEntry& e, bool eighteen_hole_layout, bool golfer_plays_18) {
  std::vector<std::string> row = {utf8_from_cp1252(field_text(e.name))};
  int front = 0;
  int back = 0;
  for (int h = 0; h < nine; ++h) {
    row.push_back(std::to_string(e.hole_scores[h]));
    front += e.hole_scores[h];
  }
  if (!eighteen_hole_layout) {
    row.push_back(std::to_string(front));
    return row;
  }
  for (int h = nine; h < full_round; ++h) {
    row.push_back(golfer_plays_18 ? std::to_string(e.hole_scores[h]) : " ");
    back += e.hole_scores[h];
  }
  row.push_back(std::to_string(front));
  row.push_back(std::to_string(back));
  row.push_back(std::to_string(front + back));
  return row;
}

}  // namespace

std::vector<std::string> score_data_columns(int holes) {
  int shown = holes == full_round ? full_round : nine;
  std::vector<std::string> columns = {"Name"};
  for (int h = 1; h <= shown; ++h) columns.push_back(std::to_string(h));
  if (shown == full_round) {
    columns.push_back("F9");
    columns.push_back("B9");
  }
  columns.push_back("Tot");
  return columns;
}

Result<std::vector<std::vector<std::string>>> score_data_rows(State& state, int holes) {
  std::map<int, int> holes_of_tee;
  for (int d = 1; d <= 10; ++d) {
    int tee = tee_of_division(state, d);
    if (holes_of_tee.count(tee)) continue;
    Result<int> tee_holes = course_holes(state, tee);
    if (!tee_holes) return tee_holes.status();
    holes_of_tee[tee] = *tee_holes;
  }
  std::vector<std::vector<std::string>> rows;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 0; slot < state.header.group_size && slot < max_group_size; ++slot) {
      const GolferEntry& e = state.group.entries[slot];
      if (e.name[0] == 0 || e.disqualified || e.hole_scores[0] == 0) continue;
      bool plays_18 = holes_of_tee[tee_of_division(state, e.division)] == full_round;
      rows.push_back(score_row(e, holes == full_round, plays_18));
    }
  }
  return rows;
}

Status export_score_data(State& state) {
  int t = select_tournament(state, TournamentList::days);
  if (t == 0) return Status::told();
  auto path = choose_export_path(state, "Scoredata - " + field_text(state.header.name) + ".xlsx");
  if (!path) return Status::told();
  Status status = Status::ok();
  {
    BusyCursor busy(state);
    // The scores are read whole before the file is made: a failed read leaves no file.
    Result<int> holes = course_holes(state, tee_of_division(state, 1));
    if (!holes) return holes.status();
    Result<std::vector<std::vector<std::string>>> rows = score_data_rows(state, *holes);
    if (!rows) return rows.status();
    auto writer = make_sheet_writer(*path);
    status = writer->create(*path, score_data_sheet_name, score_data_columns(*holes));
    if (status) {
      for (const auto& row : *rows) {
        status = writer->add(row);
        if (!status) break;
      }
    }
    if (status) status = writer->close();
  }
  if (!status) {
    if (status.needs_telling()) ask_titled(state, message_kind::error, "", status.reason());
    not_done_box(state, message_kind::information, "The export of the score data was not successful.");
    return Status::told();
  }
  message_box(state, message_kind::information,
              "The Score Data for the %s tournament was exported to an Excel spreadsheet [%s].",
              field_text(state.header.name).c_str(), shown_path(*path).c_str());
  return Status::ok();
}

}  // namespace quillon
