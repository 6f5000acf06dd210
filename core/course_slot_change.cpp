// Changing the number of course slots: every tournament block moves with the
// tournament base, after a byte copy of the file is taken.
#include <cstring>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/database_io.h"
#include "core/messages.h"
#include "core/database_image.h"

namespace quillon {

Status change_course_slot_count(State& state, int new_slots) {
  int old_slots = state.system.course_slot_count;
  if (new_slots == old_slots) return Status::ok();

  if (Status copied = save_database_image(state.file(state.db_name), state.file("qlwin4db.sav")); !copied) {
    error_box(state,
              "A error was encountered making a backup copy of the database.  The requested change to "
              "the number of courses to be stored was NOT successfully completed.\n\n%s",
              copied.reason().c_str());
    return Status::told();
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

  Status moved = Status::ok();
  if (new_slots > old_slots) {
    for (int t = state.tournament_count; moved && t >= 1; --t) moved = move_block(t);
    CourseRecord empty{};
    for (int n = old_slots + 1; moved && n <= new_slots; ++n)
      moved = write_bytes(state, course_offset(n), &empty, sizeof empty);
    state.system.course_slot_count = static_cast<std::int16_t>(new_slots);
    if (moved) moved = write_record(state, RecordKind::system, 1);
  } else {
    for (int t = 1; moved && t <= state.tournament_count; ++t) moved = move_block(t);
    state.system.course_slot_count = static_cast<std::int16_t>(new_slots);
    if (moved) moved = write_record(state, RecordKind::system, 1);
    if (moved) moved = resize_database(state);
  }
  if (!moved) {
    // The copy taken first holds the file as it was.
    error_box(state,
              "The change to the number of courses to be stored could not be completed.  A copy of the "
              "database as it was before the change is in \"qlwin4db.sav\".");
    state.exit_requested = true;
    return Status::told();
  }
  apply_database_layout(state);
  Status written = write_record(state, RecordKind::desktop_message, 1);
  if (written) written = flush_database(state);
  message_box(state, message_kind::information,
              "A configuration item has been changed which requires that Quillon be restarted.\n\n"
              "Quillon will automatically shut down after you click OK.");
  state.exit_requested = true;
  return written;
}

}  // namespace quillon
