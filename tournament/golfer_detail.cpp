#include "tournament/golfer_detail.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/checked_save.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/golfer_rules.h"
#include "tournament/tee_times.h"

namespace quillon {

std::string GolferDetailModel::golfer_field(const char* column, int golfer) {
  return format_text(32, "%s.%d", column, golfer);
}

GolferDetailModel::GolferDetailModel(State& state, int group) : state_(state) {
  title_ = golfer_window_title(state_);
  help_topic_ = Help::golfers;
  group_ = group_in_range(state_, group);
  build_fields();
  load();
  focus_ = golfer_field("name", 1);
}

void GolferDetailModel::build_fields() {
  add(Field::list_field("group_number", "Group #", {}));
  add(Field::label_field("tee_time", ""));
  for (int k = 1; k <= max_group_size; ++k) {
    std::string panel = format_text(16, "golfer.%d", k);
    add(Field::label_field(golfer_field("golfer_label", k), format_text(16, "Golfer #%d", k))).group = panel;
    for (const char* line : {"name", "info1", "info2", "info3"})
      add(Field::text_field(golfer_field(line, k), "", 25)).group = panel;
    add(Field::text_field(golfer_field("index", k), "Hcap Index", 5)).group = panel;
    add(Field::text_field(golfer_field("division", k), "Di", 2)).group = panel;
    add(Field::check_field(golfer_field("skins", k), "Sk")).group = panel;
    add(Field::check_field(golfer_field("u1", k), "U1")).group = panel;
    add(Field::check_field(golfer_field("u2", k), "U2")).group = panel;
  }
  add(Field::text_field("user_stat1_name", "U1", 15));
  add(Field::text_field("user_stat2_name", "U2", 15));
  add(Field::label_field("user_stat_note",
                         "The 1st 3 characters will appear as headings on the \"Print Golfer List\" report."));
  add(Field::button_field("prev", "Prev"));
  add(Field::button_field("next", "Next"));
}

void GolferDetailModel::load() {
  const TournamentHeader& h = state_.header;
  Field& list = field("group_number");
  list.options.clear();
  for (int g = 1; g <= h.group_count; ++g) list.options.push_back(std::to_string(g));
  list.index = group_ - 1;
  field("tee_time").text = group_start_text(state_, group_);
  // After a failed read (told) the group shows empty; OK then finds the file changed and writes nothing.
  (void)read_record(state_, RecordKind::group, group_);
  stored_ = state_.group;
  bool computed = format_traits(h).kind == HandicapKind::computed;
  for (int k = 1; k <= max_group_size; ++k) {
    const GolferEntry& e = stored_.entries[k - 1];
    bool shown = k <= h.group_size;
    field(golfer_field("name", k)).text = field_text(e.name);
    field(golfer_field("info1", k)).text = field_text(e.info1);
    field(golfer_field("info2", k)).text = field_text(e.info2);
    field(golfer_field("info3", k)).text = field_text(e.info3);
    field(golfer_field("index", k)).text = golfer_index_text(e.handicap_index);
    field(golfer_field("division", k)).text =
        h.division_count <= 1 ? "1" : (e.name[0] ? std::to_string(e.division) : "");
    field(golfer_field("skins", k)).checked = e.in_skins == 1;
    field(golfer_field("u1", k)).checked = e.user_stat1 == 1;
    field(golfer_field("u2", k)).checked = e.user_stat2 == 1;
    for (Field& f : fields())
      if (f.group == format_text(16, "golfer.%d", k)) f.visible = shown;
    field(golfer_field("index", k)).enabled = !computed;
    field(golfer_field("division", k)).enabled = division_typed(state_);
  }
  field("user_stat1_name").text = field_text(h.user_stat1_name);
  field("user_stat2_name").text = field_text(h.user_stat2_name);
}

bool GolferDetailModel::save() {
  GroupBuffer group = stored_;
  const bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  // Every golfer is checked before anything is stored.
  for (int k = 1; k <= state_.header.group_size; ++k) {
    GolferEntry& e = group.entries[k - 1];
    std::string name = field(golfer_field("name", k)).text;
    int division = parse_int(trimmed(field(golfer_field("division", k)).text), 2);
    division = division == 0 ? 1 : division;
    IndexCell cell;
    cell.row = k;
    cell.name = name;
    cell.typed = field(golfer_field("index", k)).text;
    cell.loaded = golfer_index_text(e.handicap_index);
    cell.stored = e.handicap_index;
    cell.editable = !computed;
    cell.gender = entry_gender(state_, e.gender);
    cell.division = division;
    auto index = index_to_store(state_, cell, detail_index_bounds);
    if (!index) return false;

    clear_scores_of_removed(e, name);
    set_field_text(e.name, name);
    set_field_text(e.info1, field(golfer_field("info1", k)).text);
    set_field_text(e.info2, field(golfer_field("info2", k)).text);
    set_field_text(e.info3, field(golfer_field("info3", k)).text);
    e.division = static_cast<std::int8_t>(division);
    e.handicap_index = static_cast<std::int16_t>(*index);
    e.in_skins = field(golfer_field("skins", k)).checked ? 1 : 0;
    e.user_stat1 = field(golfer_field("u1", k)).checked ? 1 : 0;
    e.user_stat2 = field(golfer_field("u2", k)).checked ? 1 : 0;
  }
  update_team_handicap(state_, group);
  if (!save_group_or_reload(state_, group_, stored_, group, [this] { load(); })) return false;
  stored_ = group;
  set_field_text_terminated(state_.header.user_stat1_name, text("user_stat1_name"));
  set_field_text_terminated(state_.header.user_stat2_name, text("user_stat2_name"));
  return write_record(state_, RecordKind::tournament, state_.current_tournament).is_ok();
}

void GolferDetailModel::previous() {
  if (!save()) return;
  if (group_ > 1) --group_;
  load();
}

void GolferDetailModel::next() {
  if (!save()) return;
  if (group_ < state_.header.group_count) {
    ++group_;
  } else if (group_fits_telling(state_, group_ + 1) && grow_groups_to(state_, group_ + 1)) {
    ++group_;
  }
  load();
}

void GolferDetailModel::on_pressed(Field& f) {
  if (f.name == "prev") previous();
  else if (f.name == "next") next();
}

void GolferDetailModel::on_changed(Field& f) {
  if (f.name == "group_number") {
    int chosen = f.index + 1;
    f.index = group_ - 1;
    if (!save()) return;
    group_ = chosen;
    load();
    return;
  }
  int k = 0;
  char column[16] = {0};
  if (std::sscanf(f.name.c_str(), "%15[a-z0-9_].%d", column, &k) != 2) return;
  std::string c = column;
  if (c == "name") {
    GolferEntry& stored = stored_.entries[k - 1];
    if (stored.is_member == 1 && f.text != field_text(stored.name)) {
      if (!confirm_member_name_change(state_)) {
        f.text = field_text(stored.name);
        return;
      }
      stored.is_member = 0;
      state_.group = stored_;
      if (!write_record(state_, RecordKind::group, group_)) {
        // Not recorded (the user has been told): the member and the name stay as stored.
        stored.is_member = 1;
        f.text = field_text(stored.name);
      }
    }
  } else if (c == "index") {
    division_follows_index(state_, field(golfer_field("division", k)), f.text, stored_.entries[k - 1].gender);
  } else if (c == "division") {
    check_division_typed(state_, f);
  }
}

}  // namespace quillon
