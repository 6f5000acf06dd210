#include "courses/course_startup.h"

#include <cstdint>
#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "courses/course_access.h"
#include "courses/course_slots.h"
#include "courses/course_validation.h"

namespace quillon {

namespace {

void raise_to(std::int8_t& stored, int computed) {
  if (computed > stored) stored = static_cast<std::int8_t>(computed);
}

bool printable_start(const char* text) {
  auto first = static_cast<unsigned char>(text[0]);
  return first >= '!' && first <= '~';
}

// The scan runs before the tournaments are counted at start-up, so the count
// is taken from the file here. The headers are read as values: the course
// buffer the scan works in stays as it is.
Result<bool> course_in_use(State& state, int slot) {
  state.tournament_count = tournament_count_from_length(state.db.length(), state.tournament_base);
  Result<int> user = first_tournament_using_course(state, slot, CourseUse{});
  if (!user) return user.status();
  return *user != 0;
}

}  // namespace

Status upgrade_course_records(State& state) {
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    CourseRecord& c = state.course;
    if (!course_slot_used(c) || (c.men_total_par != 0 && c.women_total_par != 0)) continue;
    // Holes beyond a nine-hole course's ninth are not part of it.
    int holes = c.hole_count == 9 ? 9 : 18;
    ParSums men = sum_pars(c.men_par, holes);
    ParSums women = sum_pars(c.women_par, holes);
    raise_to(c.men_total_par, men.total);
    raise_to(c.men_par_f9, men.front);
    raise_to(c.men_par_b9, men.back);
    raise_to(c.women_total_par, women.total);
    raise_to(c.women_par_f9, women.front);
    raise_to(c.women_par_b9, women.back);
    if (Status written = write_record(state, RecordKind::course, slot); !written) return written;
  }
  return Status::ok();
}

Status scan_courses(State& state) {
  state.course_count = 0;
  int first_used = 0;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (field_text(state.course.course_name) == reserved_course_name) {
      Result<bool> in_use = course_in_use(state, slot);
      if (!in_use) return in_use.status();
      if (!*in_use) {
        if (Status cleared = clear_course_slot(state, slot); !cleared) return cleared;
      }
    }
    if (!course_slot_used(state.course)) continue;
    state.course_count = slot;
    if (first_used == 0) first_used = slot;
  }

  std::uint16_t default_course = state.system.default_course;
  if (default_course == 0 || default_course > state.course_count) default_course = 1;
  if (Status read = read_record(state, RecordKind::course, default_course); !read) return read;
  if (!course_slot_used(state.course) && first_used != 0) default_course = static_cast<std::uint16_t>(first_used);
  if (default_course == state.system.default_course) return Status::ok();
  state.system.default_course = default_course;
  return write_record(state, RecordKind::system, 1);
}

Result<int> remove_damaged_courses(State& state) {
  int cleared = 0;
  for (int slot = 1; slot <= state.course_count; ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (!course_slot_used(state.course)) continue;
    if (printable_start(state.course.tee_name) && printable_start(state.course.course_name)) continue;
    Result<int> user = first_tournament_using_course(state, slot, CourseUse{});
    if (!user) return user.status();
    if (*user != 0) continue;
    if (clear_course_slot(state, slot)) ++cleared;
  }
  if (cleared > 0) {
    Result<int> highest = highest_used_course_slot(state);
    if (!highest) return highest.status();
    state.course_count = *highest;
  }
  return cleared;
}

}  // namespace quillon
