#include "courses/course_commands.h"

#include "core/checked_save.h"
#include "core/database.h"
#include "core/dispatch.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/system_record_update.h"
#include "courses/course_access.h"
#include "courses/course_dialog.h"
#include "courses/course_slots.h"
#include "courses/ravelin_courses.h"

namespace quillon {

namespace {

int dialog_holes(const CourseRecord& course, int fallback) {
  if (course.hole_count == 9 || course.hole_count == 18) return course.hole_count;
  return fallback == 9 ? 9 : 18;
}

// Records the day of the change (and a new default course, when given) in the
// stored system record, keeping what other openers changed in it.
Status note_course_change(State& state, int new_default_course = 0) {
  auto today = static_cast<std::uint16_t>(state.today.day_number);
  return update_system_record(state, [&](SystemRecord& s) {
    s.course_change_date = today;
    if (new_default_course != 0) s.default_course = static_cast<std::uint16_t>(new_default_course);
  });
}

// Stores an accepted new record into its free slot, with the bookkeeping of a
// new course or tee.
Status store_new_record(State& state, const CourseRecord& record, int slot) {
  // The first course becomes the default course.
  Result<int> courses_before = count_courses(state);
  if (!courses_before) return courses_before.status();
  // The slot offered may have been taken by another opener while the dialog
  // was open: the record goes into a slot still free under the lock.
  constexpr int attempts = 10;
  std::string why;
  CheckedWrite stored = CheckedWrite::changed_meanwhile;
  for (int tries = 0; tries < attempts && stored == CheckedWrite::changed_meanwhile; ++tries) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    const CourseRecord seen = state.course;
    if (course_slot_used(seen)) {
      if (slot > state.course_count) state.course_count = slot;
      slot = find_free_course_slot(state);
      if (slot == 0) return Status::told();
      continue;
    }
    stored = write_if_unchanged(state, course_offset(slot), &seen, &record, sizeof record, &why);
  }
  if (stored == CheckedWrite::changed_meanwhile) why = "the course slots keep changing under another user";
  if (stored != CheckedWrite::written) {
    error_box(state, "The Quillon database could not be written (%s).\n\nThe last change was NOT saved.", why.c_str());
    return Status::told();
  }
  state.course = record;
  if (slot > state.course_count) state.course_count = slot;
  Status written = note_course_change(state, *courses_before == 0 ? slot : 0);
  if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
  return written;
}

// New tournaments start on the default course, so it must not point at the
// slot just cleared.
Status move_default_off(State& state, int removed_slot) {
  if (state.system.default_course != removed_slot) return Status::ok();
  int first = 0;
  for (int slot = 1; slot <= state.course_count && first == 0; ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (course_slot_used(state.course)) first = slot;
  }
  state.system.default_course = static_cast<std::uint16_t>(first == 0 ? 1 : first);
  return write_record(state, RecordKind::system, 1);
}

}  // namespace

Status add_course(State& state, int holes) {
  int slot = find_free_course_slot(state);
  if (slot == 0) return Status::told();
  CourseDialogModel dialog(state, holes, course_mode::add, slot);
  if (!state.ui.run_dialog(dialog)) return Status::told();
  return store_new_record(state, dialog.record(), slot);
}

Status add_tee_position(State& state, int holes) {
  if (!check_precondition(state, Precondition::a_course)) return Status::told();
  int slot = find_free_course_slot(state);
  if (slot == 0) return Status::told();
  int source = select_course(state);
  if (source == 0) return Status::told();
  CourseDialogModel dialog(state, dialog_holes(state.course, holes), course_mode::add_tee, slot, state.course);
  if (!state.ui.run_dialog(dialog)) return Status::told();
  return store_new_record(state, dialog.record(), slot);
}

Status change_course(State& state) {
  if (!check_precondition(state, Precondition::a_course)) return Status::told();
  int slot = select_course(state);
  if (slot == 0) return Status::told();
  // The record is written only if no other opener changed it while the
  // dialog was open; otherwise the user may start again from the stored one.
  for (;;) {
    CourseRecord as_read = state.course;
    CourseDialogModel dialog(state, dialog_holes(as_read, 18), course_mode::change, slot, as_read);
    if (!state.ui.run_dialog(dialog)) return Status::told();
    state.course = dialog.record();
    CheckedSave saved =
        save_if_unchanged(state, course_offset(slot), &as_read, &state.course, sizeof state.course, "course");
    if (saved == CheckedSave::saved) break;
    if (saved != CheckedSave::reload) return Status::told();
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
  }
  return note_course_change(state);
}

Status remove_course(State& state, const SameCourseElsewhere& in_ravelin) {
  if (!check_precondition(state, Precondition::a_course)) return Status::told();
  int slot = select_course(state);
  if (slot == 0) return Status::told();
  CourseRecord course = state.course;

  int user = 0;
  {
    BusyCursor busy(state);
    Result<int> first_user = first_tournament_using_course(state, slot, CourseUse{.skip_multi_round = true});
    if (!first_user) return first_user.status();
    user = *first_user;
  }
  if (user != 0) {
    if (Status read = read_record(state, RecordKind::tournament, user); !read) return read;
    std::string date =
        long_date(static_cast<std::uint8_t>(state.header.date_year), state.header.date_month, state.header.date_day);
    error_box(state,
              "Course cannot be removed.  Tournament(s) exist in the tournament database using that course.  First "
              "tournament found was [%s %s]",
              date.c_str(), field_text(state.header.name).c_str());
    return Status::told();
  }

  std::string course_name = field_text(course.course_name);
  std::string tee_name = field_text(course.tee_name);
  if (destructive_question(state, message_kind::warning_yes_no,
                           "Are you sure that you wish to remove the course (%s - %s)?", course_name.c_str(),
                           tee_name.c_str()) != Button::yes)
    return Status::told();
  bool comes_back = in_ravelin ? in_ravelin(state, course) : course_in_ravelin(state, course);
  if (comes_back)
    message_box(state, message_kind::information,
                "The selected course also exists in the Ravelin database.\n\nIf you do not remove this course from "
                "Ravelin, the course will automatically be imported the next time you start Quillon.");
  if (Status cleared = clear_course_slot(state, slot); !cleared) return cleared;
  Result<int> highest = highest_used_course_slot(state);
  if (!highest) return highest.status();
  state.course_count = *highest;
  if (Status moved = move_default_off(state, slot); !moved) return moved;
  return read_record(state, RecordKind::course, slot);
}

}  // namespace quillon
