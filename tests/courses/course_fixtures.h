#pragma once
// Records, tournaments and dialog scripts the course tests build on.
#include <string>
#include <utility>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/scripted_ui.h"
#include "core/state.h"

namespace quillon::testing {

// A valid record: every hole par 4, handicap holes in hole order, ratings at
// par, slopes 113, for men and women.
inline CourseRecord par_four_course(const std::string& name, const std::string& tee, int holes = 18) {
  CourseRecord c{};
  set_field_text_terminated(c.course_name, name);
  set_field_text_terminated(c.course_abbrev, name.substr(0, 5));
  set_field_text(c.tee_name, tee);
  c.hole_count = static_cast<std::int8_t>(holes);
  for (int h = 0; h < holes; ++h) {
    c.men_par[h] = c.women_par[h] = 4;
    c.men_hcp_hole[h] = c.women_hcp_hole[h] = static_cast<std::int8_t>(h + 1);
  }
  std::int16_t rating = static_cast<std::int16_t>(40 * holes);
  c.men_rating = c.women_rating = rating;
  c.men_rating_f9 = c.men_rating_b9 = c.women_rating_f9 = c.women_rating_b9 = holes == 18 ? 360 : rating;
  c.men_slope = c.men_slope_f9 = c.men_slope_b9 = 113;
  c.women_slope = c.women_slope_f9 = c.women_slope_b9 = 113;
  return c;
}

inline void put_course(State& state, int slot, const CourseRecord& c) {
  state.course = c;
  EXPECT_TRUE(write_record(state, RecordKind::course, slot));
  if (slot > state.course_count) state.course_count = slot;
}

inline void put_course(State& state, int slot, const std::string& name, const std::string& tee, int holes = 18) {
  put_course(state, slot, par_four_course(name, tee, holes));
}

inline CourseRecord course_in_slot(State& state, int slot) {
  EXPECT_TRUE(read_record(state, RecordKind::course, slot));
  return state.course;
}

// Tournament t dated in 2026, its divisions playing the given tees.
inline void put_tournament(State& state, int t, const std::string& name, int month, int day,
                           const std::vector<std::pair<int, int>>& division_tees, std::uint8_t format = 0) {
  if (t > state.tournament_count) {
    state.tournament_count = t;
    EXPECT_TRUE(resize_database(state));
  }
  state.header = TournamentHeader{};
  set_field_text_terminated(state.header.name, name);
  state.header.date_year = 126;
  state.header.date_month = static_cast<std::int8_t>(month);
  state.header.date_day = static_cast<std::int8_t>(day);
  state.header.format = format;
  for (auto [division, slot] : division_tees) state.header.division_tee[division] = static_cast<std::int16_t>(slot);
  EXPECT_TRUE(write_record(state, RecordKind::tournament, t));
}

inline TournamentHeader tournament(State& state, int t) {
  EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
  return state.header;
}

using Sets = std::vector<std::pair<std::string, std::string>>;

// Typing of a complete 18-hole men's course: par 4 everywhere, ratings at par.
inline Sets men_eighteen(const std::string& name, const std::string& abbrev, const std::string& tee) {
  Sets s{{"course_name", name},  {"course_abbrev", abbrev}, {"tee_name", tee},
         {"men_rating", "72.0"}, {"men_rating_f9", "36.0"}, {"men_rating_b9", "36.0"}};
  for (int h = 1; h <= 18; ++h) s.emplace_back("men_par." + std::to_string(h), "4");
  return s;
}

}  // namespace quillon::testing
