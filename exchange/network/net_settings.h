#pragma once
// Where the maker's servers are: the plain settings file "network.ini" in the
// home folder, one "key = value" a line. Keys that are missing keep the
// defaults below; a line that cannot be read is an error, never skipped.
#include <filesystem>
#include <string>

#include "core/status.h"

namespace quillon {

enum class FtpsMode { try_tls, off, require };

struct NetworkSettings {
  std::string ftp_host = "ftp.quillon-golf.example";
  int ftp_port = 21;
  std::string web_url = "https://www.quillon-golf.example";
  std::string ftp_user = "qlwin4";
  std::string parlink_user = default_parlink_user();
  FtpsMode ftps = FtpsMode::try_tls;
  int timeout_seconds = 30;
  // The certificate authorities that TLS connections trust, in a PEM file;
  // empty for the system's own.
  std::filesystem::path ca_file;

  // The short second FTP user name, joined from its pieces.
  static std::string default_parlink_user();
};

inline constexpr const char* network_settings_name = "network.ini";

// Reads the settings file of the home folder; a missing file gives the
// defaults. A malformed line fails with its line number and text.
Status load_network_settings(const std::filesystem::path& home, NetworkSettings& settings);

}  // namespace quillon
