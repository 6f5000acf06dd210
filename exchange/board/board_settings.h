#pragma once
// Where the clubhouse board listens and what it shows, kept in "board.cfg" in
// the home folder, one "key = value" a line: address, port, tournament.
// The TLS files "board_cert" and "board_key" beside it switch on HTTPS.
#include <filesystem>
#include <string>

#include "core/result.h"
#include "core/status.h"

namespace quillon::board {

inline constexpr const char* settings_file_name = "board.cfg";
inline constexpr const char* pins_file_name = "board_pins.txt";
inline constexpr const char* cert_file_name = "board_cert";
inline constexpr const char* key_file_name = "board_key";
inline constexpr int default_port = 8080;

struct BoardSettings {
  std::string address;  // empty: the machine's LAN address
  int port = default_port;
  int tournament = 0;  // 0: none chosen yet
};

// The settings in the home folder; the defaults when the file is missing.
// Fails naming the line that cannot be read.
Result<BoardSettings> load_board_settings(const std::filesystem::path& home);
[[nodiscard]] Status save_board_settings(const std::filesystem::path& home, const BoardSettings& settings);

// The first IPv4 address of an interface that is up and not loopback;
// "127.0.0.1" when there is none.
std::string lan_address();

// "ADDR:PORT" split; false when either part is malformed (port 1..65535).
bool parse_listen(const std::string& text, std::string& address, int& port);

// The address people open: "http://ADDR:PORT/" (https with TLS).
std::string board_address(const std::string& address, int port, bool tls);

// Whether both TLS files are in the home folder.
bool tls_configured(const std::filesystem::path& home);

}  // namespace quillon::board
