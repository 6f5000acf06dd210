#include "tournament/golfer_summary.h"

#include <cctype>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "core/checked_save.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/golfer_rules.h"

namespace quillon {

namespace {

// Which group shown and which row a row field belongs to.
bool split_row_field(const std::string& name, std::string& column, int& shown, int& row) {
  auto first = name.find('.');
  if (first == std::string::npos) return false;
  column = name.substr(0, first);
  return std::sscanf(name.c_str() + first, ".%d.%d", &shown, &row) == 2;
}

}  // namespace

std::string GolferSummaryModel::row_field(const char* column, int shown, int row) {
  return format_text(32, "%s.%d.%d", column, shown, row);
}

GolferSummaryModel::GolferSummaryModel(State& state, int first_group) : state_(state) {
  title_ = golfer_window_title(state_);
  help_topic_ = Help::golfers;
  first_group_ = group_in_range(state_, first_group);
  build_fields();
  load();
  // Typing starts in the first golfer's name, not in the group list.
  focus_ = row_field("name", 1, 1);
}

void GolferSummaryModel::build_fields() {
  add(Field::list_field("group_number", "Group #", {}));
  bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  add(Field::label_field("index_heading", computed ? "Hand\n-icap" : "Hcap Index"));
  for (int b = 1; b <= summary_groups_shown; ++b) {
    add(Field::label_field(format_text(16, "group_label.%d", b), ""));
    for (int r = 1; r <= max_group_size; ++r) {
      std::string row = format_text(16, "row.%d.%d", b, r);
      add(Field::text_field(row_field("name", b, r), "", 25)).group = row;
      add(Field::text_field(row_field("index", b, r), "", 5)).group = row;
      add(Field::text_field(row_field("division", b, r), "", 2)).group = row;
      add(Field::text_field(row_field("gender", b, r), "", 1)).group = row;
      add(Field::check_field(row_field("cart", b, r), "")).group = row;
      add(Field::check_field(row_field("member", b, r), "")).group = row;
      add(Field::check_field(row_field("skins", b, r), "")).group = row;
    }
  }
  refresh_group_list();
}

void GolferSummaryModel::refresh_group_list() {
  Field& list = field("group_number");
  list.options.clear();
  for (int g = 1; g <= state_.header.group_count; ++g) list.options.push_back(std::to_string(g));
  list.index = first_group_ - 1;
}

void GolferSummaryModel::load() {
  const TournamentHeader& h = state_.header;
  bool computed = format_traits(h).kind == HandicapKind::computed;
  for (int b = 1; b <= summary_groups_shown; ++b) {
    int g = first_group_ + b - 1;
    field(format_text(16, "group_label.%d", b)).text = format_text(16, "%03d", g);
    std::memset(&stored_[b - 1], 0, sizeof stored_[b - 1]);
    if (g <= h.group_count) {
      // After a failed read (told) the group shows empty; OK then finds the file changed and writes nothing.
      (void)read_record(state_, RecordKind::group, g);
      stored_[b - 1] = state_.group;
    }
    for (int r = 1; r <= max_group_size; ++r) {
      const GolferEntry& e = stored_[b - 1].entries[r - 1];
      bool shown_row = r <= h.group_size;
      bool named = e.name[0] != 0;
      field(row_field("name", b, r)).text = field_text(e.name);
      field(row_field("index", b, r)).text = golfer_index_text(e.handicap_index);
      field(row_field("division", b, r)).text = named ? std::to_string(e.division) : "";
      if (h.division_count <= 1) field(row_field("division", b, r)).text = "1";
      field(row_field("gender", b, r)).text = named ? std::string(1, entry_gender(state_, e.gender)) : "";
      field(row_field("skins", b, r)).checked = e.in_skins == 1;
      field(row_field("cart", b, r)).checked = (e.entry_flags & entry_flag::power_cart) != 0;
      field(row_field("member", b, r)).checked = e.is_member == 1;
      for (const char* column : {"name", "index", "division", "gender", "cart", "member", "skins"})
        field(row_field(column, b, r)).visible = shown_row;
      if (format_traits(h).team && r >= 2) field(row_field("skins", b, r)).visible = false;
      field(row_field("index", b, r)).enabled = !computed;
      field(row_field("division", b, r)).enabled = division_typed(state_);
    }
  }
}

void GolferSummaryModel::name_typed(Field& f, int shown, int row) {
  int g = first_group_ + shown - 1;
  if (g > state_.header.group_count) {
    if (!group_fits_telling(state_, g)) {
      f.text.clear();
      return;
    }
    if (!grow_groups_to(state_, g)) return;
    refresh_group_list();
  }
  GolferEntry& stored = stored_[shown - 1].entries[row - 1];
  if (stored.is_member == 1 && f.text != field_text(stored.name)) {
    if (!confirm_member_name_change(state_)) {
      f.text = field_text(stored.name);
      return;
    }
    stored.is_member = 0;
    state_.group = stored_[shown - 1];
    if (write_record(state_, RecordKind::group, g)) {
      field(row_field("member", shown, row)).checked = false;
    } else {
      // Not recorded (the user has been told): the member and the name stay as stored.
      stored.is_member = 1;
      f.text = field_text(stored.name);
    }
  }
  if (field(row_field("gender", shown, row)).text.empty())
    field(row_field("gender", shown, row)).text = std::string(1, entry_gender(state_, 0));
}

void GolferSummaryModel::move_focus_when_full(const Field& f) {
  if (f.kind != FieldKind::text || f.max_length == 0 || static_cast<int>(f.text.size()) < f.max_length) return;
  bool after = false;
  for (const Field& next : fields()) {
    if (after && next.kind == FieldKind::text && next.visible && next.enabled) {
      set_focus(next.name);
      return;
    }
    after = after || &next == &f;
  }
}

void GolferSummaryModel::on_changed(Field& f) {
  if (f.name == "group_number") {
    int chosen = f.index + 1;
    f.index = first_group_ - 1;
    if (!save()) return;
    first_group_ = chosen;
    refresh_group_list();
    load();
    return;
  }
  std::string column;
  int shown = 0, row = 0;
  if (!split_row_field(f.name, column, shown, row)) return;
  if (column == "name") name_typed(f, shown, row);
  else if (column == "index")
    division_follows_index(
        state_, field(row_field("division", shown, row)), f.text,
        field(row_field("gender", shown, row)).text.empty() ? 0 : field(row_field("gender", shown, row)).text[0]);
  else if (column == "division") check_division_typed(state_, f);
  else if (column == "gender") check_gender_typed(state_, f);
  move_focus_when_full(f);
}

std::optional<GroupBuffer> GolferSummaryModel::edited_group(int shown) {
  GroupBuffer group = stored_[shown - 1];
  const bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  for (int r = 1; r <= state_.header.group_size; ++r) {
    GolferEntry& e = group.entries[r - 1];
    std::string name = field(row_field("name", shown, r)).text.substr(0, 25);
    if (e.is_member != 1) name = trimmed(name);
    std::string gender = trimmed(field(row_field("gender", shown, r)).text);
    char c = gender.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(gender[0])));
    int division = parse_int(trimmed(field(row_field("division", shown, r)).text), 2);
    division = division == 0 ? 1 : division;

