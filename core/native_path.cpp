#include "core/native_path.h"

#include <cctype>
#include <cstdlib>

namespace quillon {

std::filesystem::path native_path(const std::string& stored, const std::filesystem::path& user_home) {
  std::string p = stored;
  for (char& c : p)
    if (c == '\\') c = '/';
  bool drive = p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':';
  if (!drive) return p;
  std::string rest = p.substr(2);
  while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
  return user_home / rest;
}

std::filesystem::path user_home_folder() {
  const char* home = std::getenv("HOME");
  return home && *home ? std::filesystem::path(home) : std::filesystem::current_path();
}

}  // namespace quillon
