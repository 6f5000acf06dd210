#include "scoring/manual_winner.h"

#include <algorithm>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/dispatch.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "tournament/field.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

int group_size_of(const State& state) { return group_size_of(state.header); }

// The line of the list that takes the committee's choice away.
constexpr int no_winner_id = -1;

Result<std::string> current_manual_winner(State& state) {
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 0; slot < group_size_of(state); ++slot) {
      const GolferEntry& golfer = state.group.entries[slot];
      if (golfer.name[0] != '\0' && (golfer.entry_flags & entry_flag::manual_winner)) return field_text(golfer.name);
    }
  }
  return std::string();
}

}  // namespace

Result<std::vector<std::string>> golfer_names_for_selection(State& state) {
  std::vector<std::string> names;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (Status read = read_record(state, RecordKind::group, g); !read) return read;
    for (int slot = 0; slot < group_size_of(state); ++slot)
      if (state.group.entries[slot].name[0] != '\0') names.push_back(field_text(state.group.entries[slot].name));
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

namespace {

// Marks the named golfer (the first one only, tracked by `found`) in the group
// buffer and unmarks the rest; whether any flag changed.
bool set_winner_flags(State& state, const std::string& name, bool& found) {
  bool changed = false;
  for (int slot = 0; slot < group_size_of(state); ++slot) {
    GolferEntry& golfer = state.group.entries[slot];
    bool winner = !found && golfer.name[0] != '\0' && field_text(golfer.name) == name;
    if (winner) found = true;
    std::uint32_t flags =
        winner ? (golfer.entry_flags | entry_flag::manual_winner) : (golfer.entry_flags & ~entry_flag::manual_winner);
    if (flags == golfer.entry_flags) continue;
    golfer.entry_flags = flags;
    changed = true;
  }
  return changed;
}

}  // namespace

Status mark_manual_winner(State& state, const std::string& name) {
  bool found = false;
  // One winner or the other: the flags of every group change together.
  DatabaseTransaction change(state);
  for (int g = 1; g <= state.header.group_count; ++g) {
    // Read and written back under the lock, so that scores another opener
    // saves meanwhile are not reverted.
    Status stored = Status::ok();
    {
      DatabaseLock lock(state.db);
      if (Status read = read_record(state, RecordKind::group, g); !read) return read;
      if (set_winner_flags(state, name, found)) stored = store_group(state, g);
    }
    if (!stored) {
      tell_write_failure(state, stored);
      return Status::told();
    }
  }
  if (!found && !name.empty()) return Status::failed("No golfer named " + name + " was found in the tournament.");
  return change.commit();
}

Status manually_specify_winner(State& state) {
  if (!check_precondition(state, Precondition::a_tournament)) return Status::told();
  if (select_tournament(state, TournamentList::days) == 0) return Status::told();
  Result<std::vector<std::string>> listed = golfer_names_for_selection(state);
  if (!listed) return listed.status();
  const std::vector<std::string>& names = *listed;
  if (names.empty()) {
    message_box(state, message_kind::error, "No golfers entered for tournament.");
    return Status::told();
  }
  Result<std::string> winner = current_manual_winner(state);
  if (!winner) return winner.status();
  const std::string current = *winner;
  std::vector<Choice> choices{{no_winner_id, "None", current.empty()}};
  for (std::size_t i = 0; i < names.size(); ++i)
    choices.push_back({static_cast<int>(i), names[i], names[i] == current});
  auto picked = state.ui.select_one(SelectionKind::golfer, "Select Golfer", choices);
  if (!picked) return Status::told();
  if (*picked == no_winner_id) {
    if (current.empty()) return Status::ok();
    if (destructive_question(
            state, message_kind::question,
            "Clear the committee's choice of %s as the tournament winner?\n\nThe results will rank every "
            "golfer by score.",
            current.c_str()) != Button::yes)
      return Status::told();
    return mark_manual_winner(state, "");
  }
  if (*picked < 0 || *picked >= static_cast<int>(names.size())) return Status::told();
  const std::string& chosen = names[*picked];
  if (chosen == current) return Status::ok();
  if (message_box(state, message_kind::question,
                  "Make %s the tournament winner, at the head of the results whatever the score?",
                  chosen.c_str()) != Button::yes)
    return Status::told();
  return mark_manual_winner(state, chosen);
}

}  // namespace quillon
