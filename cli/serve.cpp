#include "cli/serve.h"

#include "exchange/board/board_server.h"
#include "exchange/board/board_settings.h"

namespace quillon::cli {

int serve_board(const Options& options, const std::filesystem::path& home, std::ostream& err) {
  auto settings = board::load_board_settings(home);
  if (!settings) {
    err << "quillon-cli: " << settings.status().reason() << "\n";
    return 1;
  }
  board::BoardSettings chosen = *settings;
  if (!options.listen.empty() && !board::parse_listen(options.listen, chosen.address, chosen.port)) {
    err << "quillon-cli: --listen takes ADDR:PORT, an IPv4 address and a port 1..65535, not \"" << options.listen
        << "\"\n";
    return 2;
  }
  if (options.tournament) {
    const std::string& t = *options.tournament;
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos) {
      err << "quillon-cli: serve takes --tournament N, a tournament slot number\n";
      return 2;
    }
    chosen.tournament = std::stoi(t);
  }
  if (chosen.tournament < 1) {
    err << "quillon-cli: choose the tournament to show with --tournament N\n";
    return 2;
  }
  // An address not chosen stays the LAN address of the day, not a remembered one.
  board::BoardSettings remembered_settings = chosen;
  if (chosen.address.empty()) chosen.address = board::lan_address();

  board::ServerOptions server_options;
  server_options.home = home;
  server_options.address = chosen.address;
  server_options.port = chosen.port;
  server_options.tournament = chosen.tournament;
  server_options.stop_on_signals = true;
  server_options.log = [&err](const std::string& line) { err << line << std::endl; };
  auto server = board::BoardServer::create(server_options);
  if (!server) {
    err << "quillon-cli: " << server.status().reason() << "\n";
    return 1;
  }
  if (Status remembered = board::save_board_settings(home, remembered_settings); !remembered)
    err << "quillon-cli: the board's settings could not be remembered: " << remembered.reason() << "\n";
  err << "Clubhouse board of tournament " << chosen.tournament << " at " << (*server)->address() << std::endl;
  (*server)->run();
  err << "Clubhouse board stopped" << std::endl;
  return 0;
}

}  // namespace quillon::cli
