#include "tournament/reorganize.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/guest_dialog.h"
#include "tournament/multi_round.h"
#include "tournament/tee_times.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

std::string lower_trimmed(const std::string& s) {
  std::string t = trimmed(s);
  for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

std::optional<int> line_number(const std::string& text, const std::string& prefix) {
  if (text.size() <= prefix.size() || text.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  const std::string digits = text.substr(prefix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) || digits.size() > 6)
    return std::nullopt;
  return std::stoi(digits);
}

}  // namespace

ReorganizeModel::ReorganizeModel(State& state, ReorganizeMode mode, CardScorer scorer, std::mt19937& random)
    : columns(add(Field::label_field("columns", "Golfer\tHcap\tSkins\tCart"))),
      holding_list(add(Field::multi_list_field(
          "holding", mode == ReorganizeMode::import ? "Handicap Database" : "Temporary Database", {}))),
      field_list(add(Field::multi_list_field("field", "Tournament Database", {}))),
      buttons(add_buttons()),
      state_(state),
      mode_(mode),
      scorer_(std::move(scorer)),
      random_(random),
      header_(state.header),
      slot_(state.current_tournament) {
  title_ = mode == ReorganizeMode::import ? "Import Golfers from Handicap Database" : "Re-organize Foursomes";
  layout_ = field_layout(state);
  reload();
  focus_ = field_list.name;
}

void ReorganizeModel::set_holding_source(HoldingSource source) {
  source_ = std::move(source);
  reload();
}

ReorganizeButtons ReorganizeModel::add_buttons() {
  auto button = [this](const char* name) -> Field& {
    Field& b = add(Field::button_field(name, name));
    b.group = "buttons";
    return b;
  };
  // Braced initialisers run in order: the buttons are added as listed.
  return ReorganizeButtons{
      .add = button("ADD"),
      .remove = button("REMOVE"),
      .clear = button("CLEAR"),
      .reset = button("RESET"),
      .alpha = button("Alpha"),
      .hcap_sort = button("HcapSort"),
      .random = button("Random"),
      .hi_low = button("HI-LOW"),
      .guest = button("Guest"),
      .prev_round = button("Prev Rnd"),
  };
}

void ReorganizeModel::reload() {
  state_.header = header_;
  state_.current_tournament = slot_;
  std::vector<std::vector<GolferEntry>> groups;
  field_read_ = true;
  for (int g = 1; g <= layout_.group_count; ++g) {
    if (!read_record(state_, RecordKind::group, g)) {
      field_read_ = false;
      break;
    }
    auto& members = groups.emplace_back();
    for (int slot = 0; slot < layout_.group_size; ++slot) members.push_back(state_.group.entries[slot]);
  }
  lines_ = lines_of_groups(layout_, groups);
  // Empty entries read back as vacancies in their place.
  for (FieldLine& line : lines_)
    if (line.kind == LineKind::golfer && line.golfer.name[0] == '\0') line.kind = LineKind::vacancy;
  holding_.clear();
  if (mode_ == ReorganizeMode::import && source_) {
    for (const GolferEntry& member : source_(state_)) {
      const std::string text = golfer_line_text(member, header_.default_gender);
      const std::string name = field_text(member.name);
      bool listed =
          std::any_of(holding_.begin(), holding_.end(),
                      [&](const GolferEntry& h) { return golfer_line_text(h, header_.default_gender) == text; }) ||
          std::any_of(lines_.begin(), lines_.end(), [&](const FieldLine& l) {
            return l.kind == LineKind::golfer && field_text(l.golfer.name) == name;
          });
      if (!listed) holding_.push_back(member);
    }
  }
  show_lists();
}

void ReorganizeModel::show_lists() {
  Field& holding = holding_list;
  holding.options.clear();
  for (const GolferEntry& g : holding_) holding.options.push_back(golfer_line_text(g, header_.default_gender));
  holding.selected.clear();
  Field& list = field_list;
  list.options.clear();
  for (const FieldLine& l : lines_) list.options.push_back(line_text(l, header_.default_gender));
  list.selected.clear();
}

void ReorganizeModel::on_pressed(Field& f) {
  const ReorganizeButtons& b = buttons;
  if (&f == &b.add) add_selected();
  else if (&f == &b.remove) remove_selected();
  else if (&f == &b.clear) holding_.clear();
  else if (&f == &b.reset) reload();
  else if (&f == &b.guest) add_guest();
  else if (&f == &b.prev_round) previous_round();
  else if (&f == &b.hi_low) high_low();
  else if (&f == &b.hcap_sort) sort_by_index();
  else if (&f == &b.alpha || &f == &b.random) {
    std::vector<GolferEntry> golfers = golfers_of(lines_);
    if (&f == &b.alpha) order_by_name(golfers);
    else shuffle_field(golfers, random_);
    rearranged(golfers);
  }
  show_lists();
}

