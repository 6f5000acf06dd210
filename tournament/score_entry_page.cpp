#include <algorithm>

#include "core/checked_save.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/golfer_rules.h"
#include "tournament/golfer_selection.h"
#include "tournament/score_entry.h"

namespace quillon {

namespace {

bool uses_index(Format format) { return format_traits(format).kind != HandicapKind::computed; }

// A card is shown and totalled from its first entered hole, wherever the
// golfer began typing: a card begun on hole 2 is no empty card.
bool any_hole_scored(const GolferEntry& e, int holes) {
  return std::any_of(e.hole_scores, e.hole_scores + holes, [](std::int8_t score) { return score != 0; });
}

}  // namespace

void ScoreEntryModel::show_group(int group) {
  int count = std::max<int>(state_.header.group_count, 1);
  group_ = std::clamp(group, 1, count);
  state_.current_group = group_;
  refresh_group_list();
  load();
  enter_cell(1, 1);
}

void ScoreEntryModel::load() {
  // After a failed read (told) the group shows empty; OK then finds the file changed and writes nothing.
  (void)read_record(state_, RecordKind::group, group_);
  stored_ = state_.group;
  for (int row = 1; row <= rows_; ++row) load_row(row);
}

void ScoreEntryModel::load_row(int row) {
  const GolferEntry& e = stored_.entries[row - 1];
  const ScoreEntryForm::Row& fields = row_fields(row);
  const bool named = e.name[0] != 0;
  if (!team_window_) {
    fields.name->text = field_text(e.name);
    fields.division->text = named ? std::to_string(e.division) : "1";
    fields.skins->checked = named && e.in_skins == 1;
    fields.dq->checked = named && e.disqualified == 1;
  }
  fields.handicap_index.text = named ? score_handicap_text(format_of(state_.header), e) : "";
  const bool scored = named && any_hole_scored(e, hole_count_);
  for (int hole = 1; hole <= 18; ++hole) {
    int score = e.hole_scores[hole - 1];
    fields.holes[hole - 1]->text = scored && hole <= hole_count_ && score != 0 ? std::to_string(score) : "";
  }
  show_running_totals(row);
  show_figures(row, e, scored && e.hole_scores[hole_count_ - 1] >= 2);
}

void ScoreEntryModel::show_figures(int row, const GolferEntry& entry, bool scored) {
  const ScoreEntryForm::Row& fields = row_fields(row);
  fields.gross.text = scored ? std::to_string(entry.gross_score) : "";
  fields.net.text = scored ? std::to_string(entry.net_score) : "";
  const Format format = format_of(state_.header);
  if (format_traits(format).kind == HandicapKind::computed)
    fields.handicap_index.text = scored ? score_handicap_text(format, entry) : "";
  else if (team_window_ && entry.name[0] != 0) fields.handicap_index.text = score_handicap_text(format, entry);
}

// Copies the row's fields into its entry. False, after telling the user,
// when the handicap text is refused.
bool ScoreEntryModel::store_row(GolferEntry& e, int row) {
  const Format format = format_of(state_.header);
  const ScoreEntryForm::Row& fields = row_fields(row);
  if (!team_window_) {
    std::string name = fields.name->text.substr(0, 25);
    if (e.is_member != 1) name = trimmed(name);
    clear_scores_of_removed(e, name);
    set_field_text(e.name, name);
  }
  if (e.name[0] != 0) {
    e.gender = entry_gender(state_, e.gender);
    if (!team_window_) {
      e.in_skins = fields.skins->checked ? 1 : 0;
      e.disqualified = fields.dq->checked ? 1 : 0;
      int division = parse_int(trimmed(fields.division->text), 2);
      e.division = static_cast<std::int8_t>(division == 0 ? 1 : division);
    }
    for (int hole = 1; hole <= hole_count_; ++hole)
      e.hole_scores[hole - 1] = static_cast<std::int8_t>(cell_score(fields.holes[hole - 1]->text));
  }
  // The team window's figure is the team handicap, never a golfer's index.
  if (team_window_ || !uses_index(format)) return true;
  IndexCell cell;
  cell.row = row;
  cell.name = field_text(e.name);
  cell.typed = fields.handicap_index.text;
  cell.loaded = stored_.entries[row - 1].name[0] != 0 ? score_handicap_text(format, stored_.entries[row - 1]) : "";
  cell.stored = e.handicap_index;
  cell.gender = entry_gender(state_, e.gender);
  cell.division = e.division;
  auto index = index_to_store(state_, cell, detail_index_bounds);
  if (!index) return false;
  e.handicap_index = static_cast<std::int16_t>(*index);
  return true;
}

bool ScoreEntryModel::save_score_page() {
  // Every row is checked before the group is written, so a refused index
  // leaves the whole page as it was stored.
  GroupBuffer group = stored_;
  for (int row = 1; row <= rows_; ++row) {
    GolferEntry entry = group.entries[row - 1];
    if (!store_row(entry, row)) return false;
    group.entries[row - 1] = entry;
    if (entry.name[0] != 0 && any_hole_scored(entry, hole_count_) && scores_completed_card(format_of(state_.header)))
      score_card(group, row);
  }
  if (!save_group_or_reload(state_, group_, stored_, group, [this] { load(); })) return false;
  stored_ = group;
  if (!write_record(state_, RecordKind::tournament, state_.current_tournament)) return false;
  for (int row = 1; row <= rows_; ++row) load_row(row);
  return true;
}

// Runs the scorer on the row of the group; a card it cannot score is left as it is.
void ScoreEntryModel::score_card(GroupBuffer& group, int row) {
  if (!scorer_) return;
  state_.group = group;
  if (scorer_(state_, row)) group = state_.group;
}

void ScoreEntryModel::show_completed_card(int row) {
  GroupBuffer group = stored_;
  group.entries[row - 1] = card_of_row(row);
  state_.group = group;
  bool scored = scorer_ && scorer_(state_, row).is_ok();
  show_figures(row, state_.group.entries[row - 1], scored);
}

void ScoreEntryModel::previous() {
  if (save_score_page()) show_group(group_ - 1);
}

void ScoreEntryModel::next() {
  if (!save_score_page()) return;
  if (group_ < state_.header.group_count || grow_groups_to(state_, group_ + 1)) show_group(group_ + 1);
}

void ScoreEntryModel::search() {
  if (!save_score_page()) return;
  auto place = select_golfer(state_);
  if (!place) {
    state_.group = stored_;
    return;
  }
  show_group(place->group);
  set_focus(hole_field(team_window_ ? 1 : place->row, 1));
}

void ScoreEntryModel::group_chosen(Field& list) {
  int chosen = list.index + 1;
  list.index = group_ - 1;
  if (save_score_page()) show_group(chosen);
}

void ScoreEntryModel::on_pressed(Field& f) {
  if (&f == &form_.prev) previous();
  else if (&f == &form_.next) next();
  else if (&f == &form_.search) search();
}

}  // namespace quillon
