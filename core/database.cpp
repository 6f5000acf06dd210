#include "core/database.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <utility>
#include <vector>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/text.h"
#include "exchange/image/database_image.h"

namespace quillon {

namespace {

bool has_desktop_message(const State& state) {
  return (state.system.flags & system_flag::no_desktop_message) == 0;
}

void report_write_failure(State& state) {
  error_box(state,
            "The Quillon database could not be written (%s).\n\nThe last change was NOT saved.",
            state.db.last_error().c_str());
}

// Writes raw bytes at an offset, telling the user when it fails.
bool write_bytes(State& state, std::int64_t offset, const void* data, std::size_t n) {
  if (!state.db.write_at(offset, data, n)) {
    report_write_failure(state);
    return false;
  }
  return true;
}

bool flush(State& state) {
  if (!state.db.flush()) {
    report_write_failure(state);
    return false;
  }
  return true;
}

int group_size_of(const State& state) { return state.header.group_size; }

bool group_in_range(int group_size, int number) {
  return number >= 1 && group_size >= 1 && group_size <= max_group_size &&
         group_size * number <= golfers_per_tournament;
}

}  // namespace

std::int64_t tournament_offset(const State& state, int t) {
  return state.tournament_base + static_cast<std::int64_t>(tournament_block_size) * (t - 1);
}

std::int64_t group_offset(const State& state, int t, int group, int group_size) {
  return tournament_offset(state, t) + tournament_header_size +
         static_cast<std::int64_t>(golfer_entry_size) * group_size * (group - 1);
}

std::int64_t expected_file_length(const State& state) {
  return tournament_base_for(state.system.course_slot_count, has_desktop_message(state)) +
         static_cast<std::int64_t>(tournament_block_size) * state.tournament_count;
}

int read_record(State& state, RecordKind kind, int number) {
  if (number < 1) return 0;
  auto read_into = [&](auto& buffer, std::int64_t offset, std::size_t size) {
    std::memset(&buffer, 0, sizeof buffer);
    return static_cast<int>(state.db.read_at(offset, &buffer, size));
  };
  switch (kind) {
    case RecordKind::system:
      return read_into(state.system, system_record_offset, sizeof state.system);
    case RecordKind::import_settings:
      return read_into(state.import_settings, import_settings_offset, sizeof state.import_settings);
    case RecordKind::course:
      state.current_course = number;
      return read_into(state.course, course_offset(number), sizeof state.course);
    case RecordKind::desktop_message:
      // Without a desktop message record this place holds the first tournament.
      if (!has_desktop_message(state)) {
        std::memset(&state.desktop_message, 0, sizeof state.desktop_message);
        return 0;
      }
      return read_into(state.desktop_message, state.desktop_message_offset, sizeof state.desktop_message);
    case RecordKind::tournament:
      state.current_tournament = number;
      return read_into(state.header, tournament_offset(state, number), sizeof state.header);
    case RecordKind::group: {
      int g = group_size_of(state);
      std::memset(&state.group, 0, sizeof state.group);
      state.current_group = number;
      // A group beyond the 800 entries would read the next tournament's data,
      // and without a current tournament the offset lands in the course area.
      if (state.current_tournament < 1 || !group_in_range(g, number)) return 0;
      return static_cast<int>(state.db.read_at(group_offset(state, state.current_tournament, number, g),
                                               &state.group, static_cast<std::size_t>(g) * golfer_entry_size));
    }
  }
  return 0;
}

bool write_record(State& state, RecordKind kind, int number) {
  bool ok = true;
  switch (kind) {
    case RecordKind::system:
      ok = write_bytes(state, system_record_offset, &state.system, sizeof state.system);
      break;
    case RecordKind::import_settings:
      ok = write_bytes(state, import_settings_offset, &state.import_settings, sizeof state.import_settings);
      break;
    case RecordKind::course:
      // Slot 0 and slots past the configured count would overwrite other records.
      if (number < 1 || number > state.system.course_slot_count) {
        ok = false;
        break;
      }
      ok = write_bytes(state, course_offset(number), &state.course, sizeof state.course);
      break;
    case RecordKind::desktop_message:
      // Without a desktop message record this place holds the first tournament.
      if (!has_desktop_message(state)) break;
      ok = write_bytes(state, state.desktop_message_offset, &state.desktop_message, sizeof state.desktop_message);
      break;
    case RecordKind::tournament:
      if (number < 1) {
        ok = false;
        break;
      }
      state.current_tournament = number;
      ok = write_bytes(state, tournament_offset(state, number), &state.header, sizeof state.header);
      break;
    case RecordKind::group: {
      int g = group_size_of(state);
      if (state.current_tournament < 1 || !group_in_range(g, number)) {
        ok = false;
        break;
      }
      ok = write_bytes(state, group_offset(state, state.current_tournament, number, g), &state.group,
                       static_cast<std::size_t>(g) * golfer_entry_size);
      break;
    }
  }
  bool flushed = flush(state);
  return ok && flushed;
}

bool open_database(State& state) { return state.db.open(state.file(state.db_name)); }

void apply_database_layout(State& state) {
  int slots = state.system.course_slot_count;
  state.desktop_message_offset = static_cast<int>(desktop_message_offset_for(slots));
  state.tournament_base = static_cast<int>(tournament_base_for(slots, has_desktop_message(state)));
}

bool create_database(State& state) {
  if (!state.db.create_new(state.file(state.db_name))) return false;
  state.db.close();
  if (!open_database(state)) return false;

  SystemRecord& s = state.system;
  std::memset(&s, 0, sizeof s);
  s.program_version = program_version;
  s.program_version_letter = program_version_letter;
  s.heading_mode = ' ';
  s.default_flight_count = 2;
  s.default_format = 0;
  s.tee_time_interval = 7;
  s.purge_reminder_limit = 250;
  s.product_code = product_code;
  s.flags = 0x0206;
  s.course_slot_count = 50;
  for (int i = 0; i < 8; ++i) s.stableford_points[i] = static_cast<std::int8_t>(7 - i);

  state.desktop_message_offset = static_cast<int>(desktop_message_offset_for(s.course_slot_count));
  std::memset(&state.desktop_message, 0, sizeof state.desktop_message);
  set_field_text(state.desktop_message.text, default_desktop_message);
  bool ok = write_record(state, RecordKind::desktop_message, 1) && write_record(state, RecordKind::system, 1);

  state.tournament_base = static_cast<int>(tournament_base_for(s.course_slot_count));
  std::memset(&state.import_settings, 0, sizeof state.import_settings);
  set_field_text(state.import_settings.ravelin_folder, default_ravelin_folder);
  ok = ok && write_record(state, RecordKind::import_settings, 1);

  std::memset(&state.course, 0, sizeof state.course);
  for (int n = 1; ok && n <= s.course_slot_count; ++n) ok = write_record(state, RecordKind::course, n);
  state.tournament_count = 0;
  if (!ok) {
    // A half-made file would be taken for a database at every later start.
    state.db.close();
    std::error_code ec;
    std::filesystem::remove(state.file(state.db_name), ec);
  }
  return ok;
}

bool resize_database(State& state) {
  if (!state.db.set_length(expected_file_length(state))) {
    report_write_failure(state);
    return false;
  }
  return flush(state);
}

bool change_course_slot_count(State& state, int new_slots) {
  int old_slots = state.system.course_slot_count;
  if (new_slots == old_slots) return false;

  std::string why;
  if (!save_database_image(state.file(state.db_name), state.file("qlwin4db.sav"), &why)) {
    error_box(state,
              "A error was encountered making a backup copy of the database.  The requested change to "
              "the number of courses to be stored was NOT successfully completed.");
    return false;
  }

  bool with_message = has_desktop_message(state);
  std::int64_t old_base = tournament_base_for(old_slots, with_message);
  std::int64_t new_base = tournament_base_for(new_slots, with_message);
  std::vector<char> block(tournament_block_size);
  auto move_block = [&](int t) {
    std::int64_t from = old_base + static_cast<std::int64_t>(tournament_block_size) * (t - 1);
    std::int64_t to = new_base + static_cast<std::int64_t>(tournament_block_size) * (t - 1);
    std::memset(block.data(), 0, block.size());
    state.db.read_at(from, block.data(), block.size());
    return write_bytes(state, to, block.data(), block.size());
  };

  bool ok = true;
  if (new_slots > old_slots) {
    for (int t = state.tournament_count; ok && t >= 1; --t) ok = move_block(t);
    CourseRecord empty{};
    for (int n = old_slots + 1; ok && n <= new_slots; ++n)
      ok = write_bytes(state, course_offset(n), &empty, sizeof empty);
    state.system.course_slot_count = static_cast<std::int16_t>(new_slots);
    ok = ok && write_record(state, RecordKind::system, 1);
  } else {
    for (int t = 1; ok && t <= state.tournament_count; ++t) ok = move_block(t);
    state.system.course_slot_count = static_cast<std::int16_t>(new_slots);
    ok = ok && write_record(state, RecordKind::system, 1) && resize_database(state);
  }
  if (!ok) {
    // The copy taken first holds the file as it was.
    error_box(state,
              "The change to the number of courses to be stored could not be completed.  A copy of the "
              "database as it was before the change is in \"qlwin4db.sav\".");
    state.exit_requested = true;
    return false;
  }
  apply_database_layout(state);
  ok = write_record(state, RecordKind::desktop_message, 1) && flush(state);
  message_box(state, message_kind::information,
              "A configuration item has been changed which requires that Quillon be restarted.\n\n"
              "Quillon will automatically shut down after you click OK.");
  state.exit_requested = true;
  return ok;
}

bool tournament_slot_free(const TournamentHeader& header) { return header.name[0] == 0; }

int tournament_day_number(const TournamentHeader& header) {
  return day_number(static_cast<std::uint8_t>(header.date_year), header.date_month, header.date_day);
}

int purge_tournaments(State& state, Date cutoff) {
  int cutoff_day = day_number(cutoff.year, cutoff.month, cutoff.day);
  int free_slots = 0;
  int purged = 0;
  std::vector<bool> keep(state.tournament_count + 1, false);
  for (int t = 1; t <= state.tournament_count; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (tournament_slot_free(state.header)) {
      ++free_slots;
    } else if (tournament_day_number(state.header) < cutoff_day) {
      ++purged;
    } else {
      keep[t] = true;
    }
  }

  std::map<int, int> renumbered;
  std::vector<char> block(tournament_block_size);
  int w = 1;
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!keep[t]) continue;
    if (t != w) {
      std::memset(block.data(), 0, block.size());
      state.db.read_at(tournament_offset(state, t), block.data(), block.size());
      if (!write_bytes(state, tournament_offset(state, w), block.data(), block.size())) return -1;
    }
    renumbered[t] = w;
    ++w;
  }

  int old_count = state.tournament_count;
  state.tournament_count = old_count - free_slots - purged;
  if (!resize_database(state)) return -1;

  // Multi-round events name their days by tournament number: follow the moves,
  // and drop days that are gone so that no event points at another tournament.
  for (int t = 1; t <= state.tournament_count; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (state.header.format != multi_round_format) continue;
    std::int16_t relinked[5] = {0, 0, 0, 0, 0};
    int n = 0;
    bool changed = false;
    for (int k = 0; k < 5 && state.header.round_tournaments[k] != 0; ++k) {
      int old_number = state.header.round_tournaments[k];
      auto it = renumbered.find(old_number);
      if (it != renumbered.end()) {
        relinked[n++] = static_cast<std::int16_t>(it->second);
        changed = changed || it->second != old_number;
      } else if (old_number >= 1 && old_number <= old_count) {
        changed = true;  // that day was purged
      } else {
        relinked[n++] = static_cast<std::int16_t>(old_number);
      }
    }
    if (!changed) continue;
    std::memcpy(state.header.round_tournaments, relinked, sizeof relinked);
    if (!write_record(state, RecordKind::tournament, t)) return -1;
  }
  return purged;
}