void ReorganizeModel::add_selected() {
  const std::vector<int> chosen = holding_list.selected;
  if (chosen.empty()) {
    not_done_box(state_, message_kind::warning, "No golfers selected for importing.");
    return;
  }
  const std::vector<int> position = field_list.selected;
  if (position.empty()) {
    not_done_box(state_, message_kind::warning,
                 "The starting point for inserting the selected golfers must be specified.");
    return;
  }
  std::vector<std::size_t> vacancies;
  for (std::size_t i = static_cast<std::size_t>(position.front()); i < lines_.size(); ++i)
    if (lines_[i].kind == LineKind::vacancy) vacancies.push_back(i);
  // Golfers past the last vacancy would be lost: refuse the whole move.
  if (vacancies.size() < chosen.size()) {
    not_done_box(state_, message_kind::warning,
                 "There is room for %d of the %d selected golfers after the selected starting point.  No golfers "
                 "were added.",
                 static_cast<int>(vacancies.size()), static_cast<int>(chosen.size()));
    return;
  }
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    FieldLine& line = lines_[vacancies[k]];
    line.kind = LineKind::golfer;
    line.golfer = holding_[static_cast<std::size_t>(chosen[k])];
  }
  for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) holding_.erase(holding_.begin() + *it);
}

void ReorganizeModel::remove_selected() {
  for (int i : field_list.selected) {
    FieldLine& line = lines_[static_cast<std::size_t>(i)];
    if (line.kind != LineKind::golfer) continue;
    holding_.push_back(line.golfer);
    line.kind = LineKind::vacancy;
    line.golfer = GolferEntry{};
  }
}

void ReorganizeModel::add_guest() {
  const std::vector<int> chosen = field_list.selected;
  if (chosen.empty() || lines_[static_cast<std::size_t>(chosen.front())].kind == LineKind::header) {
    not_done_box(state_, message_kind::warning, "The destination for the guest must be selected.");
    return;
  }
  FieldLine& line = lines_[static_cast<std::size_t>(chosen.front())];
  const bool golfer = line.kind == LineKind::golfer;
  if (golfer && line.golfer.is_member) {
    Button go =
        destructive_question(state_, message_kind::warning_yes_no, "%s",
                             "The golfer you are changing was imported from the handicap database.  If you proceed "
                             "with the change, the golfer will no longer be linked to the handicap database.\n"
                             "Do you wish to proceed with the change ?");
    if (go != Button::yes) return;
  }
  GuestModel guest(state_, golfer ? line.golfer : GolferEntry{});
  if (!state_.ui.run_dialog(guest)) return;
  line.kind = LineKind::golfer;
  line.golfer = guest.guest();
}

void ReorganizeModel::rearranged(std::vector<GolferEntry> golfers) { lines_ = lines_in_order(layout_, golfers); }

void ReorganizeModel::sort_by_index() {
  const bool ascending = ask_titled(state_, message_kind::question, "Sort Order",
                                    "Do you wish to sort the golfers in ascending order?") == Button::yes;
  std::vector<GolferEntry> golfers = golfers_of(lines_);
  order_by_index(golfers, ascending);
  if (header_.start_type == static_cast<int>(StartType::crossover)) {
    const char* question =
        ascending ? "This tournament is using a Cross Over start.  Do you wish to start the lower handicapped golfers "
                    "on tee #1 and the higher handicapped golfers on tee #10?"
                  : "This tournament is using a Cross Over start.  Do you wish to start the higher handicapped "
                    "golfers on tee #1 and the lower handicapped golfers on tee #10?";
    if (message_box(state_, message_kind::question, "%s", question) == Button::yes) {
      lines_ = lines_of_groups(layout_, crossover_groups(golfers, layout_.group_size));
      return;
    }
  }
  rearranged(golfers);
}

void ReorganizeModel::high_low() {
  lines_ = lines_of_groups(layout_, high_low_groups(golfers_of(lines_), layout_.group_size));
}

