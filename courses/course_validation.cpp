#include "courses/course_validation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_access.h"
#include "courses/course_startup.h"

namespace quillon {

namespace {

constexpr int lowest_slope = 55;
constexpr int highest_slope = 155;

// The fields of one sex, so that both blocks run through the same rules.
struct SexBlock {
  const char* who;  // "Men's" or "Women's"
  std::int8_t (&par)[18];
  std::int8_t (&hcp)[18];
  std::int16_t& rating;
  std::int16_t& rating_f9;
  std::int16_t& rating_b9;
  std::uint8_t& slope;
  std::uint8_t& slope_f9;
  std::uint8_t& slope_b9;
  std::int8_t& total_par;
  std::int8_t& par_f9;
  std::int8_t& par_b9;
};

SexBlock men_block(CourseRecord& c) {
  return {"Men's",     c.men_par,      c.men_hcp_hole, c.men_rating,    c.men_rating_f9, c.men_rating_b9,
          c.men_slope, c.men_slope_f9, c.men_slope_b9, c.men_total_par, c.men_par_f9,    c.men_par_b9};
}

SexBlock women_block(CourseRecord& c) {
  return {"Women's",     c.women_par,      c.women_hcp_hole, c.women_rating,    c.women_rating_f9, c.women_rating_b9,
          c.women_slope, c.women_slope_f9, c.women_slope_b9, c.women_total_par, c.women_par_f9,    c.women_par_b9};
}

bool within(int rating, int par, int strokes) { return std::abs(rating - 10 * par) <= 10 * strokes; }
bool slope_ok(int slope) { return slope >= lowest_slope && slope <= highest_slope; }

bool check_name(State& state, char* field, std::size_t width, const char* empty_text, const char* what) {
  std::string name = trimmed(std::string(field, strnlen(field, width)));
  std::memset(field, 0, width);
  std::memcpy(field, name.data(), std::min(name.size(), width));
  if (name.empty()) {
    error_box(state, "%s", empty_text);
    return false;
  }
  if (!name_chars_ok(name, 1)) {
    error_box(state, "%s can only contain %s.", what, name_chars_display);
    return false;
  }
  return true;
}

bool check_pars(State& state, SexBlock& b, int holes) {
  for (int h = 0; h < holes; ++h) {
    if (b.par[h] < 3 || b.par[h] > 6) {
      error_box(state, "Hole # %d, invalid value for %s par.  Valid values for par are 3, 4, 5, and 6", h + 1, b.who);
      return false;
    }
  }
  ParSums sums = sum_pars(b.par, holes);
  b.total_par = static_cast<std::int8_t>(sums.total);
  b.par_f9 = static_cast<std::int8_t>(sums.front);
  b.par_b9 = static_cast<std::int8_t>(sums.back);
  return true;
}

bool check_nine_hole_rating(State& state, SexBlock& b) {
  b.rating_f9 = b.rating_b9 = b.rating;
  if (!within(b.rating, b.total_par, 5)) {
    error_box(state, "%s Course Rating must be within 5 of %s par", b.who, b.who);
    return false;
  }
  b.slope_f9 = b.slope_b9 = b.slope;
  if (!slope_ok(b.slope)) {
    error_box(state, "%s Slope must be between 55 and 155", b.who);
    return false;
  }
  return true;
}

bool check_eighteen_hole_ratings(State& state, SexBlock& b) {
  if (!within(b.rating, b.total_par, 10)) {
    error_box(state, "%s 18 hole Course Rating must be within 10 of %s 18 hole par", b.who, b.who);
    return false;
  }
  if (!within(b.rating_f9, b.par_f9, 5)) {
    error_box(state, "%s Front 9 Course Rating must be within 5 of %s Front 9 par", b.who, b.who);
    return false;
  }
  if (!within(b.rating_b9, b.par_b9, 5)) {
    error_box(state, "%s Back 9 Course Rating must be within 5 of %s Back 9 par", b.who, b.who);
    return false;
  }
  return true;
}

bool check_slopes(State& state, const SexBlock& b) {
  if (!slope_ok(b.slope)) {
    error_box(state, "%s 18 hole Slope must be between 55 and 155", b.who);
    return false;
  }
  if (!slope_ok(b.slope_f9)) {
    error_box(state, "%s front 9 Slope must be between 55 and 155", b.who);
    return false;
  }
  if (!slope_ok(b.slope_b9)) {
    error_box(state, "%s back 9 Slope must be between 55 and 155", b.who);
    return false;
  }
  return true;
}

bool check_handicap_holes(State& state, const SexBlock& b, int holes) {
  bool used[19] = {};
  for (int h = 0; h < holes; ++h) {
    int value = b.hcp[h];
    if (value < 1 || value > holes) {
      if (holes == 18) error_box(state, "%s Handicap Holes must be between 1 and %d", b.who, holes);
      else
        error_box(state,
                  "%s Handicap Holes must be between 1 and %d.\nIf you are entering Handicap Holes for the Front or "
                  "Back 9 of an 18 hole course, you should assign the #s 1 thru 9 keeping the 9 hole assignments "
                  "in the same relative order as the 18 hole assignments.",
                  b.who, holes);
      return false;
    }
    if (used[value]) {
      error_box(state, "%s handicap hole %d assigned more than once", b.who, value);
      return false;
    }
    used[value] = true;
  }
  return true;
}

bool check_block(State& state, SexBlock b, int holes) {
  if (!check_pars(state, b, holes)) return false;
  if (holes == 9) {
    if (!check_nine_hole_rating(state, b)) return false;
  } else {
    if (!check_eighteen_hole_ratings(state, b)) return false;
    if (!check_slopes(state, b)) return false;
  }
  return check_handicap_holes(state, b, holes);
}

// Whether the shorter text equals the beginning of the longer (or, when both
// are equally long, whether they are equal), letter case ignored.
bool one_starts_the_other(const std::string& a, const std::string& b) {
  const std::string& shorter = a.size() <= b.size() ? a : b;
  const std::string& longer = a.size() <= b.size() ? b : a;
  return equal_ignoring_case(shorter, std::string_view(longer).substr(0, shorter.size()));
}

}  // namespace

ParSums sum_pars(const std::int8_t (&pars)[18], int holes) {
  ParSums s;
  for (int h = 0; h < holes && h < 18; ++h) {
    s.total += pars[h];
    (h < 9 ? s.front : s.back) += pars[h];
  }
  return s;
}

int validate_course(State& state, CourseRecord& copy) {
  if (!check_name(state, copy.course_name, sizeof copy.course_name, "Course name must be entered", "Course Name"))
    return 1;
  if (!check_name(state, copy.course_abbrev, sizeof copy.course_abbrev, "Abbreviated course name must be entered",
                  "Abbreviated Course Name"))
    return 1;
  if (!check_name(state, copy.tee_name, sizeof copy.tee_name, "Tee name must be entered", "Tee Name")) return 1;
  if (copy.men_rating_f9 == 0 && copy.men_rating_b9 == 0 && copy.women_rating_f9 == 0 && copy.women_rating_b9 == 0) {
    error_box(state, "The Mens and/or Womens Course Rating(s) must be entered.");
    return 1;
  }
  int holes = copy.hole_count == 9 ? 9 : 18;
  if (copy.men_rating != 0 && !check_block(state, men_block(copy), holes)) return 1;
  if (copy.women_rating != 0 && !check_block(state, women_block(copy), holes)) return 1;
  return 0;
}

int check_course_names(State& state, const CourseRecord& copy, int editing_slot) {
  std::string course = field_text(copy.course_name);
  std::string tee = field_text(copy.tee_name);
  // Start-up clears courses of this name, so one stored under it would vanish.
  if (equal_ignoring_case(course, reserved_course_name)) {
    message_box(state, message_kind::information,
                "The course name [%s] is reserved for Quillon's own use.  Please choose another name.", course.c_str());
    return 1;
  }
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (slot == editing_slot) continue;
    if (!read_record(state, RecordKind::course, slot)) return 1;  // told
    if (!course_slot_used(state.course)) continue;
    std::string other_course = field_text(state.course.course_name);
    std::string other_tee = field_text(state.course.tee_name);
    bool same_course = equal_ignoring_case(course, other_course);
    if (same_course && equal_ignoring_case(tee, other_tee)) {
      message_box(state, message_kind::information, "The [%s] tees for the course [%s] have already been defined.",
                  tee.c_str(), course.c_str());
      return 1;
    }
    if (!same_course && one_starts_the_other(course, other_course)) {
      message_box(state, message_kind::information,
                  "The course name [%s] conflicts with the name of an existing course [%s].  No course name can be "
                  "an exact subset of another course name.",
                  course.c_str(), other_course.c_str());
      return 1;
    }
    if (same_course && one_starts_the_other(tee, other_tee)) {
      message_box(state, message_kind::information,
                  "The tee name [%s] conflicts with name of an existing tee [%s] for the course [%s].  For any "
                  "given course, no tee name can be an exact subset of another tee name.",
                  tee.c_str(), other_tee.c_str(), course.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace quillon
