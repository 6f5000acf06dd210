#pragma once
// Positioned reads and writes on a file descriptor that go on until every byte
// has moved, shared by the database file and its byte copy.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/status.h"

namespace quillon {

// Reads up to n bytes at offset; returns the number read (fewer only at the end
// of the file or on an error).
std::size_t read_fully_at(int fd, std::int64_t offset, void* data, std::size_t n);
// Writes n bytes at offset. A failure's reason is the system's description
// ("No space left on device").
[[nodiscard]] Status write_fully_at(int fd, std::int64_t offset, const void* data, std::size_t n);
// Flushes a file's data to the disk (fdatasync). A file system that cannot
// flush (EINVAL, EROFS) counts as flushed.
[[nodiscard]] Status durable_flush(int fd);
// Flushes a folder, so that names made or removed in it stay so after a power
// cut.
[[nodiscard]] Status durable_flush_folder(const std::filesystem::path& folder);
// How many flushes durable_flush and durable_flush_folder have asked of the system in this
// process: each one waits for the disk, so operations count them.
long flush_count();

// The system's description of the failure just seen (errno).
std::string last_system_error();

}  // namespace quillon
