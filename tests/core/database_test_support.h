#pragma once
// Helpers for the database tests: raw file contents and cheap ways to fill a
// database with tournaments.
#include <sys/resource.h>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/state.h"

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

// Keeps files of this process below a size while it lives, as a nearly full
// disk would; writes past it fail with "File too large" instead of a signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

}  // namespace quillon::testing
