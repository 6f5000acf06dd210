#pragma once
// Raw access to the database file shared by the record reader and writer and
// by the operations that move whole blocks.
#include <cstddef>
#include <cstdint>

#include "core/status.h"

namespace quillon {

struct State;

bool has_desktop_message(const State& state);
// Writes raw bytes at an offset; tells the user (Status::told) when the data
// did not reach the file.
[[nodiscard]] Status write_bytes(State& state, std::int64_t offset, const void* data, std::size_t n);
// Flushes the file to disk, telling the user when that fails.
[[nodiscard]] Status flush_database(State& state);

}  // namespace quillon
