#include "handicap/stroke_allocation.h"

#include <algorithm>

#include "handicap/tee_values.h"

namespace quillon {

namespace {

constexpr const char* cap_names[hole_cap_setting_count] = {
    "None", "1 over par", "2 over par", "3 over par", "4 over par", "double par",
};

}  // namespace

int strokes_on_hole(int hole_hcp, int handicap, int hole_count) {
  if (handicap >= 1) {
    if (hole_hcp > handicap) return 0;
    if (hole_hcp <= handicap - 2 * hole_count) return 3;
    if (hole_hcp <= handicap - hole_count) return 2;
    return 1;
  }
  if (handicap <= -10 || handicap == 0) return 0;
  return hole_hcp >= hole_count + 1 + handicap ? -1 : 0;
}

int net_hole_score(const CourseRecord& tee, int score, char sex, int hole, int handicap) {
  return score - strokes_on_hole(tee_values::stroke_index(tee, sex, hole), handicap, tee_values::hole_count(tee));
}

std::string hole_cap_name(int cap_index) {
  if (cap_index < 0 || cap_index >= hole_cap_setting_count) return cap_names[0];
  return cap_names[cap_index];
}

std::vector<std::string> hole_cap_names() { return {std::begin(cap_names), std::end(cap_names)}; }

int hole_cap(int par, int cap_index) {
  if (cap_index >= 1 && cap_index <= 4) return par + cap_index;
  if (cap_index == double_par_setting) return 2 * par;
  return no_hole_cap;
}

}  // namespace quillon
