#pragma once
// Tournaments for the scoring tests, written through the record buffers: one
// course/tee, a header and groups of golfers.
#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "handicap/formats.h"
#include "tests/testing/test_home.h"
#include "tournament/header_options.h"

namespace quillon::testing {

// Par 72 (each nine 4 4 3 5 4 4 3 5 4), men's stroke index of hole h is h,
// women's runs the other way; slope 113, rating 72.0 for both sexes. A 9-hole
// tee is the first nine with stroke indexes 1..9 (and 9..1), rating 36.0.
inline CourseRecord scoring_tee(int holes = 18) {
  CourseRecord tee{};
  set_field_text(tee.course_name, "Quarry Hills");
  set_field_text(tee.course_abbrev, "QH");
  set_field_text(tee.tee_name, "White");
  tee.hole_count = static_cast<std::int8_t>(holes);
  constexpr std::array<int, 9> nine = {4, 4, 3, 5, 4, 4, 3, 5, 4};
  for (int i = 0; i < holes; ++i) {
    tee.men_par[i] = tee.women_par[i] = static_cast<std::int8_t>(nine[i % 9]);
    tee.men_hcp_hole[i] = static_cast<std::int8_t>(i + 1);
    tee.women_hcp_hole[i] = static_cast<std::int8_t>(holes - i);
  }
  tee.men_total_par = tee.women_total_par = static_cast<std::int8_t>(holes * 4);
  tee.men_slope = tee.women_slope = 113;
  tee.men_rating = tee.women_rating = static_cast<std::int16_t>(holes * 40);
  return tee;
}

// A header of the defaults that matter to scoring.
inline TournamentHeader scoring_header(Format format, int group_size = 4) {
  TournamentHeader h{};
  h.date_year = 126;
  h.date_month = 12;
  h.date_day = 7;
  set_field_text(h.name, "Club Championship");
  set_format(h, format);
  h.group_size = static_cast<std::int8_t>(group_size);
  h.division_count = 1;
  h.callaway_division = 1;
  for (int d = 0; d < 10; ++d) {
    h.division_tee[d] = 1;
    h.division_allowance[d] = 100;
  }
  h.default_gender = 'M';
  h.results_limit = 400;
  h.best_holes_count = 18;
  h.max_hole_score_index = 5;
  h.callaway_max_handicap = 51;
  h.callaway_table_base = 70;
  const std::int8_t set1[] = {18, 17, 16, 9, 8, 7};
  const std::int8_t set2[] = {15, 14, 13, 6, 5, 4};
  std::copy(std::begin(set1), std::end(set1), h.peoria_holes);
  std::copy(std::begin(set2), std::end(set2), h.peoria_holes2);
  header_options::set_best_balls(h, 1);
  return h;
}

inline GolferEntry golfer(const std::string& name, std::initializer_list<int> scores, int index_tenths = 0,
                          char gender = 'M', int division = 1) {
  GolferEntry g{};
  set_field_text(g.name, name);
  g.gender = gender;
  g.division = static_cast<std::int8_t>(division);
  g.handicap_index = static_cast<std::int16_t>(index_tenths);
  int i = 0;
  for (int s : scores) g.hole_scores[i++] = static_cast<std::int8_t>(s);
  return g;
}

// Par on every hole of scoring_tee, with changes {hole, score}.
inline GolferEntry par_golfer(const std::string& name, std::initializer_list<std::pair<int, int>> changes = {},
                              int index_tenths = 0, char gender = 'M', int division = 1) {
  GolferEntry g = golfer(name, {4, 4, 3, 5, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4}, index_tenths, gender, division);
  for (auto [hole, score] : changes) g.hole_scores[hole - 1] = static_cast<std::int8_t>(score);
  return g;
}

// Tournament 1 of a started test database, on course slot 1.
class TestTournament {
 public:
  TestTournament(TestHome& home, Format format, int group_size = 4, int holes = 18) : state(home.started()) {
    state.course = scoring_tee(holes);
    EXPECT_TRUE(write_record(state, RecordKind::course, 1));
    state.course_count = std::max(state.course_count, 1);
    state.header = scoring_header(format, group_size);
    state.tournament_count = 1;
    write_header();
    EXPECT_TRUE(resize_database(state));
  }

  void write_header() { EXPECT_TRUE(write_record(state, RecordKind::tournament, 1)); }

  // Puts a golfer into a group slot (1-based), growing the group count.
  void put(int group, int slot, const GolferEntry& entry) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
    if (group > state.header.group_count) {
      state.header.group_count = static_cast<std::uint8_t>(group);
      write_header();
    }
    ASSERT_TRUE(read_record(state, RecordKind::group, group));
    state.group.entries[slot - 1] = entry;
    EXPECT_TRUE(write_record(state, RecordKind::group, group));
  }

  // Changes the header through a function and writes it.
  template <typename F>
  void change_header(F change) {
    ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
    change(state.header);
    write_header();
  }

  State& state;
};

}  // namespace quillon::testing
