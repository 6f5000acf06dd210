#pragma once
// What every reader's fuzz target shares: a scratch folder of its own, the
// input written to a file there (the readers take files, as users give them),
// and a check that stops the run with a message when a property fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace quillon::fuzz {

inline const std::filesystem::path& scratch() {
  static const std::filesystem::path folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "quillon-fuzz-XXXXXX").string();
    if (!::mkdtemp(name.data())) std::abort();
    std::atexit([] { std::filesystem::remove_all(scratch()); });
    return std::filesystem::path(name);
  }();
  return folder;
}

inline std::filesystem::path write_input(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::filesystem::path file = scratch() / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out.flush()) std::abort();
  return file;
}

[[noreturn]] inline void property_failed(const char* what) {
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

#define QUILLON_FUZZ_CHECK(condition)                               \
  do {                                                              \
    if (!(condition)) ::quillon::fuzz::property_failed(#condition); \
  } while (0)

}  // namespace quillon::fuzz