Result<std::vector<PreviousDayScore>> ReorganizeModel::previous_day_scores(int previous_day,
                                                                           const std::vector<GolferEntry>& golfers,
                                                                           bool gross) {
  std::map<std::string, PreviousDayScore> by_name;
  // The scorer works on the buffers: they hold the previous day until the end.
  auto back_to_this_day = [this] {
    state_.header = header_;
    state_.current_tournament = slot_;
  };
  if (Status read = read_record(state_, RecordKind::tournament, previous_day); !read) {
    back_to_this_day();
    return read;
  }
  const int group_size = std::clamp(static_cast<int>(state_.header.group_size), 1, max_group_size);
  for (int g = 1; g <= state_.header.group_count; ++g) {
    if (Status read = read_record(state_, RecordKind::group, g); !read) {
      back_to_this_day();
      return read;
    }
    for (int slot = 1; slot <= group_size; ++slot) {
      const GolferEntry& e = state_.group.entries[slot - 1];
      if (e.name[0] == '\0') continue;
      const std::string name = field_text(e.name);
      if (by_name.count(name)) continue;
      PreviousDayScore& s = by_name[name];
      // Found without a score sorts with those not found.
      if (e.hole_scores[0] == 0 || (scorer_ && !scorer_(state_, slot))) continue;
      const GolferEntry& scored = state_.group.entries[slot - 1];
      s.found = true;
      s.division = scored.division;
      s.score = gross ? scored.gross_score : scored.net_score;
    }
  }
  back_to_this_day();
  std::vector<PreviousDayScore> scores;
  for (const GolferEntry& g : golfers) {
    auto it = by_name.find(field_text(g.name));
    scores.push_back(it == by_name.end() ? PreviousDayScore{} : it->second);
  }
  return scores;
}

void ReorganizeModel::previous_round() {
  const int previous_day = previous_event_day(state_, slot_);
  if (previous_day == 0) {
    message_box(state_, message_kind::error, "%s",
                "The selected tournament is not a 2nd, 3rd, 4th, or 5th round in a multiple round tournament.\nTo "
                "create a multiple round tournament select 'Add' / 'Add Multi-Round Tournament'");
    return;
  }
  const TournamentHeader previous = peek_header(state_, previous_day);
  bool by_division = false;
  if (header_.division_count > 1)
    by_division = ask_titled(state_, message_kind::question, "Sort by Division",
                             "The tournament contains multiple divisions.  When sorting the golfers, should golfers "
                             "be sorted by division as well as score?") == Button::yes;
  const bool ascending =
      ask_titled(state_, message_kind::question, "Sort Order",
                 "Golfers can  be sorted in ascending or descending order based on their previous day's score.\n\n"
                 "Do you wish to sort the golfers in ascending order?") == Button::yes;
  bool gross = format_of(previous) == Format::gross;
  if (!gross)
    gross = ask_titled(state_, message_kind::question, "Gross or Net",
                       "Reorganize using gross scores?\n\nClick \"Yes\" to use gross scores or click \"No\" to use "
                       "net scores.") == Button::yes;

  std::vector<GolferEntry> golfers = golfers_of(lines_);
  order_by_name(golfers);
  const Result<std::vector<PreviousDayScore>> scores = previous_day_scores(previous_day, golfers, gross);
  if (!scores) return;  // told; the field stays as it is
  std::vector<std::pair<std::string, GolferEntry>> keyed;
  for (std::size_t i = 0; i < golfers.size(); ++i)
    keyed.emplace_back(previous_round_key((*scores)[i], by_division, ascending), golfers[i]);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  golfers.clear();
  for (auto& k : keyed) golfers.push_back(k.second);
  rearranged(golfers);
}