int tournament_count_from_length(std::int64_t file_length, std::int64_t base) {
  if (file_length <= base) return 0;
  std::int64_t after = file_length - base;
  std::int64_t q = after / tournament_block_size;
  return static_cast<int>(q + (after % tournament_block_size ? 1 : 0));
}

void scan_tournaments_at_startup(State& state) {
  state.tournament_count = tournament_count_from_length(state.db.length(), state.tournament_base);
  int this_year = state.today.year;
  int tally[8] = {0, 0, 0, 0, 0, 0, 0, 0};
  bool any_free = false;
  for (int t = 1; t <= state.tournament_count; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (tournament_slot_free(state.header)) any_free = true;
    int year = full_year(static_cast<std::uint8_t>(state.header.date_year));
    if (year <= this_year) {
      int age = this_year - year;
      tally[age > 7 ? 7 : age] += 1;
    }
  }

  if (state.tournament_count > state.system.purge_reminder_limit) {
    std::string text = format_text(
        message_limit,
        "Your database currently contains %d tournaments.  The database can accomodate up to 999 "
        "tournaments but the greater the number of tournaments in the database, the slower the "
        "system will run.\n\n",
        state.tournament_count);
    for (int age = 0; age < 8; ++age)
      if (tally[age] != 0) text += format_text(64, "%d : %d tournaments\n", this_year - age, tally[age]);
    text +=
        "\nIf you would like to purge some of the older tournaments in order to speed up your system "
        "select 'Maintenance' / 'Purge Older Tournaments'.\n\n";
    text += format_text(message_limit,
                        "If you would like to adjust the 'Purge Reminder Limit', the tournament count at "
                        "which point this reminder is displayed, select 'Maintenance' / 'System "
                        "Configuration'.  The limit is currently set at %d.",
                        state.system.purge_reminder_limit);
    show_message_text(state, message_kind::information, text);
  }

  if (any_free) {
    int count = state.tournament_count;
    while (count >= 1) {
      read_record(state, RecordKind::tournament, count);
      if (!tournament_slot_free(state.header)) break;
      --count;
    }
    if (count != state.tournament_count) {
      state.tournament_count = count;
      resize_database(state);
    }
  }
}

}  // namespace quillon
