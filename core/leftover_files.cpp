#include "core/leftover_files.h"

#include <filesystem>

#include "core/atomic_file.h"
#include "core/database_file.h"

namespace quillon {

namespace {

bool is_work_file(const std::string& name) {
  static const char* const fixed[] = {"qlwin4.exp", "qlwin4db.ql$"};
  for (const char* f : fixed)
    if (name == f) return true;
  const std::string part = ".part";
  return name.size() > part.size() && name.compare(name.size() - part.size(), part.size(), part) == 0;
}

}  // namespace

std::vector<std::string> leftover_work_files(const State& state) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(state.home_folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    std::string name = it->path().filename().string();
    if (is_work_file(name)) names.push_back(name);
  }
  return names;
}

std::vector<std::string> remove_leftover_work_files(State& state) {
  std::vector<std::string> removed = remove_abandoned_temporaries(state.home_folder, state.db_name);
  std::vector<std::string> found = leftover_work_files(state);
  if (found.empty()) return removed;
  DatabaseLock lock(state.db);
  for (const std::string& name : found) {
    std::error_code ec;
    if (std::filesystem::remove(state.file(name), ec)) removed.push_back(name);
  }
  return removed;
}

}  // namespace quillon
