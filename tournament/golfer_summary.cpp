#include "tournament/golfer_summary.h"

#include <cctype>
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

std::string GolferSummaryModel::row_field(const char* column, int shown, int row) {
  return format_text(32, "%s.%d.%d", column, shown, row);
}

GolferSummaryModel::GolferSummaryModel(State& state, int first_group)
    : state_(state), first_group_(group_in_range(state, first_group)), form_(build_fields()) {
  title_ = golfer_window_title(state_);
  help_topic_ = Help::golfers;
  refresh_group_list();
  load();
  // Typing starts in the first golfer's name, not in the group list.
  focus_ = form_.groups.front().rows.front().name.name;
}

GolferSummaryForm GolferSummaryModel::build_fields() {
  auto groups = [this] {
    std::vector<GolferSummaryForm::Group> shown;
    for (int b = 1; b <= summary_groups_shown; ++b) {
      Field& label = add(Field::label_field(format_text(16, "group_label.%d", b), ""));
      std::vector<GolferSummaryForm::Row> rows;
      for (int r = 1; r <= max_group_size; ++r) {
        const std::string group = format_text(16, "row.%d.%d", b, r);
        auto in_row = [&](Field field) -> Field& {
          Field& f = add(std::move(field));
          f.group = group;
          return f;
        };
        rows.push_back(GolferSummaryForm::Row{
            .name = in_row(Field::text_field(row_field("name", b, r), "", 25)),
            .index = in_row(Field::text_field(row_field("index", b, r), "", 5)),
            .division = in_row(Field::text_field(row_field("division", b, r), "", 2)),
            .gender = in_row(Field::text_field(row_field("gender", b, r), "", 1)),
            .cart = in_row(Field::check_field(row_field("cart", b, r), "")),
            .member = in_row(Field::check_field(row_field("member", b, r), "")),
            .skins = in_row(Field::check_field(row_field("skins", b, r), "")),
        });
      }
      shown.push_back({label, std::move(rows)});
    }
    return shown;
  };
  const bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  // Braced initialisers run in order: the fields are added as listed.
  return GolferSummaryForm{
      .group_number = add(Field::list_field("group_number", "Group #", {})),
      .index_heading = add(Field::label_field("index_heading", computed ? "Hand\n-icap" : "Hcap Index")),
      .groups = groups(),
  };
}

void GolferSummaryModel::refresh_group_list() {
  Field& list = form_.group_number;
  list.options.clear();
  for (int g = 1; g <= state_.header.group_count; ++g) list.options.push_back(std::to_string(g));
  list.index = first_group_ - 1;
}

void GolferSummaryModel::load() {
  const TournamentHeader& h = state_.header;
  bool computed = format_traits(h).kind == HandicapKind::computed;
  for (int b = 1; b <= summary_groups_shown; ++b) {
    int g = first_group_ + b - 1;
    const GolferSummaryForm::Group& shown = form_.groups[b - 1];
    shown.label.text = format_text(16, "%03d", g);
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
      const GolferSummaryForm::Row& row = shown.rows[r - 1];
      row.name.text = field_text(e.name);
      row.index.text = golfer_index_text(e.handicap_index);
      row.division.text = named ? std::to_string(e.division) : "";
      if (h.division_count <= 1) row.division.text = "1";
      row.gender.text = named ? std::string(1, entry_gender(state_, e.gender)) : "";
      row.skins.checked = e.in_skins == 1;
      row.cart.checked = (e.entry_flags & entry_flag::power_cart) != 0;
      row.member.checked = e.is_member == 1;
      for (Field* f : {&row.name, &row.index, &row.division, &row.gender, &row.cart, &row.member, &row.skins})
        f->visible = shown_row;
      if (format_traits(h).team && r >= 2) row.skins.visible = false;
      row.index.enabled = !computed;
      row.division.enabled = division_typed(state_);
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
  const MemberRename renamed = unlink_renamed_member(state_, f, stored_[shown - 1], row, g);
  if (renamed == MemberRename::declined) return;
  if (renamed == MemberRename::unlinked) form_.groups[shown - 1].rows[row - 1].member.checked = false;
  Field& gender = form_.groups[shown - 1].rows[row - 1].gender;
  if (gender.text.empty()) gender.text = std::string(1, entry_gender(state_, 0));
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
  if (&f == &form_.group_number) {
    int chosen = f.index + 1;
    f.index = first_group_ - 1;
    if (!save()) return;
    first_group_ = chosen;
    refresh_group_list();
    load();
    return;
  }
  for (int shown = 1; shown <= summary_groups_shown; ++shown) {
    for (int r = 1; r <= max_group_size; ++r) {
      const GolferSummaryForm::Row& row = form_.groups[shown - 1].rows[r - 1];
      if (&f == &row.name) name_typed(f, shown, r);
      else if (&f == &row.index)
        division_follows_index(state_, row.division, f.text, row.gender.text.empty() ? 0 : row.gender.text[0]);
      else if (&f == &row.division) check_division_typed(state_, f);
      else if (&f == &row.gender) check_gender_typed(state_, f);
    }
  }
  move_focus_when_full(f);
}

std::optional<GroupBuffer> GolferSummaryModel::edited_group(int shown) {
  GroupBuffer group = stored_[shown - 1];
  const bool computed = format_traits(state_.header).kind == HandicapKind::computed;
  for (int r = 1; r <= state_.header.group_size; ++r) {
    GolferEntry& e = group.entries[r - 1];
    const GolferSummaryForm::Row& row = form_.groups[shown - 1].rows[r - 1];
    std::string name = row.name.text.substr(0, 25);
    if (e.is_member != 1) name = trimmed(name);
    std::string gender = trimmed(row.gender.text);
    char c = gender.empty() ? 0 : static_cast<char>(std::toupper(static_cast<unsigned char>(gender[0])));
    int division = parse_int(trimmed(row.division.text), 2);
    division = division == 0 ? 1 : division;

    IndexCell cell;
    cell.row = r;
    cell.name = name;
    cell.typed = row.index.text;
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
    e.in_skins = row.skins.checked ? 1 : 0;
    if (row.cart.checked) e.entry_flags |= entry_flag::power_cart;
    else e.entry_flags &= ~entry_flag::power_cart;
    e.is_member = row.member.checked ? 1 : 0;
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
