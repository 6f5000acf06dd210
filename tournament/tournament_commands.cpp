#include "tournament/tournament_commands.h"

#include <cstring>
#include <filesystem>

#include "core/checked_save.h"
#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/select_date.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/course_choices.h"
#include "tournament/field.h"
#include "tournament/header_defaults.h"
#include "tournament/multi_round.h"
#include "tournament/tournament_dialog.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr const char* copy_name = "Tournament Copy";

std::string date_text_of(const TournamentHeader& h) {
  return long_date(static_cast<std::uint8_t>(h.date_year), h.date_month, h.date_day);
}

// Writes the current header to `slot`, growing the tournament count when the
// slot is a new one at the end.
bool write_header_to(State& state, int slot) {
  if (!write_record(state, RecordKind::tournament, slot)) return false;
  if (slot > state.tournament_count) state.tournament_count = slot;
  return true;
}

bool refuse_at_limit(State& state, int slot) {
  if (slot < tournament_limit) return false;
  message_box(state, message_kind::error, "Tournament database contains the limit of %d events", tournament_limit);
  return true;
}

}  // namespace

Result<int> free_tournament_slot(State& state) {
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (Status read = read_record(state, RecordKind::tournament, t); !read) return read;
    if (tournament_slot_free(state.header)) return t;
  }
  return state.tournament_count + 1;
}

int slot_for_new_tournament(State& state) {
  Result<bool> any_course = any_course_exists(state);
  if (!any_course) return 0;
  if (!*any_course) {
    message_box(state, message_kind::error, "At least one course must be entered before adding tournaments");
    return 0;
  }
  Result<int> slot = free_tournament_slot(state);
  return !slot || refuse_at_limit(state, *slot) ? 0 : *slot;
}

bool write_new_tournament(State& state, int slot) {
  if (!write_record(state, RecordKind::tournament, slot)) return false;
  if (slot > state.tournament_count) state.tournament_count = slot;
  return clear_golfer_area(state, slot);
}

// Stores the header in the buffer as a new tournament. The slot is chosen
// again under the lock, as another opener may have taken the one offered while
// the dialog was open, and a slot at the end has its disk space claimed before
// anything is written, so a full disk leaves no half-made tournament.
int store_new_tournament(State& state) {
  TournamentHeader chosen = state.header;
  DatabaseLock lock(state.db);
  if (!lock.held()) {
    error_box(state, "The Quillon database could not be locked (%s).\n\nThe tournament was NOT added.",
              lock.status().reason().c_str());
    return 0;
  }
  state.tournament_count = tournament_count_from_length(state.db.length(), state.tournament_base);
  Result<int> free_slot = free_tournament_slot(state);
  if (!free_slot || refuse_at_limit(state, *free_slot)) return 0;
  const int slot = *free_slot;
  std::int64_t length_before = state.db.length();
  if (Status reserved = state.db.reserve(tournament_offset(state, slot), tournament_block_size); !reserved) {
    error_box(state,
              "There is not enough free disk space to add the tournament (%s).\n\nThe tournament was NOT "
              "added.",
              reserved.reason().c_str());
    // Space the reservation claimed in part is given back; a file left longer
    // only holds zeros past its last block, which the next start trims.
    if (state.db.length() > length_before) {
      if (Status given_back = state.db.set_length(length_before); !given_back)
        error_box(state, "The space claimed for the tournament could not be given back (%s).",
                  given_back.reason().c_str());
    }
    return 0;
  }
  state.header = chosen;
  DatabaseTransaction change(state);
  if (!write_new_tournament(state, slot) || !change.commit()) return 0;
  return slot;
}

int add_tournament(State& state) {
  int slot = slot_for_new_tournament(state);
  if (slot == 0) return 0;
  TournamentDialogModel dialog(state, new_tournament_header(state), TournamentDialogMode::add, slot);
  if (!state.ui.run_dialog(dialog)) return 0;
  return store_new_tournament(state);
}

int modify_tournament(State& state) {
  int slot = select_tournament(state, TournamentList::days_and_events);
  if (slot == 0) return 0;
  if (state.header.format == multi_round_format) return change_multi_round_tournament(state, slot);
  // The header is written only if no other opener changed it while the
  // dialog was open; otherwise the user may start again from the stored one.
  for (;;) {
    TournamentHeader as_read = state.header;
    TournamentDialogModel dialog(state, as_read, TournamentDialogMode::change, slot);
    if (!state.ui.run_dialog(dialog)) return 0;
    CheckedSave saved = save_if_unchanged(state, tournament_offset(state, slot), &as_read, &state.header,
                                          sizeof state.header, "tournament");
    state.current_tournament = slot;
    if (saved == CheckedSave::saved) return slot;
    if (saved != CheckedSave::reload) return 0;
    if (!read_record(state, RecordKind::tournament, slot)) return 0;
  }
}

