#include <cstdio>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/record_values.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/tee_values.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/header_options.h"
#include "tournament/score_entry.h"

namespace quillon {

namespace {

constexpr int holes_per_line = 9;

std::string row_group(int row) { return format_text(16, "row.%d", row); }

}  // namespace

std::string ScoreEntryModel::hole_field(int row, int hole) { return format_text(32, "score.%d.%d", row, hole); }

std::string ScoreEntryModel::row_field(const char* column, int row) { return format_text(48, "%s.%d", column, row); }

ScoreEntryModel::ScoreEntryModel(State& state, int group, CardScorer scorer)
    : state_(state), scorer_(std::move(scorer)) {
  const TournamentHeader& h = state_.header;
  team_window_ = uses_team_window(format_of(h));
  rows_ = team_window_ ? 1 : group_size_of(h);
  int tee = tee_of_division(state_, 1);
  // After a failed read (told) the window shows no holes, and OK changes no score.
  if (Result<CourseRecord> course = telling(state_, load_course(state_, tee < 1 ? 1 : tee))) course_ = *course;
  hole_count_ = tee_values::hole_count(course_);
  title_ = format_text(128, "Add Scores : %s - %s", field_text(h.name).c_str(), format_name(format_of(h)));
  help_topic_ = Help::scores;
  build_fields();
  show_layout();
  show_group(group);
}

void ScoreEntryModel::build_fields() {
  const Format format = format_of(state_.header);
  add(Field::list_field("group_number", "Group", {}));
  if (team_window_) {
    add(Field::label_field("team_heading", "Team"));
    for (int hole = 1; hole <= 18; ++hole)
      add(Field::label_field(format_text(32, "hole_heading.%d", hole), std::to_string(hole)));
  } else {
    for (int column = 1; column <= holes_per_line; ++column)
      add(Field::label_field(format_text(32, "hole_heading.%d", column),
                             format_text(16, "%d/%d", column, column + holes_per_line)));
    add(Field::label_field("skins_heading", "Skins"));
    add(Field::label_field("dq_heading", "DQ"));
  }
  add(Field::label_field("gross_heading", "Gross"));
  add(Field::label_field("index_heading",
                         format_traits(format).kind == HandicapKind::computed ? "Handicap" : "HC Index"));
  add(Field::label_field("net_heading", scores_points(format) ? "Points" : "Net Score"));
  for (int row = 1; row <= rows_; ++row) build_row(row);
  add(Field::button_field("prev", "Prev"));
  add(Field::button_field("next", "Next"));
  add(Field::button_field("search", "Search"));
}

void ScoreEntryModel::build_row(int row) {
  const std::string group = row_group(row);
  if (!team_window_) add(Field::text_field(row_field("name", row), "", 25)).group = group;
  // Digits only; the Stableford formats also take the pick-up "X".
  const std::string hole_chars = is_individual_stableford(format_of(state_.header)) ? "0123456789xX " : "0123456789 ";
  for (int hole = 1; hole <= 18; ++hole) {
    Field cell = Field::text_field(hole_field(row, hole), "", 2);
    cell.accepts = hole_chars;
    cell.group = group;
    add(std::move(cell));
  }
  add(Field::label_field(row_field("front_total", row), "")).group = group;
  add(Field::label_field(row_field("back_total", row), "")).group = group;
  add(Field::label_field(row_field("total", row), "")).group = group;
  if (!team_window_) {
    add(Field::text_field(row_field("division", row), "", 2)).group = group;
    add(Field::check_field(row_field("skins", row), "")).group = group;
    add(Field::check_field(row_field("dq", row), "")).group = group;
  }
  add(Field::label_field(row_field("gross", row), "")).group = group;
  if (team_window_) add(Field::label_field(row_field("handicap_index", row), "")).group = group;
  else add(Field::text_field(row_field("handicap_index", row), "", 5)).group = group;
  add(Field::label_field(row_field("net", row), "")).group = group;
}

// What is shown or typed does not change from page to page: the second line
// of holes on a 9-hole course, the index of computed formats, the division
// under automatic assignment.
void ScoreEntryModel::show_layout() {
  const bool nine_holes = hole_count_ == 9;
  for (int row = 1; row <= rows_; ++row) {
    for (int hole = holes_per_line + 1; hole <= 18; ++hole) field(hole_field(row, hole)).visible = !nine_holes;
    field(row_field("back_total", row)).visible = !nine_holes;
    if (team_window_) continue;
    field(row_field("handicap_index", row)).enabled = format_traits(state_.header).kind != HandicapKind::computed;
    field(row_field("division", row)).enabled = !header_options::has(state_.header, header_options::auto_assign);
  }
  if (team_window_ && nine_holes)
    for (int hole = holes_per_line + 1; hole <= 18; ++hole)
      field(format_text(32, "hole_heading.%d", hole)).visible = false;
}

void ScoreEntryModel::refresh_group_list() {
  Field& list = field("group_number");
  list.options.clear();
  for (int g = 1; g <= state_.header.group_count; ++g) list.options.push_back(format_text(8, "%03d", g));
  list.index = group_ - 1;
}

ParMark ScoreEntryModel::cell_mark(int row, int hole) const {
  if (!marks_par(format_of(state_.header)) || row < 1 || row > rows_ || hole < 1 || hole > hole_count_)
    return ParMark::none;
  return par_mark(cell_score(text(hole_field(row, hole))), tee_values::par(course_, row_gender(row), hole));
}

}  // namespace quillon
