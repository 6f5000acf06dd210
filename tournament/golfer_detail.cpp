#include "tournament/golfer_detail.h"

#include <cctype>
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

GolferDetailModel::GolferDetailModel(State& state, int group)
    : state_(state), group_(group_in_range(state, group)), form_(build_fields()) {
  title_ = golfer_window_title(state_);
  help_topic_ = Help::golfers;
  load();
  focus_ = form_.golfers.front().name.name;
}

GolferDetailForm GolferDetailModel::build_fields() {
  auto golfers = [this] {
    std::vector<GolferDetailForm::Golfer> panels;
    for (int k = 1; k <= max_group_size; ++k) {
      const std::string panel = format_text(16, "golfer.%d", k);
      auto in_panel = [&](Field field) -> Field& {
        Field& f = add(std::move(field));
        f.group = panel;
        return f;
      };
      panels.push_back(GolferDetailForm::Golfer{
          .label = in_panel(Field::label_field(golfer_field("golfer_label", k), format_text(16, "Golfer #%d", k))),
          .name = in_panel(Field::text_field(golfer_field("name", k), "", 25)),
          .info1 = in_panel(Field::text_field(golfer_field("info1", k), "", 25)),
          .info2 = in_panel(Field::text_field(golfer_field("info2", k), "", 25)),
          .info3 = in_panel(Field::text_field(golfer_field("info3", k), "", 25)),
          .index = in_panel(Field::text_field(golfer_field("index", k), "Hcap Index", 5)),
          .division = in_panel(Field::text_field(golfer_field("division", k), "Di", 2)),
          .skins = in_panel(Field::check_field(golfer_field("skins", k), "Sk")),
          .u1 = in_panel(Field::check_field(golfer_field("u1", k), "U1")),
          .u2 = in_panel(Field::check_field(golfer_field("u2", k), "U2")),
      });
    }
    return panels;
  };
  // Braced initialisers run in order: the fields are added as listed.
  return GolferDetailForm{
      .group_number = add(Field::list_field("group_number", "Group #", {})),
      .tee_time = add(Field::label_field("tee_time", "")),
      .golfers = golfers(),
      .user_stat1_name = add(Field::text_field("user_stat1_name", "U1", 15)),
      .user_stat2_name = add(Field::text_field("user_stat2_name", "U2", 15)),
      .user_stat_note = add(Field::label_field(
          "user_stat_note", "The 1st 3 characters will appear as headings on the \"Print Golfer List\" report.")),
      .prev = add(Field::button_field("prev", "Prev")),
      .next = add(Field::button_field("next", "Next")),
  };
}

void GolferDetailModel::load() {
  const TournamentHeader& h = state_.header;
  Field& list = form_.group_number;
  list.options.clear();
  for (int g = 1; g <= h.group_count; ++g) list.options.push_back(std::to_string(g));
  list.index = group_ - 1;
  form_.tee_time.text = group_start_text(state_, group_);
  // After a failed read (told) the group shows empty; OK then finds the file changed and writes nothing.
  (void)read_record(state_, RecordKind::group, group_);
  stored_ = state_.group;
  bool computed = format_traits(h).kind == HandicapKind::computed;
  for (int k = 1; k <= max_group_size; ++k) {
    const GolferEntry& e = stored_.entries[k - 1];
    const GolferDetailForm::Golfer& golfer = form_.golfers[k - 1];
    bool shown = k <= h.group_size;
    golfer.name.text = field_text(e.name);
    golfer.info1.text = field_text(e.info1);
    golfer.info2.text = field_text(e.info2);
    golfer.info3.text = field_text(e.info3);
    golfer.index.text = golfer_index_text(e.handicap_index);
    golfer.division.text = h.division_count <= 1 ? "1" : (e.name[0] ? std::to_string(e.division) : "");
    golfer.skins.checked = e.in_skins == 1;
    golfer.u1.checked = e.user_stat1 == 1;
    golfer.u2.checked = e.user_stat2 == 1;
    for (Field* f : {&golfer.label, &golfer.name, &golfer.info1, &golfer.info2, &golfer.info3, &golfer.index,
                     &golfer.division, &golfer.skins, &golfer.u1, &golfer.u2})
      f->visible = shown;
    golfer.index.enabled = !computed;
    golfer.division.enabled = division_typed(state_);
  }
  form_.user_stat1_name.text = field_text(h.user_stat1_name);
  form_.user_stat2_name.text = field_text(h.user_stat2_name);
}

bool GolferDetailModel::save() {
  GroupBuffer group = stored_;
  const bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  // Every golfer is checked before anything is stored.
  for (int k = 1; k <= state_.header.group_size; ++k) {
    GolferEntry& e = group.entries[k - 1];
    const GolferDetailForm::Golfer& golfer = form_.golfers[k - 1];
    std::string name = golfer.name.text;
    int division = parse_int(trimmed(golfer.division.text), 2);
    division = division == 0 ? 1 : division;
    IndexCell cell;
    cell.row = k;
    cell.name = name;
    cell.typed = golfer.index.text;
    cell.loaded = golfer_index_text(e.handicap_index);
    cell.stored = e.handicap_index;
    cell.editable = !computed;
    cell.gender = entry_gender(state_, e.gender);
    cell.division = division;
    auto index = index_to_store(state_, cell, detail_index_bounds);
    if (!index) return false;

    clear_scores_of_removed(e, name);
    set_field_text(e.name, name);
    set_field_text(e.info1, golfer.info1.text);
    set_field_text(e.info2, golfer.info2.text);
    set_field_text(e.info3, golfer.info3.text);
    e.division = static_cast<std::int8_t>(division);
    e.handicap_index = static_cast<std::int16_t>(*index);
    e.in_skins = golfer.skins.checked ? 1 : 0;
    e.user_stat1 = golfer.u1.checked ? 1 : 0;
    e.user_stat2 = golfer.u2.checked ? 1 : 0;
  }
  update_team_handicap(state_, group);
  if (!save_group_or_reload(state_, group_, stored_, group, [this] { load(); })) return false;
  stored_ = group;
  set_field_text_terminated(state_.header.user_stat1_name, form_.user_stat1_name.text);
  set_field_text_terminated(state_.header.user_stat2_name, form_.user_stat2_name.text);
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
  if (&f == &form_.prev) previous();
  else if (&f == &form_.next) next();
}

void GolferDetailModel::on_changed(Field& f) {
  if (&f == &form_.group_number) {
    int chosen = f.index + 1;
    f.index = group_ - 1;
    if (!save()) return;
    group_ = chosen;
    load();
    return;
  }
  for (int k = 1; k <= max_group_size; ++k) {
    const GolferDetailForm::Golfer& golfer = form_.golfers[k - 1];
    GolferEntry& stored = stored_.entries[k - 1];
    if (&f == &golfer.name) unlink_renamed_member(state_, f, stored_, k, group_);
    else if (&f == &golfer.index) division_follows_index(state_, golfer.division, f.text, stored.gender);
    else if (&f == &golfer.division) check_division_typed(state_, f);
  }
}

}  // namespace quillon
