#include "scoring/rating_check.h"

#include <algorithm>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "scoring/division_tees.h"
#include "tournament/field.h"

namespace quillon {

namespace {

struct SexesPlaying {
  bool men = false;
  bool women = false;
};

std::vector<SexesPlaying> sexes_by_division(const State& state, const std::vector<GroupBuffer>& field) {
  std::vector<SexesPlaying> seen(11);
  const int group_size = std::clamp(static_cast<int>(state.header.group_size), 1, max_group_size);
  for (const GroupBuffer& group : field) {
    for (int slot = 0; slot < group_size; ++slot) {
      const GolferEntry& g = group.entries[slot];
      if (g.name[0] == '\0' || g.disqualified || g.division < 1 || g.division > 10) continue;
      if (entry_gender(state, g.gender) == 'M')
        seen[g.division].men = true;
      else
        seen[g.division].women = true;
    }
  }
  return seen;
}

}  // namespace

bool check_division_ratings(State& state, const DivisionTees& tees, const std::vector<GroupBuffer>& field) {
  auto seen = sexes_by_division(state, field);
  const int divisions = std::clamp(static_cast<int>(state.header.division_count), 1, 10);
  for (int d = 1; d <= divisions; ++d) {
    const CourseRecord& tee = tees.of(d);
    const bool named = tee.course_name[0] != '\0';
    std::string course = field_text(tee.course_name);
    std::string tee_name = field_text(tee.tee_name);
    if (seen[d].men && (!named || tee.men_rating == 0)) {
      message_box(state, message_kind::error,
                  "Division %d contains male golfers but the men's course rating information has not entered for "
                  "the selected course/tee.\nCourse : %s,   Tee : %s",
                  d, course.c_str(), tee_name.c_str());
      return false;
    }
    if (seen[d].women && (!named || tee.women_rating == 0)) {
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
