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
    : state_(state),
      scorer_(std::move(scorer)),
      team_window_(uses_team_window(format_of(state.header))),
      rows_(team_window_ ? 1 : group_size_of(state.header)),
      form_(build_fields()) {
  const TournamentHeader& h = state_.header;
  int tee = tee_of_division(state_, 1);
  // After a failed read (told) the window shows no holes, and OK changes no score.
  if (Result<CourseRecord> course = telling(state_, load_course(state_, tee < 1 ? 1 : tee))) course_ = *course;
  hole_count_ = tee_values::hole_count(course_);
  title_ = format_text(128, "Add Scores : %s - %s", field_text(h.name).c_str(), format_name(format_of(h)));
  help_topic_ = Help::scores;
  show_layout();
  show_group(group);
}

ScoreEntryForm ScoreEntryModel::build_fields() {
  const Format format = format_of(state_.header);
  auto label = [this](std::string name, std::string text) { return &add(Field::label_field(name, text)); };
  auto hole_headings = [&] {
    std::vector<Field*> headings;
    if (team_window_) {
      for (int hole = 1; hole <= 18; ++hole)
        headings.push_back(label(format_text(32, "hole_heading.%d", hole), std::to_string(hole)));
    } else {
      for (int column = 1; column <= holes_per_line; ++column)
        headings.push_back(label(format_text(32, "hole_heading.%d", column),
                                 format_text(16, "%d/%d", column, column + holes_per_line)));
    }
    return headings;
  };
  auto rows = [this] {
    std::vector<ScoreEntryForm::Row> built;
    for (int row = 1; row <= rows_; ++row) built.push_back(build_row(row));
    return built;
  };
  // Braced initialisers run in order: the fields are added as listed.
  return ScoreEntryForm{
      .group_number = add(Field::list_field("group_number", "Group", {})),
      .team_heading = team_window_ ? label("team_heading", "Team") : nullptr,
      .hole_headings = hole_headings(),
      .skins_heading = team_window_ ? nullptr : label("skins_heading", "Skins"),
      .dq_heading = team_window_ ? nullptr : label("dq_heading", "DQ"),
      .gross_heading = *label("gross_heading", "Gross"),
      .index_heading =
          *label("index_heading", format_traits(format).kind == HandicapKind::computed ? "Handicap" : "HC Index"),
      .net_heading = *label("net_heading", scores_points(format) ? "Points" : "Net Score"),
      .rows = rows(),
      .prev = add(Field::button_field("prev", "Prev")),
      .next = add(Field::button_field("next", "Next")),
      .search = add(Field::button_field("search", "Search")),
  };
}

ScoreEntryForm::Row ScoreEntryModel::build_row(int row) {
  const std::string group = row_group(row);
  auto in_row = [&](Field field) -> Field& {
    field.group = group;
    return add(std::move(field));
  };
  auto player_only = [&](Field field) { return team_window_ ? nullptr : &in_row(std::move(field)); };
  // Digits only; the Stableford formats also take the pick-up "X".
  const std::string hole_chars = is_individual_stableford(format_of(state_.header)) ? "0123456789xX " : "0123456789 ";
  auto holes = [&] {
    std::vector<Field*> cells;
    for (int hole = 1; hole <= 18; ++hole) {
      Field cell = Field::text_field(hole_field(row, hole), "", 2);
      cell.accepts = hole_chars;
      cells.push_back(&in_row(std::move(cell)));
    }
    return cells;
  };
  return ScoreEntryForm::Row{
      .name = player_only(Field::text_field(row_field("name", row), "", 25)),
      .holes = holes(),
      .front_total = in_row(Field::label_field(row_field("front_total", row), "")),
      .back_total = in_row(Field::label_field(row_field("back_total", row), "")),
      .total = in_row(Field::label_field(row_field("total", row), "")),
      .division = player_only(Field::text_field(row_field("division", row), "", 2)),
      .skins = player_only(Field::check_field(row_field("skins", row), "")),
      .dq = player_only(Field::check_field(row_field("dq", row), "")),
      .gross = in_row(Field::label_field(row_field("gross", row), "")),
      .handicap_index = in_row(team_window_ ? Field::label_field(row_field("handicap_index", row), "")
                                            : Field::text_field(row_field("handicap_index", row), "", 5)),
      .net = in_row(Field::label_field(row_field("net", row), "")),
  };
}

// What is shown or typed does not change from page to page: the second line
// of holes on a 9-hole course, the index of computed formats, the division
// under automatic assignment.
void ScoreEntryModel::show_layout() {
  const bool nine_holes = hole_count_ == 9;
  for (const ScoreEntryForm::Row& row : form_.rows) {
    for (int hole = holes_per_line + 1; hole <= 18; ++hole) row.holes[hole - 1]->visible = !nine_holes;
    row.back_total.visible = !nine_holes;
    if (team_window_) continue;
    row.handicap_index.enabled = format_traits(state_.header).kind != HandicapKind::computed;
    row.division->enabled = !header_options::has(state_.header, header_options::auto_assign);
  }
  if (team_window_ && nine_holes)
    for (int hole = holes_per_line + 1; hole <= 18; ++hole) form_.hole_headings[hole - 1]->visible = false;
}

void ScoreEntryModel::refresh_group_list() {
  Field& list = form_.group_number;
  list.options.clear();
  for (int g = 1; g <= state_.header.group_count; ++g) list.options.push_back(format_text(8, "%03d", g));
  list.index = group_ - 1;
}

ParMark ScoreEntryModel::cell_mark(int row, int hole) const {
  if (!marks_par(format_of(state_.header)) || row < 1 || row > rows_ || hole < 1 || hole > hole_count_)
    return ParMark::none;
  return par_mark(cell_score(row_fields(row).holes[hole - 1]->text), tee_values::par(course_, row_gender(row), hole));
}

}  // namespace quillon
