#pragma once
// Raw access to the database file shared by the record reader and writer and
// by the operations that move whole blocks.
#include <cstddef>
#include <cstdint>

namespace quillon {

struct State;

bool has_desktop_message(const State& state);
// Writes raw bytes at an offset; tells the user and returns false when the
// data did not reach the file.
bool write_bytes(State& state, std::int64_t offset, const void* data, std::size_t n);
// Flushes the file to disk, telling the user when that fails.
bool flush_database(State& state);

}  // namespace quillon
