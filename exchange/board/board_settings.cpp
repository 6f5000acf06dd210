#include "exchange/board/board_settings.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <fstream>
#include <sstream>

#include "core/atomic_file.h"
#include "core/text.h"

namespace quillon::board {

namespace {

bool parse_port(const std::string& text, int& port) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  port = std::stoi(text);
  return port >= 1 && port <= 65535;
}

bool valid_ipv4(const std::string& text) {
  in_addr a{};
  return inet_pton(AF_INET, text.c_str(), &a) == 1;
}

}  // namespace

Result<BoardSettings> load_board_settings(const std::filesystem::path& home) {
  BoardSettings settings;
  std::ifstream in(home / settings_file_name);
  if (!in) return settings;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string t = trimmed(line);
    if (t.empty() || t[0] == '#') continue;
    auto eq = t.find('=');
    std::string key = eq == std::string::npos ? "" : trimmed(t.substr(0, eq));
    std::string value = eq == std::string::npos ? "" : trimmed(t.substr(eq + 1));
    bool read = false;
    if (key == "address") {
      read = value.empty() || valid_ipv4(value);
      settings.address = value;
    } else if (key == "port") {
      read = parse_port(value, settings.port);
    } else if (key == "tournament") {
      read = !value.empty() && value.size() < 4 && value.find_first_not_of("0123456789") == std::string::npos;
      if (read) settings.tournament = std::stoi(value);
    }
    if (!read)
      return Status::failed(std::string(settings_file_name) + " line " + std::to_string(number) +
                            " cannot be read: " + line);
  }
  return settings;
}

Status save_board_settings(const std::filesystem::path& home, const BoardSettings& settings) {
  std::ostringstream out;
  out << "address = " << settings.address << "\nport = " << settings.port << "\ntournament = " << settings.tournament
      << "\n";
  return write_file_atomically(home / settings_file_name, out.str());
}

std::string lan_address() {
  ifaddrs* list = nullptr;
  std::string found = "127.0.0.1";
  if (getifaddrs(&list) != 0) return found;
  for (ifaddrs* i = list; i; i = i->ifa_next) {
    if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
    if ((i->ifa_flags & IFF_UP) == 0 || (i->ifa_flags & IFF_LOOPBACK) != 0) continue;
    char text[INET_ADDRSTRLEN] = {0};
    auto* in = reinterpret_cast<sockaddr_in*>(i->ifa_addr);
    if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text)) {
      found = text;
      break;
    }
  }
  freeifaddrs(list);
  return found;
}

bool parse_listen(const std::string& text, std::string& address, int& port) {
  auto colon = text.rfind(':');
  if (colon == std::string::npos) return false;
  std::string a = text.substr(0, colon);
  if (!valid_ipv4(a) || !parse_port(text.substr(colon + 1), port)) return false;
  address = a;
  return true;
}

std::string board_address(const std::string& address, int port, bool tls) {
  return std::string(tls ? "https://" : "http://") + address + ":" + std::to_string(port) + "/";
}

bool tls_configured(const std::filesystem::path& home) {
  std::error_code ec;
  return std::filesystem::is_regular_file(home / cert_file_name, ec) &&
         std::filesystem::is_regular_file(home / key_file_name, ec);
}

}  // namespace quillon::board
