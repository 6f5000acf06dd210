#pragma once
// A club database and the Parlink data of the club on the loopback servers,
// shared by the network tests.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "exchange/network/parlink_members.h"
#include "tests/exchange/support/net_servers.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

inline CourseRecord make_course(const char* name, const char* tee, int holes, int men_rating, int slope) {
  CourseRecord c{};
  set_field_text(c.course_name, name);
  set_field_text(c.tee_name, tee);
  c.hole_count = static_cast<std::int8_t>(holes);
  for (int h = 0; h < holes; ++h) c.men_par[h] = 4;
  c.men_rating = static_cast<std::int16_t>(men_rating);
  c.men_slope = static_cast<std::uint8_t>(slope);
  c.women_rating = static_cast<std::int16_t>(men_rating + 40);
  c.women_slope = static_cast<std::uint8_t>(slope + 10);
  return c;
}

inline void put_course(State& state, int slot, const CourseRecord& c) {
  state.course = c;
  ASSERT_TRUE(write_record(state, RecordKind::course, slot));
  if (slot > state.course_count) state.course_count = slot;
}

struct TournamentSpec {
  std::string name = "Spring Open";
  int year = 2025, month = 3, day = 5;
  int sequence = 7;
  std::vector<int> division_tees = {1};
  int group_size = 4;
  std::vector<GolferEntry> golfers;
};

inline GolferEntry member(const char* name, const char* id, char gender, int holes, int score = 4) {
  GolferEntry g{};
  set_field_text(g.name, name);
  set_field_text(g.member_id, id);
  g.gender = gender;
  g.is_member = 1;
  g.division = 1;
  for (int h = 0; h < holes; ++h) g.hole_scores[h] = static_cast<std::int8_t>(score);
  return g;
}

inline void put_tournament(State& state, int t, const TournamentSpec& plan) {
  if (t > state.tournament_count) {
    state.tournament_count = t;
    ASSERT_TRUE(resize_database(state));
  }
  TournamentHeader h{};
  h.date_year = static_cast<std::int8_t>(plan.year - 1900);
  h.date_month = static_cast<std::int8_t>(plan.month);
  h.date_day = static_cast<std::int8_t>(plan.day);
  set_field_text_terminated(h.name, plan.name);
  h.sequence_number = static_cast<std::uint16_t>(plan.sequence);
  h.division_count = static_cast<std::int8_t>(plan.division_tees.size());
  for (std::size_t d = 0; d < plan.division_tees.size(); ++d)
    h.division_tee[d] = static_cast<std::int16_t>(plan.division_tees[d]);
  h.group_size = static_cast<std::int8_t>(plan.group_size);
  h.group_count = static_cast<std::uint8_t>((plan.golfers.size() + plan.group_size - 1) / plan.group_size);
  state.header = h;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
  for (int g = 0; g < h.group_count; ++g) {
    std::memset(&state.group, 0, sizeof state.group);
    for (int i = 0; i < plan.group_size; ++i) {
      std::size_t k = static_cast<std::size_t>(g * plan.group_size + i);
      if (k < plan.golfers.size()) state.group.entries[i] = plan.golfers[k];
    }
    ASSERT_TRUE(write_record(state, RecordKind::group, g + 1));
  }
}

// A database in the Ravelin layout as the Parlink Network keeps it.
struct ParlinkMemberSpec {
  std::string id, last, first;
  int index_tenths;
  char gender;
};

inline std::string parlink_database(int version, char letter, const std::vector<CourseRecord>& courses,
                                    const std::vector<ParlinkMemberSpec>& members = {}) {
  constexpr int scores_per_member = 2;
  std::string db(1212 + 300 * courses.size() + 3000, '\0');
  std::int16_t v = static_cast<std::int16_t>(version), n = static_cast<std::int16_t>(courses.size());
  std::memcpy(&db[6], &v, 2);
  db[10] = letter;
  db[74] = scores_per_member;
  std::memcpy(&db[98], &n, 2);
  for (std::size_t k = 0; k < courses.size(); ++k) std::memcpy(&db[912 + 300 * (k + 1)], &courses[k], 300);
  for (const auto& m : members) {
    std::string r(60 * scores_per_member + 450, '\0');
    std::memcpy(&r[0], m.id.data(), m.id.size());
    std::memcpy(&r[11], m.last.data(), m.last.size());
    std::memcpy(&r[272], m.first.data(), m.first.size());
    std::int16_t index = static_cast<std::int16_t>(m.index_tenths);
    std::memcpy(&r[34], &index, 2);
    r[36] = m.gender;
    db += r;
  }
  return db;
}

// The member list of a file, which must be readable.
inline ParlinkMemberList members_of(const std::filesystem::path& path) {
  Result<ParlinkMemberList> read = read_parlink_members(path);
  EXPECT_TRUE(read) << read.status().reason();
  return read.value_or({});
}

inline void set_club_id(State& state, const char* id) {
  set_field_text_terminated(state.system.club_id, id);
  ASSERT_TRUE(write_record(state, RecordKind::system, 1));
}

}  // namespace quillon::testing
