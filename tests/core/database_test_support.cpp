#include "tests/core/database_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/database.h"
#include "core/fixed_text.h"

namespace quillon::testing {

Bytes file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes slice(const Bytes& bytes, std::int64_t offset, std::int64_t length) {
  if (offset < 0 || offset + length > static_cast<std::int64_t>(bytes.size())) return {};
  return Bytes(bytes.begin() + offset, bytes.begin() + offset + length);
}

std::int64_t first_difference(const Bytes& a, const Bytes& b) {
  auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (ia == a.end() && ib == b.end()) return -1;
  return ia - a.begin();
}

bool all_zero(const Bytes& bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](unsigned char c) { return c == 0; });
}

std::int64_t database_length(const State& state) { return state.db.length(); }

void set_tournament_count(State& state, int count) {
  state.tournament_count = count;
  EXPECT_TRUE(resize_database(state));
}

void put_tournament(State& state, int t, const std::string& name, int full_year, int month, int day,
                    std::uint8_t format) {
  TournamentHeader header{};
  header.date_year = static_cast<std::int8_t>(full_year - 1900);
  header.date_month = static_cast<std::int8_t>(month);
  header.date_day = static_cast<std::int8_t>(day);
  header.format = format;
  header.group_size = 4;
  set_field_text(header.name, name);
  if (Status written = state.db.write_at(tournament_offset(state, t), &header, sizeof header); !written)
    throw std::runtime_error("put_tournament: " + written.reason());
}

}  // namespace quillon::testing
