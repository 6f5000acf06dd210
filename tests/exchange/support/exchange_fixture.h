#pragma once
// A started test database with one course and one tournament whose groups
// can be filled, for the spreadsheet and import tests.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

// A file of tests/exchange/support/fixtures.
std::filesystem::path fixture(const std::string& name);

// Course slot 1: par 4 on every hole, slope 113.
inline void put_plain_course(State& state, int slot, const char* name, const char* tee, int holes) {
  std::memset(&state.course, 0, sizeof state.course);
  set_field_text(state.course.course_name, name);
  set_field_text(state.course.course_abbrev, "CRS");
  set_field_text(state.course.tee_name, tee);
  state.course.hole_count = static_cast<std::int8_t>(holes);
  for (int h = 0; h < holes; ++h) state.course.men_par[h] = 4;
  state.course.men_slope = 113;
  state.course.women_slope = 113;
  ASSERT_TRUE(write_record(state, RecordKind::course, slot));
  if (slot > state.course_count) state.course_count = slot;
}

// An 18-hole men's course/tee that passes the course checks: par 4 on every
// hole, rating 72.0, slope 113.
inline CourseRecord checked_course(const char* name, const char* tee) {
  CourseRecord c{};
  set_field_text(c.course_name, name);
  set_field_text(c.course_abbrev, "OK");
  set_field_text(c.tee_name, tee);
  c.hole_count = 18;
  for (int h = 0; h < 18; ++h) {
    c.men_par[h] = 4;
    c.men_hcp_hole[h] = static_cast<std::int8_t>(h + 1);
  }
  c.men_total_par = 72;
  c.men_par_f9 = c.men_par_b9 = 36;
  c.men_rating = 720;
  c.men_rating_f9 = c.men_rating_b9 = 360;
  c.men_slope = c.men_slope_f9 = c.men_slope_b9 = 113;
  return c;
}

// Tournament 1 "Spring Cup" on course 1: groups of `size`, `groups` groups,
// tee times from 08:00 every 7.5 minutes, two divisions.
inline void put_cup(State& state, int groups, int size = 4, int holes = 18) {
  put_plain_course(state, 1, "Lakeside", "White", holes);
  state.tournament_count = 1;
  ASSERT_TRUE(resize_database(state));
  TournamentHeader h{};
  h.date_year = 126;
  h.date_month = 12;
  h.date_day = 7;
  set_field_text(h.name, "Spring Cup");
  h.group_size = static_cast<std::int8_t>(size);
  h.group_count = static_cast<std::uint8_t>(groups);
  h.division_count = 2;
  h.division_tee[0] = 1;
  h.division_tee[1] = 1;
  h.default_gender = 'M';
  h.first_tee_hour = 8;
  h.tee_interval_index = 8;  // 7.5 minutes
  state.header = h;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  std::memset(&state.group, 0, sizeof state.group);
  for (int g = 1; g <= groups; ++g) ASSERT_TRUE(write_record(state, RecordKind::group, g));
}

struct Golfer {
  int group;
  int slot;  // 0-based
  std::string name;
  int index;
  char gender = 'M';
  int division = 1;
  bool member = false;
};

inline void put_golfers(State& state, const std::vector<Golfer>& golfers) {
  for (const auto& g : golfers) {
    ASSERT_TRUE(read_record(state, RecordKind::group, g.group));
    GolferEntry& e = state.group.entries[g.slot];
    std::memset(&e, 0, sizeof e);
    set_field_text_terminated(e.name, g.name);
    e.handicap_index = static_cast<std::int16_t>(g.index);
    e.gender = g.gender;
    e.division = static_cast<std::int8_t>(g.division);
    e.is_member = g.member ? 1 : 0;
    ASSERT_TRUE(write_record(state, RecordKind::group, g.group));
  }
}

inline GolferEntry golfer_at(State& state, int group, int slot) {
  EXPECT_TRUE(read_record(state, RecordKind::group, group));
  return state.group.entries[slot];
}

}  // namespace quillon::testing
