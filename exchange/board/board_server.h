#pragma once
// The clubhouse board's HTTP server (Boost.Beast on one Asio thread): the
// pages and API of BoardService, server-sent events that carry the board to
// every open page within moments of a change, and a watch on the database
// file (inotify, and a digest check for files on another computer's share).
// Listens only on the address it is given; HTTPS when the home folder holds
// "board_cert" and "board_key".
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/result.h"
#include "core/status.h"

namespace quillon::board {

struct ServerOptions {
  std::filesystem::path home;
  std::string address;  // an IPv4 address of this machine
  int port = 8080;  // 0: any free port (tests)
  int tournament = 0;
  std::size_t max_connections = 500;
  std::size_t max_body = 2048;  // bytes of a request body
  // SIGINT and SIGTERM end run() cleanly (the command-line server).
  bool stop_on_signals = false;
  // One line per request; called on the server's thread.
  std::function<void(const std::string&)> log;
};

// The server lives in the module "quillon-board.so" with the libraries it
// needs (TLS, QR codes); create() loads the module.
class BoardServer {
 public:
  // Opens the database and binds the address. Fails with the reason.
  static Result<std::unique_ptr<BoardServer>> create(ServerOptions options);
  virtual ~BoardServer() = default;

  // Serves until stop(); on the calling thread.
  virtual void run() = 0;
  // Serves on a thread of its own.
  virtual void start() = 0;
  // Ends serving (from any thread, a signal handler excepted) and joins the
  // server's own thread when there is one.
  virtual void stop() = 0;

  virtual int port() const = 0;
  virtual bool tls() const = 0;
  // "http://ADDR:PORT/"
  virtual std::string address() const = 0;
  // The number of pages listening for updates now.
  virtual std::size_t listeners() const = 0;
};

}  // namespace quillon::board
