#pragma once
// A test hook in FileWriter: after a number of bytes written by this process
// the next write fails as on a full disk, or the process kills itself (as a
// crash or a power cut would stop it). Only tests set it; left alone, writes
// are never limited.
#include <cstdint>

namespace quillon {

enum class WriteLimitAction { fail_as_full, kill_process };

void limit_writes_for_tests(std::int64_t bytes, WriteLimitAction action);
void clear_write_limit_for_tests();

// A point between writes where a killed process must leave consistent files
// (before and after a rename); kills the process when the byte budget is spent.
void write_checkpoint();

}  // namespace quillon
