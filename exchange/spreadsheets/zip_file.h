#pragma once
// The parts of a zip archive, as .xlsx and .ods workbooks are made. Every
// size is checked against the file and against a bound before anything is
// allocated or unpacked, so neither a damaged file nor a deflate bomb can
// make a part larger than it may be.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace quillon {

class ZipFile {
 public:
  // Reads the archive's directory. A failure says why the file is no zip archive.
  static Result<ZipFile> open(const std::filesystem::path& path);

  bool contains(std::string_view name) const { return find(name) != nullptr; }
  // The unpacked bytes of a part; a failure when it is missing, damaged or
  // would unpack to more than `limit` bytes.
  Result<std::string> read(std::string_view name, std::size_t limit) const;

 private:
  struct Entry {
    std::string name;
    unsigned method = 0;
    std::size_t packed = 0;
    std::size_t size = 0;
    std::size_t local_header = 0;
  };
  const Entry* find(std::string_view name) const;

  std::string bytes_;
  std::vector<Entry> entries_;
};

}  // namespace quillon
