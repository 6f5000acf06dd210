#include "core/loadable_module.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace quillon {

namespace {

std::vector<std::filesystem::path> module_folders() {
  std::vector<std::filesystem::path> folders;
  if (const char* named = std::getenv("QUILLON_MODULE_DIR"); named && *named) folders.emplace_back(named);
  std::error_code ec;
  std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    std::filesystem::path beside = program.parent_path();
    folders.push_back(beside);
    folders.push_back(beside.parent_path());
    folders.push_back(beside.parent_path() / "lib" / "quillon");
  }
  return folders;
}

}  // namespace

void* module_entry(const std::string& name, const char* entry, std::string& why) {
  std::string file = "quillon-" + name + ".so";
  for (const std::filesystem::path& folder : module_folders()) {
    std::filesystem::path path = folder / file;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) continue;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* error = ::dlerror();
      why = "the module " + path.string() + " could not be loaded: " + (error ? error : "unknown error");
      return nullptr;
    }
    if (void* function = ::dlsym(handle, entry)) return function;
    why = "the module " + path.string() + " has no entry " + entry;
    return nullptr;
  }
  why = "the module " + file + " was not found beside the program or in ../lib/quillon";
  return nullptr;
}

}  // namespace quillon
