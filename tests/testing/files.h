#pragma once
// Reading files whole, for comparing what a test left on the disk.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quillon::testing {

// The bytes of a file as a string ("" when it cannot be opened).
inline std::string file_contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The files of a folder whose names start with "." followed by `target_name`
// and a further suffix: temporaries a replacement of that file left behind.
inline std::vector<std::string> leftover_temporaries(const std::filesystem::path& folder,
                                                     const std::string& target_name) {
  std::vector<std::string> found;
  const std::string prefix = "." + target_name + ".";
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) == 0) found.push_back(name);
  }
  return found;
}

}  // namespace quillon::testing
