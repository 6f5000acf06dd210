#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/golfer_rules.h"
#include "tournament/score_entry.h"

namespace quillon {

namespace {

constexpr int front_nine = 9;
// A score below this is a valid entry (0 or an ace) that keeps the cursor in its cell.
constexpr int score_that_moves_on = 2;
// The most strokes a hole can take; the results engine refuses a card above it.
constexpr int highest_hole_score = 15;

bool is_pick_up(const std::string& text) {
  std::string t = trimmed(text);
  return t == "x" || t == "X";
}

}  // namespace

void ScoreEntryModel::on_changed(Field& f) {
  if (&f == &form_.group_number) {
    group_chosen(f);
    return;
  }
  for (int row = 1; row <= rows_; ++row) {
    const ScoreEntryForm::Row& fields = row_fields(row);
    for (int hole = 1; hole <= 18; ++hole)
      if (&f == fields.holes[hole - 1]) return hole_typed(f, row, hole);
    if (&f == fields.name) unlink_renamed_member(state_, f, stored_, row, group_);
    else if (&f == &fields.handicap_index && !team_window_) index_typed(f, row);
    else if (&f == fields.division) check_division_typed(state_, f);
    else if (&f == fields.dq) dq_typed(f);
  }
}

void ScoreEntryModel::hole_typed(Field& cell, int row, int hole) {
  const Format format = format_of(state_.header);
  if (is_individual_stableford(format) && is_pick_up(cell.text)) {
    GolferEntry card = card_of_row(row);
    const CourseRecord tee = division_tee(state_, card.division, course_);
    cell.text = std::to_string(pick_up_score(format, card, tee, hole, state_.header, state_.system));
  }
  int score = cell_score(cell.text);
  if (score > highest_hole_score) {
    message_box(state_, message_kind::error, "Golfer [%s], Hole # [%d] :\n Score must be > 0 and <= 15",
                trimmed(row_named(row) && row_fields(row).name ? row_fields(row).name->text : std::string()).c_str(),
                hole);
    int kept = stored_.entries[row - 1].hole_scores[hole - 1];
    cell.text = kept > 0 ? std::to_string(kept) : "";
    set_focus(cell.name);
    return;
  }
  if (score == 0) cell.text.clear();  // the cell holds numbers only
  show_running_totals(row);
  row_fields(row).net.text.clear();
  if (format_traits(format).kind == HandicapKind::computed) row_fields(row).handicap_index.text.clear();

  if (score < score_that_moves_on) {
    set_focus(cell.name);
    return;
  }
  if (hole < hole_count_) {
    enter_cell(row, hole + 1);
    return;
  }
  if (scores_completed_card(format)) show_completed_card(row);
  if (save_score_page()) enter_cell(row + 1, 1);
}

void ScoreEntryModel::enter_cell(int row, int hole) {
  while (row <= rows_ && !row_named(row)) ++row;
  set_focus(row > rows_ ? std::string(ok_focus) : row_fields(row).holes[hole - 1]->name);
}

void ScoreEntryModel::show_running_totals(int row) {
  const ScoreEntryForm::Row& fields = row_fields(row);
  int front = 0, back = 0;
  bool any = false;
  for (int hole = 1; hole <= hole_count_; ++hole) {
    int score = cell_score(fields.holes[hole - 1]->text);
    any = any || score != 0;
    (hole <= front_nine ? front : back) += score;
  }
  fields.front_total.text = any ? std::to_string(front) : "";
  fields.back_total.text = any && hole_count_ > front_nine ? std::to_string(back) : "";
  fields.total.text = any ? std::to_string(front + back) : "";
}

void ScoreEntryModel::index_typed(Field& index, int row) {
  division_follows_index(state_, *row_fields(row).division, index.text, row_gender(row));
}

void ScoreEntryModel::dq_typed(const Field& box) {
  if (box.checked)
    message_box(state_, message_kind::warning,
                "Designating a golfer as disqualified will cause the golfer to be excluded from tournament results.");
}

bool ScoreEntryModel::row_named(int row) const {
  if (team_window_) return stored_.entries[0].name[0] != 0;
  return !trimmed(row_fields(row).name->text).empty();
}

// The row's entry as it stands in the window: its holes, division and index.
GolferEntry ScoreEntryModel::card_of_row(int row) const {
  GolferEntry e = stored_.entries[row - 1];
  const ScoreEntryForm::Row& fields = row_fields(row);
  e.gender = row_gender(row);
  for (int hole = 1; hole <= hole_count_; ++hole)
    e.hole_scores[hole - 1] = static_cast<std::int8_t>(cell_score(fields.holes[hole - 1]->text));
  if (team_window_) return e;
  int division = parse_int(trimmed(fields.division->text), 2);
  e.division = static_cast<std::int8_t>(division == 0 ? 1 : division);
  if (format_traits(state_.header).kind != HandicapKind::computed)
    if (auto index = read_index_text(fields.handicap_index.text)) e.handicap_index = static_cast<std::int16_t>(*index);
  return e;
}

char ScoreEntryModel::row_gender(int row) const { return entry_gender(state_, stored_.entries[row - 1].gender); }

}  // namespace quillon
