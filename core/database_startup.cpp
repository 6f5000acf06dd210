#include "core/database_startup.h"

#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/messages.h"

namespace quillon {

bool holds_a_database(const DatabaseFile& db) {
  SystemRecord system{};
  if (db.read_at(system_record_offset, &system, sizeof system) != sizeof system) return false;
  int slots = system.course_slot_count;
  return slots >= 1 && slots <= max_course_slot_count && db.length() >= desktop_message_offset_for(slots);
}

Status open_or_create_database(State& state, bool* created) {
  bool made = false;
  std::error_code ec;
  // A file that cannot be made cannot be opened either, which the user is told next.
  if (!std::filesystem::exists(state.file(state.db_name), ec)) made = create_database(state).is_ok();
  if (created) *created = made;
  // A file too short for its configuration records and course slots would be
  // taken as zeros and then written over by the start-up steps.
  if (!open_database(state) || !holds_a_database(state.db)) {
    state.db.close();
    message_box(state, message_kind::error, "Error Opening Quillon database");
    return Status::told();
  }
  return Status::ok();
}

void read_configuration(State& state) {
  read_record(state, RecordKind::system, 1);
  read_record(state, RecordKind::import_settings, 1);
  apply_database_layout(state);
}

void finish_database_startup(State& state) {
  apply_database_layout(state);
  if ((state.system.flags & system_flag::no_desktop_message) == 0)
    read_record(state, RecordKind::desktop_message, 1);
  else
    std::memset(&state.desktop_message, 0, sizeof state.desktop_message);
  scan_tournaments_at_startup(state);
}

}  // namespace quillon