    IndexCell cell;
    cell.row = r;
    cell.name = name;
    cell.typed = field(row_field("index", shown, r)).text;
    cell.loaded = golfer_index_text(e.handicap_index);
    cell.stored = e.handicap_index;
    cell.editable = !computed;
    cell.gender = entry_gender(state_, c);
    cell.division = division;
    auto index = index_to_store(state_, cell, summary_index_bounds);
    if (!index) return std::nullopt;

    clear_scores_of_removed(e, name);
    set_field_text(e.name, name);
    e.gender = cell.gender;
    e.division = static_cast<std::int8_t>(division);
    e.handicap_index = static_cast<std::int16_t>(*index);
    e.in_skins = field(row_field("skins", shown, r)).checked ? 1 : 0;
    if (field(row_field("cart", shown, r)).checked) e.entry_flags |= entry_flag::power_cart;
    else e.entry_flags &= ~entry_flag::power_cart;
    e.is_member = field(row_field("member", shown, r)).checked ? 1 : 0;
  }
  update_team_handicap(state_, group);
  return group;
}

bool GolferSummaryModel::save() {
  // Every row of every group shown is checked before anything is written, so
  // a refused index leaves the whole page as it was stored.
  std::vector<std::pair<int, GroupBuffer>> edited;
  for (int b = 1; b <= summary_groups_shown; ++b) {
    if (first_group_ + b - 1 > state_.header.group_count) break;
    auto group = edited_group(b);
    if (!group) return false;
    edited.emplace_back(b, *group);
  }
  for (const auto& [shown, group] : edited) {
    if (!save_group_or_reload(state_, first_group_ + shown - 1, stored_[shown - 1], group, [this] { load(); }))
      return false;
    stored_[shown - 1] = group;
  }
  return write_record(state_, RecordKind::tournament, state_.current_tournament).is_ok();
}

}  // namespace quillon
