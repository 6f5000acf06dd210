#pragma once
// A file mapped into memory for one pass of reading, without copying it.
// Should the file become shorter while it is mapped (another program cutting
// it), reading past its new end does not end the process: the missing pages
// read as zeros and cut_short() says so afterwards.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/status.h"

namespace quillon {

class MappedFile {
 public:
  MappedFile() = default;
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // Maps the first `length` bytes of the file at `path` (one mapping at a time).
  [[nodiscard]] Status map(const std::filesystem::path& path, std::int64_t length);
  const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(address_); }
  std::size_t size() const { return size_; }
  // Whether some page could not be read because the file had become shorter.
  bool cut_short() const;

 private:
  void* address_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace quillon
