// Changing the number of course slots: every tournament block moves with the
// tournament base, after a byte copy of the file is taken. The whole change
// runs under the database lock; the space it needs is claimed before anything
// moves, and a failure half-way puts the file back from the copy.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/database_io.h"
#include "core/database_snapshot.h"
#include "core/messages.h"

namespace quillon {

namespace {

struct SlotMove {
  std::int64_t old_base;
  std::int64_t new_base;
  std::int64_t old_length;
  int tournaments;
};

// Moves tournament t's bytes (a last block may be partial) to the new base.
Status move_block(State& state, const SlotMove& m, int t, std::vector<char>& block) {
  std::int64_t from = m.old_base + static_cast<std::int64_t>(tournament_block_size) * (t - 1);
  std::int64_t to = m.new_base + static_cast<std::int64_t>(tournament_block_size) * (t - 1);
  auto n = static_cast<std::size_t>(std::min<std::int64_t>(tournament_block_size, m.old_length - from));
  if (Status read = state.db.read_exact(from, block.data(), n); !read) return read;
  return state.db.write_at(to, block.data(), n);
}

Status write_raw(State& state, std::int64_t offset, const void* data, std::size_t n) {
  return state.db.write_at(offset, data, n);
}

Status move_everything(State& state, const SlotMove& m, int old_slots, int new_slots, bool with_message) {
  std::vector<char> block(tournament_block_size);
  if (new_slots > old_slots) {
    for (int t = m.tournaments; t >= 1; --t)
      if (Status s = move_block(state, m, t, block); !s) return s;
    CourseRecord empty{};
    for (int n = old_slots + 1; n <= new_slots; ++n)
      if (Status s = write_raw(state, course_offset(n), &empty, sizeof empty); !s) return s;
  } else {
    for (int t = 1; t <= m.tournaments; ++t)
      if (Status s = move_block(state, m, t, block); !s) return s;
  }
  if (with_message) {
    Status s =
        write_raw(state, desktop_message_offset_for(new_slots), &state.desktop_message, sizeof state.desktop_message);
    if (!s) return s;
  }
  // The stored record, not the buffer: other openers may have changed it.
  SystemRecord system{};
  if (Status read = state.db.read_exact(system_record_offset, &system, sizeof system); !read) return read;
  system.course_slot_count = static_cast<std::int16_t>(new_slots);
  if (Status s = write_raw(state, system_record_offset, &system, sizeof system); !s) return s;
  std::int64_t new_length = m.old_length + (m.new_base - m.old_base);
  if (Status resized = state.db.set_length(new_length); !resized) return resized;
  return state.db.flush();
}

// The moves reach the disk whole or not at all: a process killed half-way
// leaves a journal that the next opener rolls back.
Status move_in_one_change(State& state, const SlotMove& m, int old_slots, int new_slots, bool with_message) {
  if (Status begun = state.db.begin_transaction(); !begun) {
    state.db.abandon_transaction();
    return begun;
  }
  if (Status moved = move_everything(state, m, old_slots, new_slots, with_message); !moved) {
    state.db.abandon_transaction();
    return moved;
  }
  return state.db.commit_transaction();
}

}  // namespace

Status change_course_slot_count(State& state, int new_slots) {
  int old_slots = state.system.course_slot_count;
  if (new_slots == old_slots) return Status::ok();

  DatabaseLock lock(state.db);
  if (!lock.held()) {
    error_box(state,
              "The Quillon database could not be locked (%s).  The number of courses to be stored was NOT "
              "changed.",
              lock.status().reason().c_str());
    return Status::told();
  }
  bool with_message = has_desktop_message(state);
  SlotMove m{tournament_base_for(old_slots, with_message), tournament_base_for(new_slots, with_message),
             state.db.length(), 0};
  // Another opener may have added tournaments since start-up.
  m.tournaments = tournament_count_from_length(m.old_length, m.old_base);

  if (Status copied = take_snapshot(state); !copied) {
    error_box(state,
              "A error was encountered making a backup copy of the database.  The requested change to "
              "the number of courses to be stored was NOT successfully completed.\n\n%s",
              copied.reason().c_str());
    return Status::told();
  }
  if (new_slots > old_slots) {
    if (Status reserved = state.db.reserve(0, m.old_length + (m.new_base - m.old_base)); !reserved) {
      // The reservation may have claimed some of the space; give it back.
      if (Status given_back = state.db.set_length(m.old_length); !given_back) {
        error_box(state,
                  "There is not enough free disk space to change the number of courses to be stored (%s), and the "
                  "space claimed could not be given back (%s).\n\nA copy of the database as it was before is in "
                  "\"qlwin4db.sav\".",
                  reserved.reason().c_str(), given_back.reason().c_str());
        return Status::told();
      }
      error_box(state,
                "There is not enough free disk space to change the number of courses to be stored (%s).\n\n"
                "Nothing has been changed.",
                reserved.reason().c_str());
      return Status::told();
    }
  }

  if (Status moved = move_in_one_change(state, m, old_slots, new_slots, with_message); !moved) {
    Status restored = restore_from_snapshot(state);
    if (restored) {
      error_box(state,
                "The change to the number of courses to be stored could not be completed (%s).\n\n"
                "The database has been put back as it was before the change.",
                moved.reason().c_str());
      return Status::told();
    }
    error_box(state,
              "The change to the number of courses to be stored could not be completed (%s), and the database "
              "could not be put back (%s).\n\nA copy of the database as it was before the change is in "
              "\"qlwin4db.sav\".  Quillon will shut down; copy \"qlwin4db.sav\" over \"qlwin4.dat\" before "
              "starting it again.",
              moved.reason().c_str(), restored.reason().c_str());
    state.exit_requested = true;
    return Status::told();
  }

  // The file has its new layout already: without its system record the
  // program cannot go on, and it shuts down as after the restart message.
  if (Status read = read_record(state, RecordKind::system, 1); !read) {
    state.exit_requested = true;
    return read;
  }
  apply_database_layout(state);
  message_box(state, message_kind::information,
              "A configuration item has been changed which requires that Quillon be restarted.\n\n"
              "Quillon will automatically shut down after you click OK.");
  state.exit_requested = true;
  return Status::ok();
}

}  // namespace quillon
