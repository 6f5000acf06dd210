#pragma once
// Reading files whole, for comparing what a test left on the disk.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace quillon::testing {

// The bytes of a file as a string ("" when it cannot be opened).
inline std::string file_contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace quillon::testing