Status ReorganizeModel::move_line(ListSide from_side, int from, ListSide to_side, int to) {
  const bool from_holding = from_side == ListSide::holding;
  const int from_count = static_cast<int>(from_holding ? holding_.size() : lines_.size());
  if (from < 0 || from >= from_count)
    return Status::failed("there is no line " + std::to_string(from + 1) + " to move");
  if (!from_holding && lines_[static_cast<std::size_t>(from)].kind != LineKind::golfer)
    return Status::failed("line " + std::to_string(from + 1) + " holds no golfer");
  GolferEntry moving =
      from_holding ? holding_[static_cast<std::size_t>(from)] : lines_[static_cast<std::size_t>(from)].golfer;

  if (to_side == ListSide::holding) {
    if (from_holding) return Status::ok();
    holding_.push_back(moving);
    FieldLine& source = lines_[static_cast<std::size_t>(from)];
    source.kind = LineKind::vacancy;
    source.golfer = GolferEntry{};
    show_lists();
    return Status::ok();
  }
  if (to < 0 || to >= static_cast<int>(lines_.size()))
    return Status::failed("there is no line " + std::to_string(to + 1));
  std::size_t target = static_cast<std::size_t>(to);
  if (lines_[target].kind == LineKind::header) {
    const int group = lines_[target].group;
    std::size_t i = target + 1;
    while (i < lines_.size() && lines_[i].group == group && lines_[i].kind != LineKind::vacancy) ++i;
    if (i >= lines_.size() || lines_[i].group != group) {
      not_done_box(state_, message_kind::warning, "Group %d has no vacancy.", group);
      return Status::ok();
    }
    target = i;
  }
  if (!from_holding && target == static_cast<std::size_t>(from)) return Status::ok();
  FieldLine& destination = lines_[target];
  const bool exchange = destination.kind == LineKind::golfer;
  const GolferEntry displaced = destination.golfer;
  destination.kind = LineKind::golfer;
  destination.golfer = moving;
  if (from_holding) {
    if (exchange) holding_[static_cast<std::size_t>(from)] = displaced;
    else holding_.erase(holding_.begin() + from);
  } else {
    FieldLine& source = lines_[static_cast<std::size_t>(from)];
    source.kind = exchange ? LineKind::golfer : LineKind::vacancy;
    source.golfer = exchange ? displaced : GolferEntry{};
  }
  show_lists();
  return Status::ok();
}

bool ReorganizeModel::locate(const std::string& text, ListSide& side, int& index) const {
  if (auto n = line_number(text, "#")) {
    side = ListSide::field;
    index = *n - 1;
    return true;
  }
  if (auto n = line_number(text, "holding#")) {
    side = ListSide::holding;
    index = *n - 1;
    return true;
  }
  const std::string wanted = lower_trimmed(text);
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].kind == LineKind::golfer && lower_trimmed(field_text(lines_[i].golfer.name)) == wanted) {
      side = ListSide::field;
      index = static_cast<int>(i);
      return true;
    }
  for (std::size_t i = 0; i < holding_.size(); ++i)
    if (lower_trimmed(field_text(holding_[i].name)) == wanted) {
      side = ListSide::holding;
      index = static_cast<int>(i);
      return true;
    }
  return false;
}

Status ReorganizeModel::move(const std::string& from, const std::string& to) {
  ListSide from_side, to_side = ListSide::holding;
  int from_index = 0, to_index = 0;
  if (!locate(from, from_side, from_index)) return Status::failed("no line or golfer \"" + from + "\" to move");
  if (to != "holding" && !locate(to, to_side, to_index))
    return Status::failed("no line or golfer \"" + to + "\" to move to");
  if (to != "holding" && to_side == ListSide::holding)
    return Status::failed("a golfer is moved into the holding list with the target \"holding\"");
  return move_line(from_side, from_index, to_side, to_index);
}

bool ReorganizeModel::accept() {
  // A field that could not be read (told) would be written back empty.
  if (!field_read_) return false;
  state_.header = header_;
  state_.current_tournament = slot_;
  const int size = layout_.group_size;
  std::vector<GroupBuffer> groups(static_cast<std::size_t>(layout_.group_count));
  int position = 0;
  int last_group = 0;
  for (const FieldLine& line : lines_) {
    if (line.kind == LineKind::header) continue;
    const int g = position / size;
    if (line.kind == LineKind::golfer && g < layout_.group_count) {
      groups[static_cast<std::size_t>(g)].entries[position % size] = line.golfer;
      last_group = g + 1;
    }
    ++position;
  }
  // The new arrangement replaces the old one whole or not at all.
  DatabaseTransaction change(state_);
  for (int g = 1; g <= layout_.group_count; ++g) {
    state_.group = groups[static_cast<std::size_t>(g - 1)];
    if (!write_record(state_, RecordKind::group, g)) return false;
  }
  TournamentHeader header = header_;
  if (last_group > header.group_count) {
    header.group_count = static_cast<std::uint8_t>(last_group);
    refresh_last_tee_time(header);
  }
  state_.header = header;
  if (!write_record(state_, RecordKind::tournament, slot_) || !change.commit()) return false;
  header_ = header;
  return true;
}

bool reorganize_foursomes(State& state, const CardScorer& scorer, std::mt19937& random) {
  if (select_tournament(state, TournamentList::days) == 0) return false;
  ReorganizeModel model(state, ReorganizeMode::reorganise, scorer, random);
  if (!model.field_read()) return false;
  return state.ui.run_dialog(model);
}

}  // namespace quillon
