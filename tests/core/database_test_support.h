#pragma once
// Helpers for the database tests: raw file contents and cheap ways to fill a
// database with tournaments.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state.h"
#include "tests/testing/file_size_limit.h"

namespace quillon::testing {

using Bytes = std::vector<unsigned char>;

Bytes file_bytes(const std::filesystem::path& path);
// A slice of `bytes`; empty when it runs past the end.
Bytes slice(const Bytes& bytes, std::int64_t offset, std::int64_t length);
// The offset of the first byte where the two differ, or -1 when they are equal
// (a length difference counts at the end of the shorter one).
std::int64_t first_difference(const Bytes& a, const Bytes& b);
bool all_zero(const Bytes& bytes);

std::int64_t database_length(const State& state);

// Sets the tournament count and the file length to match.
void set_tournament_count(State& state, int count);
// Writes a header straight into slot t without going through the buffers.
void put_tournament(State& state, int t, const std::string& name, int full_year, int month, int day,
                    std::uint8_t format = 0);

}  // namespace quillon::testing
