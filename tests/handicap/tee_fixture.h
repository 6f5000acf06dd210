#pragma once
// Tees and cards for the handicap tests.
#include <array>
#include <initializer_list>

#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"

namespace quillon::testing {

// Par 72: each nine is 4 4 3 5 4 4 3 5 4. Men's stroke index of hole h is h;
// women's runs the other way (hole 1 is 18). Slope 113, rating 72.0.
inline CourseRecord par72_tee() {
  CourseRecord tee{};
  tee.hole_count = 18;
  constexpr std::array<int, 9> nine = {4, 4, 3, 5, 4, 4, 3, 5, 4};
  for (int i = 0; i < 18; ++i) {
    tee.men_par[i] = tee.women_par[i] = static_cast<std::int8_t>(nine[i % 9]);
    tee.men_hcp_hole[i] = static_cast<std::int8_t>(i + 1);
    tee.women_hcp_hole[i] = static_cast<std::int8_t>(18 - i);
  }
  tee.men_total_par = tee.women_total_par = 72;
  tee.men_slope = tee.women_slope = 113;
  tee.men_rating = tee.women_rating = 720;
  return tee;
}

inline GolferEntry card(std::initializer_list<int> scores, char gender = 'M', int index_tenths = 0) {
  GolferEntry g{};
  g.name[0] = 'A';
  g.gender = gender;
  g.division = 1;
  g.handicap_index = static_cast<std::int16_t>(index_tenths);
  int i = 0;
  for (int s : scores) g.hole_scores[i++] = static_cast<std::int8_t>(s);
  return g;
}

// A card with the par of every hole of par72_tee.
inline GolferEntry par_card(char gender = 'M', int index_tenths = 0) {
  return card({4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4}, gender, index_tenths);
}

}  // namespace quillon::testing
