#include "core/database.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/atomic_file.h"
#include "core/database_io.h"
#include "core/file_io.h"
#include "core/fixed_text.h"
#include "core/messages.h"

namespace quillon {

namespace {

Status report_write_failure(State& state, const Status& failure) {
  error_box(state, "The Quillon database could not be written (%s).\n\nThe last change was NOT saved.",
            failure.reason().c_str());
  return Status::told();
}

int group_size_of(const State& state) { return state.header.group_size; }

bool group_in_range(int group_size, int number) {
  return number >= 1 && group_size >= 1 && group_size <= max_group_size &&
         group_size * number <= golfers_per_tournament;
}

int read_record_quietly(State& state, RecordKind kind, int number) {
  if (number < 1) return 0;
  auto read_into = [&](auto& buffer, std::int64_t offset, std::size_t size) {
    std::memset(&buffer, 0, sizeof buffer);
    return static_cast<int>(state.db.read_at(offset, &buffer, size));
  };
  switch (kind) {
    case RecordKind::system: return read_into(state.system, system_record_offset, sizeof state.system);
    case RecordKind::import_settings:
      return read_into(state.import_settings, import_settings_offset, sizeof state.import_settings);
    case RecordKind::course: return read_into(state.course, course_offset(number), sizeof state.course);
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
      return static_cast<int>(state.db.read_at(group_offset(state, state.current_tournament, number, g), &state.group,
                                               static_cast<std::size_t>(g) * golfer_entry_size));
    }
  }
  return 0;
}

}  // namespace

bool has_desktop_message(const State& state) { return (state.system.flags & system_flag::no_desktop_message) == 0; }

Status write_bytes(State& state, std::int64_t offset, const void* data, std::size_t n) {
  Status written = state.db.write_at(offset, data, n);
  return written ? written : report_write_failure(state, written);
}

Status flush_database(State& state) {
  Status flushed = state.db.flush();
  return flushed ? flushed : report_write_failure(state, flushed);
}

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

Result<int> read_record_counted(State& state, RecordKind kind, int number) {
  state.db.clear_read_failure();
  int got = read_record_quietly(state, kind, number);
  if (!state.db.read_failed()) return got;
  error_box(state, "The Quillon database could not be read (%s).", state.db.read_error().c_str());
  ++state.told_read_failures;
  return Status::told();
}

Status read_record(State& state, RecordKind kind, int number) {
  return read_record_counted(state, kind, number).status();
}

Status write_record(State& state, RecordKind kind, int number) {
  auto outside = [&](const char* what) {
    return Status::failed(std::string(what) + " " + std::to_string(number) + " is outside the database layout");
  };
  Status written = Status::ok();
  switch (kind) {
    case RecordKind::system:
      written = write_bytes(state, system_record_offset, &state.system, sizeof state.system);
      break;
    case RecordKind::import_settings:
      written = write_bytes(state, import_settings_offset, &state.import_settings, sizeof state.import_settings);
      break;
    case RecordKind::course:
      // Slot 0 and slots past the configured count would overwrite other records.
      if (number < 1 || number > state.system.course_slot_count) {
        written = outside("course slot");
        break;
      }
      written = write_bytes(state, course_offset(number), &state.course, sizeof state.course);
      break;
    case RecordKind::desktop_message:
      // Without a desktop message record this place holds the first tournament.
      if (!has_desktop_message(state)) break;
      written = write_bytes(state, state.desktop_message_offset, &state.desktop_message, sizeof state.desktop_message);
      break;
    case RecordKind::tournament:
      if (number < 1) {
        written = outside("tournament");
        break;
      }
      state.current_tournament = number;
      written = write_bytes(state, tournament_offset(state, number), &state.header, sizeof state.header);
      break;
    case RecordKind::group: {
      int g = group_size_of(state);
      if (state.current_tournament < 1 || !group_in_range(g, number)) {
        written = outside("group");
        break;
      }
      written = write_bytes(state, group_offset(state, state.current_tournament, number, g), &state.group,
                            static_cast<std::size_t>(g) * golfer_entry_size);
      break;
    }
  }
  Status flushed = flush_database(state);
  return written ? flushed : written;
}

Status store_group(State& state, int number) {
  int g = group_size_of(state);
  if (state.current_tournament < 1 || !group_in_range(g, number))
    return Status::failed("group " + std::to_string(number) + " is outside the tournament");
  if (Status written = state.db.write_at(group_offset(state, state.current_tournament, number, g), &state.group,
                                         static_cast<std::size_t>(g) * golfer_entry_size);
      !written)
    return written;
  return state.db.flush();
}

void tell_write_failure(State& state, const Status& status) {
  error_box(state, "The Quillon database could not be written (%s).\n\nThe last change was NOT saved.",
            status.reason().c_str());
}

Status open_database(State& state) { return state.db.open(state.file(state.db_name)); }

void apply_database_layout(State& state) {
  int slots = state.system.course_slot_count;
  state.desktop_message_offset = static_cast<int>(desktop_message_offset_for(slots));
  state.tournament_base = static_cast<int>(tournament_base_for(slots, has_desktop_message(state)));
}

Status create_database(State& state) {
  // The file is filled under a temporary name and linked into place only when
  // complete: another program starting at the same moment never opens a
  // half-made database, and of two creators exactly one wins.
  Result<AtomicFile> file = AtomicFile::create(state.file(state.db_name));
  if (!file) return file.status();
  file->release_descriptor();
  if (Status opened = state.db.open(file->temporary_path()); !opened) return opened;

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
  s.flags = system_flag::upgraded | system_flag::yards | system_flag::color_reports;
  s.course_slot_count = 50;
  for (int i = 0; i < 8; ++i) s.stableford_points[i] = static_cast<std::int8_t>(7 - i);

  state.desktop_message_offset = static_cast<int>(desktop_message_offset_for(s.course_slot_count));
  std::memset(&state.desktop_message, 0, sizeof state.desktop_message);
  set_field_text(state.desktop_message.text, default_desktop_message);
  Status written = write_record(state, RecordKind::desktop_message, 1);
  if (written) written = write_record(state, RecordKind::system, 1);

  state.tournament_base = static_cast<int>(tournament_base_for(s.course_slot_count));
  std::memset(&state.import_settings, 0, sizeof state.import_settings);
  set_field_text(state.import_settings.ravelin_folder, default_ravelin_folder);
  if (written) written = write_record(state, RecordKind::import_settings, 1);

  std::memset(&state.course, 0, sizeof state.course);
  for (int n = 1; written && n <= s.course_slot_count; ++n) written = write_record(state, RecordKind::course, n);
  state.tournament_count = 0;
  state.db.close();
  if (!written) return written;
  return file->commit_new();
}

Status resize_database(State& state) {
  if (Status resized = state.db.set_length(expected_file_length(state)); !resized)
    return report_write_failure(state, resized);
  return flush_database(state);
}

bool tournament_slot_free(const TournamentHeader& header) { return header.name[0] == 0; }

int tournament_day_number(const TournamentHeader& header) {
  return day_number(static_cast<std::uint8_t>(header.date_year), header.date_month, header.date_day);
}

}  // namespace quillon
