#include "exchange/network/net_settings.h"

#include <charconv>
#include <fstream>
#include <string_view>

namespace quillon {

namespace {

constexpr int max_port = 65535;
constexpr int max_timeout_seconds = 3600;

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool parse_int(std::string_view text, int low, int high, int& out) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
  out = value;
  return true;
}

// Applies one key; false when the key is unknown or its value unusable. A
// relative file name is taken from the home folder.
bool apply(NetworkSettings& s, const std::filesystem::path& home, std::string_view key, std::string_view value) {
  if (key == "ftp_host") {
    if (value.empty()) return false;
    s.ftp_host = value;
  } else if (key == "ftp_port") {
    return parse_int(value, 1, max_port, s.ftp_port);
  } else if (key == "web_url") {
    if (!(value.starts_with("http://") || value.starts_with("https://"))) return false;
    while (value.ends_with('/')) value.remove_suffix(1);
    s.web_url = value;
  } else if (key == "ftp_user") {
    if (value.empty()) return false;
    s.ftp_user = value;
  } else if (key == "parlink_user") {
    if (value.empty()) return false;
    s.parlink_user = value;
  } else if (key == "ftps") {
    if (value == "try") s.ftps = FtpsMode::try_tls;
    else if (value == "off") s.ftps = FtpsMode::off;
    else if (value == "require") s.ftps = FtpsMode::require;
    else return false;
  } else if (key == "timeout") {
    return parse_int(value, 1, max_timeout_seconds, s.timeout_seconds);
  } else if (key == "ca_file") {
    std::filesystem::path file = home / std::filesystem::path(value);
    std::error_code ec;
    if (value.empty() || !std::filesystem::is_regular_file(file, ec)) return false;
    s.ca_file = file;
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::string NetworkSettings::default_parlink_user() {
  std::string name;
  for (const char* piece : {"pl", "kx", "up"}) name += piece;
  return name;
}

Status load_network_settings(const std::filesystem::path& home, NetworkSettings& settings) {
  settings = NetworkSettings{};
  std::filesystem::path path = home / network_settings_name;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return Status::ok();
  std::ifstream in(path);
  if (!in) return Status::failed("The network settings file \"" + path.string() + "\" could not be read.");
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#' || text.front() == ';') continue;
    std::size_t eq = text.find('=');
    bool ok = eq != std::string_view::npos &&
              apply(settings, home, trimmed(text.substr(0, eq)), trimmed(text.substr(eq + 1)));
    if (!ok)
      return Status::failed("Line " + std::to_string(number) + " of the network settings file \"" + path.string() +
                            "\" cannot be used:\n" + std::string(text));
  }
  if (in.bad()) return Status::failed("The network settings file \"" + path.string() + "\" could not be read.");
  return Status::ok();
}

}  // namespace quillon
