#include "scoring/rating_check.h"

#include <algorithm>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "scoring/division_tees.h"
#include "tournament/field.h"

namespace quillon {

namespace {

struct SexesPlaying {
  bool men = false;
  bool women = false;
};

bool rated_for_men(const CourseRecord& tee) { return tee.course_name[0] != '\0' && tee.men_rating != 0; }
bool rated_for_women(const CourseRecord& tee) { return tee.course_name[0] != '\0' && tee.women_rating != 0; }

Result<std::vector<SexesPlaying>> sexes_by_division(State& state) {
  std::vector<SexesPlaying> seen(11);
  const int group_size = group_size_of(state.header);
  for (int group = 1; group <= state.header.group_count; ++group) {
    if (Status read = read_record(state, RecordKind::group, group); !read) return read;
    for (int slot = 0; slot < group_size; ++slot) {
      const GolferEntry& g = state.group.entries[slot];
      if (g.name[0] == '\0' || g.disqualified || g.division < 1 || g.division > 10) continue;
      if (entry_gender(state, g.gender) == 'M') seen[g.division].men = true;
      else seen[g.division].women = true;
    }
  }
  return seen;
}

}  // namespace

bool check_division_ratings(State& state, const DivisionTees& tees) {
  const int divisions = std::clamp(static_cast<int>(state.header.division_count), 1, 10);
  bool all_rated = true;
  for (int d = 1; d <= divisions; ++d)
    all_rated = all_rated && rated_for_men(tees.of(d)) && rated_for_women(tees.of(d));
  if (all_rated) return true;

  Result<std::vector<SexesPlaying>> by_division = sexes_by_division(state);
  if (!by_division) return false;
  const std::vector<SexesPlaying>& seen = *by_division;
  for (int d = 1; d <= divisions; ++d) {
    const CourseRecord& tee = tees.of(d);
    std::string course = field_text(tee.course_name);
    std::string tee_name = field_text(tee.tee_name);
    if (seen[d].men && !rated_for_men(tee)) {
      message_box(state, message_kind::error,
                  "Division %d contains male golfers but the men's course rating information has not entered for "
                  "the selected course/tee.\nCourse : %s,   Tee : %s",
                  d, course.c_str(), tee_name.c_str());
      return false;
    }
    if (seen[d].women && !rated_for_women(tee)) {
      message_box(state, message_kind::error,
                  "Division %d contains female golfers but the women's course rating information has not entered "
                  "for the selected course/tee.\nCourse : %s,   Tee : %s",
                  d, course.c_str(), tee_name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace quillon