int copy_tournament(State& state, bool keep_scores) {
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!read_record(state, RecordKind::tournament, t)) return 0;
    if (field_text(state.header.name) != copy_name) continue;
    std::string date = date_text_of(state.header);
    message_box(state, message_kind::error,
                "The Tournament Copy facility creates a copy of a selected tournament and gives it the name "
                "\"Tournament Copy\".\n\n A tournament on %s presently exists using the name \"Tournament Copy\"."
                "\n\nBefore using the Tournament Copy facility you must select \"Change\" \\ \"Change Tournament\" "
                "and give the %s tournament an appropriate new name.",
                date.c_str(), date.c_str());
    return 0;
  }
  int source = select_tournament(state, TournamentList::days);
  if (source == 0) return 0;
  Result<int> free_slot = free_tournament_slot(state);
  if (!free_slot || refuse_at_limit(state, *free_slot)) return 0;
  const int target = *free_slot;

  if (!read_record(state, RecordKind::tournament, source)) return 0;
  std::string source_name = field_text(state.header.name);
  set_field_text_terminated(state.header.name, copy_name);
  DatabaseTransaction change(state);
  if (!write_header_to(state, target)) return 0;
  int groups = golfers_per_tournament / group_size_of(state.header);
  for (int g = 1; g <= groups; ++g) {
    state.current_tournament = source;
    if (!read_record(state, RecordKind::group, g)) return 0;
    if (!keep_scores) {
      for (auto& e : state.group.entries) {
        if (e.name[0] == 0) continue;
        std::memset(e.hole_scores, 0, sizeof e.hole_scores);
        e.gross_score = 0;
        e.adjusted_gross = 0;
        e.net_score = 0;
        std::memset(e.reserved_156, 0, sizeof e.reserved_156);
      }
    }
    state.current_tournament = target;
    if (!write_record(state, RecordKind::group, g)) return 0;
  }
  if (!change.commit()) return 0;
  message_box(state, message_kind::information,
              "A copy of the tournament [%s] has been made.\nThe copy has been given the name [Tournament Copy]",
              source_name.c_str());
  return target;
}

int drop_tournament(State& state) {
  int slot = select_tournament(state, TournamentList::days_and_events);
  if (slot == 0) return 0;
  std::string name = field_text(state.header.name);
  Button answer = ask_titled_destructive(state, message_kind::warning_yes_no, "Tournament Removal",
                                         format_text(message_limit, "Remove tournament [%s]?", name.c_str()));
  if (answer != Button::yes) return 0;

  // The tournament's own file is named after it; a name that would reach
  // outside the working folder is left alone.
  std::string file_name = format_text(200, "%s %s", date_text_of(state.header).c_str(), name.c_str());
  if (file_name.find_first_of("/\\:") == std::string::npos) {
    std::error_code ec;
    std::filesystem::remove(state.file(file_name), ec);
  }
  std::memset(&state.header, 0, sizeof state.header);
  DatabaseTransaction change(state);
  if (!write_record(state, RecordKind::tournament, slot) || !clear_golfer_area(state, slot)) return 0;
  // An event must not keep pointing at the freed slot, which a later
  // tournament may take.
  if (!unlink_from_events(state, slot) || !change.commit()) return 0;
  return slot;
}

int purge_older_tournaments(State& state) {
  Button go =
      ask_titled_destructive(state, message_kind::warning_ok_cancel, "Warning",
                             "Tolvane Systems recommends that you backup your Quillon database before proceeding.\n\n"
                             "Do you wish to continue and select the date for the purging of older tournaments?\n\n"
                             "The default purge date will be January 1st of last year but you will be able to select "
                             "any date you wish.");
  if (go != Button::ok) return 0;
  state.last_chosen_date = Date{years_since_1900(state.today.year - 1), 1, 1};
  auto cutoff = select_date(state, true, "Tournament Purge Date");
  if (!cutoff) return 0;

  int cutoff_day = day_number(cutoff->year, cutoff->month, cutoff->day);
  int older = 0;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!read_record(state, RecordKind::tournament, t)) return 0;
    if (!tournament_slot_free(state.header) && tournament_day_number(state.header) < cutoff_day) ++older;
  }
  if (older == 0) {
    message_box(state, message_kind::information, "No tournaments matched the date selected.");
    return 0;
  }
  const char* month = month_abbrev(cutoff->month);
  int year = full_year(cutoff->year);
  if (destructive_question(
          state, message_kind::warning_yes_no,
          "Do you wish to purge tournaments played prior to %s %d, %d?\n\nA total of %d tournaments will be "
          "purged.",
          month, cutoff->day, year, older) != Button::yes ||
      destructive_question(
          state, message_kind::warning_yes_no,
          "Are you sure that you want to purge tournaments played prior to %s %d, %d?\n\nA total of %d "
          "tournaments will be purged.",
          month, cutoff->day, year, older) != Button::yes) {
    message_box(state, message_kind::information, "The tournament purge has been cancelled.");
    return 0;
  }
  int purged = 0;
  Status done = Status::ok();
  {
    BusyCursor busy(state);
    done = purge_tournaments(state, *cutoff, purged);
  }
  if (!done) return 0;
  message_box(state, message_kind::information, "A total of %d tournaments were purged from the database", purged);
  return purged;
}

}  // namespace quillon
