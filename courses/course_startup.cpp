#include "courses/course_startup.h"

#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"

namespace quillon {

namespace {

bool printable_start(const char* text) {
  unsigned char c = static_cast<unsigned char>(text[0]);
  return c >= '!' && c <= '~';
}

bool course_used_by_tournament(State& state, int slot) {
  TournamentHeader saved = state.header;
  int saved_current = state.current_tournament;
  bool used = false;
  for (int t = 1; t <= state.tournament_count && !used; ++t) {
    read_record(state, RecordKind::tournament, t);
    if (tournament_slot_free(state.header)) continue;
    for (int d = 0; d < 10; ++d)
      if (state.header.division_tee[d] == slot) used = true;
  }
  state.header = saved;
  state.current_tournament = saved_current;
  return used;
}

// Recomputes one sex's nine and total pars, keeping a stored value that is larger.
bool recompute_pars(const std::int8_t* pars, std::int8_t& front, std::int8_t& back, std::int8_t& total) {
  int f = 0, b = 0;
  for (int h = 0; h < 9; ++h) f += pars[h];
  for (int h = 9; h < 18; ++h) b += pars[h];
  bool changed = false;
  auto raise = [&](std::int8_t& stored, int computed) {
    if (computed > stored) {
      stored = static_cast<std::int8_t>(computed);
      changed = true;
    }
  };
  raise(front, f);
  raise(back, b);
  raise(total, f + b);
  return changed;
}

}  // namespace

void upgrade_course_records(State& state) {
  for (int n = 1; n <= state.course_slot_count(); ++n) {
    read_record(state, RecordKind::course, n);
    CourseRecord& c = state.course;
    if (field_empty(c.course_name)) continue;
    if (c.women_total_par != 0 && c.men_total_par != 0) continue;
    bool changed = recompute_pars(c.men_par, c.men_par_f9, c.men_par_b9, c.men_total_par);
    changed = recompute_pars(c.women_par, c.women_par_f9, c.women_par_b9, c.women_total_par) || changed;
    if (changed && !write_record(state, RecordKind::course, n)) return;
  }
}

void scan_courses(State& state) {
  state.course_count = 0;
  for (int n = 1; n <= state.course_slot_count(); ++n) {
    read_record(state, RecordKind::course, n);
    if (field_text(state.course.course_name) == "Unassigned") {
      std::memset(&state.course, 0, sizeof state.course);
      if (!write_record(state, RecordKind::course, n)) return;
    }
    if (!field_empty(state.course.course_name)) state.course_count = n;
  }

  SystemRecord& s = state.system;
  if (s.default_course == 0 || s.default_course > state.course_count) {
    s.default_course = 1;
    write_record(state, RecordKind::system, 1);
  }
  read_record(state, RecordKind::course, s.default_course);
  if (field_empty(state.course.course_name) || field_text(state.course.course_name) == "Unassigned") {
    for (int n = 1; n <= state.course_count; ++n) {
      read_record(state, RecordKind::course, n);
      if (field_empty(state.course.course_name)) continue;
      s.default_course = static_cast<std::uint16_t>(n);
      write_record(state, RecordKind::system, 1);
      break;
    }
  }
}

void remove_damaged_courses(State& state) {
  for (int n = 1; n <= state.course_count; ++n) {
    read_record(state, RecordKind::course, n);
    const CourseRecord& c = state.course;
    if (field_empty(c.course_name)) continue;
    bool damaged = !printable_start(c.tee_name) || !printable_start(c.course_name);
    if (!damaged || course_used_by_tournament(state, n)) continue;
    std::memset(&state.course, 0, sizeof state.course);
    if (!write_record(state, RecordKind::course, n)) return;
  }
  while (state.course_count > 0) {
    read_record(state, RecordKind::course, state.course_count);
    if (!field_empty(state.course.course_name)) break;
    --state.course_count;
  }
}

}  // namespace quillon
