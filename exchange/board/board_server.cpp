#include "exchange/board/board_server.h"

#include <sys/inotify.h>

#include <atomic>
#include <boost/asio.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>
#include <deque>
#include <optional>
#include <set>
#include <thread>

#include "exchange/board/board_service.h"
#include "exchange/board/board_settings.h"

namespace quillon::board {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
namespace ssl = net::ssl;
using tcp = net::ip::tcp;

namespace {

constexpr auto read_timeout = std::chrono::seconds(30);
constexpr auto write_timeout = std::chrono::seconds(30);
constexpr auto debounce = std::chrono::milliseconds(15);
constexpr auto poll_interval = std::chrono::milliseconds(500);
constexpr auto keepalive_interval = std::chrono::seconds(15);
constexpr std::size_t header_limit = 8 * 1024;
constexpr std::size_t events_queued_at_most = 64;

// A page listening for updates.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void push(std::shared_ptr<const std::string> message) = 0;
};

std::shared_ptr<const std::string> board_event(const std::string& json) {
  return std::make_shared<const std::string>("event: board\ndata: " + json + "\n\n");
}

}  // namespace

struct ServerImpl {
  explicit ServerImpl(ServerOptions o)
      : options(std::move(o)), acceptor(ioc), debounce_timer(ioc), poll_timer(ioc), keepalive_timer(ioc) {}

  ServerOptions options;
  net::io_context ioc{1};
  std::optional<ssl::context> tls;
  tcp::acceptor acceptor;
  net::steady_timer debounce_timer, poll_timer, keepalive_timer;
  std::optional<net::posix::stream_descriptor> watch;
  std::optional<net::signal_set> signals;
  int watch_descriptor = -1;
  alignas(inotify_event) std::array<char, 4096> watch_buffer{};  // read as inotify_event records
  std::unique_ptr<BoardService> service;
  std::set<std::shared_ptr<EventSink>> sinks;
  std::shared_ptr<std::atomic<std::size_t>> connections = std::make_shared<std::atomic<std::size_t>>(0);
  std::atomic<std::size_t> listening{0};
  bool refresh_pending = false;
  std::string told_problem;
  int bound_port = 0;
  std::thread thread;

  void log(const std::string& line) {
    if (options.log) options.log(line);
  }

  void accept();
  void schedule_refresh();
  void refresh_now();
  void broadcast(const std::shared_ptr<const std::string>& message) {
    for (const auto& sink : std::vector<std::shared_ptr<EventSink>>(sinks.begin(), sinks.end())) sink->push(message);
  }
  void add_sink(std::shared_ptr<EventSink> sink) {
    sinks.insert(std::move(sink));
    listening = sinks.size();
  }
  void remove_sink(const std::shared_ptr<EventSink>& sink) {
    sinks.erase(sink);
    listening = sinks.size();
  }
  void start_watch();
  void read_watch();
  void poll();
  void keepalive();
  void shut_down();
};

namespace {

template <class Stream>
class Session : public std::enable_shared_from_this<Session<Stream>>, public EventSink {
 public:
  static constexpr bool secure = !std::is_same_v<Stream, beast::tcp_stream>;

  Session(ServerImpl& server, Stream stream, std::string remote)
      : server_(server), count_(server.connections), stream_(std::move(stream)), remote_(std::move(remote)) {}
  ~Session() override { --*count_; }

  void start() {
    if constexpr (secure) {
      beast::get_lowest_layer(stream_).expires_after(read_timeout);
      stream_.async_handshake(ssl::stream_base::server, [self = this->shared_from_this()](beast::error_code ec) {
        if (ec) {
          self->server_.log(self->remote_ + " TLS handshake failed: " + ec.message());
          return self->close();
        }
        self->read();
      });
    } else {
      read();
    }
  }

  void push(std::shared_ptr<const std::string> message) override {
    if (closed_) return;
    if (queue_.size() >= events_queued_at_most) {
      server_.log(remote_ + " GET /events closed: the page does not keep up");
      return close();
    }
    queue_.push_back(std::move(message));
    if (!writing_) write_next();
  }

 private:
  void read() {
    parser_.emplace();
    parser_->body_limit(server_.options.max_body);
    parser_->header_limit(header_limit);
    beast::get_lowest_layer(stream_).expires_after(read_timeout);
    http::async_read(stream_, buffer_, *parser_,
                     [self = this->shared_from_this()](beast::error_code ec, std::size_t) { self->on_read(ec); });
  }

  void on_read(beast::error_code ec) {
    if (ec == http::error::end_of_stream || ec == net::error::eof || ec == beast::error::timeout ||
        ec == net::error::operation_aborted || ec == net::error::connection_reset || ec == ssl::error::stream_truncated)
      return close();
    if (ec) {
      const int status = ec == http::error::body_limit ? 413 : ec == http::error::header_limit ? 431 : 400;
      server_.log(remote_ + " malformed request (" + ec.message() + ") " + std::to_string(status));
      return respond(error_response(status, "The request cannot be read: " + ec.message()), 11, false, false);
    }
    const auto& req = parser_->get();
    const std::string target(req.target());
    if (req.method() == http::verb::get && target == "/events") return start_events();
    Request r;
    r.method = std::string(req.method_string());
    r.target = target;
    r.remote = remote_;
    r.host = std::string(req[http::field::host]);
    r.origin = std::string(req[http::field::origin]);
    r.content_type = std::string(req[http::field::content_type]);
    r.pin = std::string(req["X-Board-Pin"]);
    r.token = std::string(req["X-Board-Token"]);
    r.body = req.body();
    Response response = server_.service->handle(r);
    server_.log(remote_ + " " + r.method + " " + target + " " + std::to_string(response.status) + " " +
                std::to_string(response.body.size()));
    // A saved score reaches every board before its sender hears back.
    if (r.method == "POST" && response.status == 200) server_.refresh_now();
    respond(std::move(response), req.version(), req.keep_alive(), req.method() == http::verb::head);
  }

  void respond(Response response, unsigned version, bool keep_alive, bool head) {
    auto res = std::make_shared<http::response<http::string_body>>(static_cast<http::status>(response.status), version);
    res->set(http::field::server, "Quillon board");
    res->set(http::field::content_type, response.content_type);
    res->set(http::field::cache_control, "no-store");
    res->set("X-Content-Type-Options", "nosniff");
    res->set("X-Frame-Options", "DENY");
    res->set("Referrer-Policy", "no-referrer");
    res->set("Content-Security-Policy",
             "default-src 'self'; img-src 'self'; style-src 'self'; script-src 'self'; frame-ancestors 'none'");
    for (const auto& [name, value] : response.headers) res->set(name, value);
    res->keep_alive(keep_alive);
    res->body() = std::move(response.body);
    res->prepare_payload();
    if (head) res->body().clear();
    beast::get_lowest_layer(stream_).expires_after(write_timeout);
    http::async_write(stream_, *res,
                      [self = this->shared_from_this(), res, keep_alive](beast::error_code ec, std::size_t) {
                        if (ec || !keep_alive) return self->close();
                        self->read();
                      });
  }

  void start_events() {
    server_.log(remote_ + " GET /events 200 (listening)");
    beast::get_lowest_layer(stream_).expires_never();
    server_.add_sink(this->shared_from_this());
    push(std::make_shared<const std::string>(
        "HTTP/1.1 200 OK\r\nContent-Type: text/event-stream\r\nCache-Control: no-store\r\n"
        "X-Content-Type-Options: nosniff\r\nConnection: keep-alive\r\n\r\nretry: 2000\n\n"));
    push(board_event(server_.service->board()));
    wait_for_close();
  }

  // A listening page sends nothing more; a read ends when it goes away.
  void wait_for_close() {
    stream_.async_read_some(net::buffer(discard_),
                            [self = this->shared_from_this()](beast::error_code ec, std::size_t) {
                              if (ec) return self->close();
                              self->wait_for_close();
                            });
  }

  void write_next() {
    writing_ = true;
    net::async_write(stream_, net::buffer(*queue_.front()),
                     [self = this->shared_from_this()](beast::error_code ec, std::size_t) {
                       if (ec) return self->close();
                       self->queue_.pop_front();
                       if (self->queue_.empty()) self->writing_ = false;
                       else self->write_next();
                     });
  }

  void close() {
    if (closed_) return;
    closed_ = true;
    server_.remove_sink(this->shared_from_this());
    beast::error_code ignored;
    auto& socket = beast::get_lowest_layer(stream_).socket();
    socket.shutdown(tcp::socket::shutdown_both, ignored);
    socket.close(ignored);
  }

  ServerImpl& server_;
  std::shared_ptr<std::atomic<std::size_t>> count_;
  Stream stream_;
  std::string remote_;
  beast::flat_buffer buffer_;
  std::optional<http::request_parser<http::string_body>> parser_;
  std::deque<std::shared_ptr<const std::string>> queue_;
  std::array<char, 256> discard_{};
  bool writing_ = false;
  bool closed_ = false;
};

}  // namespace

void ServerImpl::accept() {
  acceptor.async_accept(ioc, [this](beast::error_code ec, tcp::socket socket) {
    if (ec == net::error::operation_aborted) return;
    if (ec) {
      log("accept failed: " + ec.message());
      // Out of descriptors, say: try again shortly rather than spin.
      auto retry = std::make_shared<net::steady_timer>(ioc, std::chrono::milliseconds(100));
      retry->async_wait([this, retry](beast::error_code) { accept(); });
      return;
    }
    beast::error_code peer_error;
    auto peer = socket.remote_endpoint(peer_error);
    std::string remote = peer_error ? std::string("?") : peer.address().to_string();
    if (connections->load() >= options.max_connections) {
      log(remote + " refused: " + std::to_string(options.max_connections) + " connections are open");
      socket.close(peer_error);
    } else {
      ++*connections;
      if (tls) {
        std::make_shared<Session<beast::ssl_stream<beast::tcp_stream>>>(
            *this, beast::ssl_stream<beast::tcp_stream>(std::move(socket), *tls), remote)
            ->start();
      } else {
        std::make_shared<Session<beast::tcp_stream>>(*this, beast::tcp_stream(std::move(socket)), remote)->start();
      }
    }
    accept();
  });
}

void ServerImpl::schedule_refresh() {
  if (refresh_pending) return;
  refresh_pending = true;
  debounce_timer.expires_after(debounce);
  debounce_timer.async_wait([this](beast::error_code ec) {
    if (ec) return;
    refresh_pending = false;
    refresh_now();
  });
}

void ServerImpl::refresh_now() {
  if (service->refresh()) broadcast(board_event(service->board()));
  if (!service->problem().empty() && service->problem() != told_problem) log(service->problem());
  told_problem = service->problem();
}

void ServerImpl::start_watch() {
  int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd < 0) {
    log("inotify is not available; the database is checked every half second");
    return;
  }
  watch.emplace(ioc, fd);
  watch_descriptor = inotify_add_watch(fd, service->database_path().c_str(),
                                       IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF);
  read_watch();
}

void ServerImpl::read_watch() {
  watch->async_read_some(net::buffer(watch_buffer), [this](beast::error_code ec, std::size_t n) {
    if (ec) return;
    bool replaced = false;
    for (std::size_t at = 0; at + sizeof(inotify_event) <= n;) {
      const auto* event = reinterpret_cast<const inotify_event*>(watch_buffer.data() + at);
      replaced = replaced || (event->mask & (IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED)) != 0;
      at += sizeof(inotify_event) + event->len;
    }
    if (replaced) {
      // A restore put another file at the path: watch that one.
      inotify_rm_watch(watch->native_handle(), watch_descriptor);
      watch_descriptor = inotify_add_watch(watch->native_handle(), service->database_path().c_str(),
                                           IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF);
    }
    schedule_refresh();
    read_watch();
  });
}

void ServerImpl::poll() {
  poll_timer.expires_after(poll_interval);
  poll_timer.async_wait([this](beast::error_code ec) {
    if (ec) return;
    schedule_refresh();
    poll();
  });
}

void ServerImpl::keepalive() {
  keepalive_timer.expires_after(keepalive_interval);
  keepalive_timer.async_wait([this](beast::error_code ec) {
    if (ec) return;
    broadcast(std::make_shared<const std::string>(":\n\n"));
    keepalive();
  });
}

void ServerImpl::shut_down() {
  beast::error_code ignored;
  acceptor.close(ignored);
  debounce_timer.cancel();
  poll_timer.cancel();
  keepalive_timer.cancel();
  if (watch) watch->close(ignored);
  if (signals) signals->cancel(ignored);
  sinks.clear();
  listening = 0;
  ioc.stop();
}

namespace {

class AsioBoardServer final : public BoardServer {
 public:
  explicit AsioBoardServer(std::unique_ptr<ServerImpl> impl) : impl_(std::move(impl)) {}
  ~AsioBoardServer() override { stop(); }

  void run() override { impl_->ioc.run(); }
  void start() override {
    impl_->thread = std::thread([this] { impl_->ioc.run(); });
  }
  void stop() override {
    net::post(impl_->ioc, [impl = impl_.get()] { impl->shut_down(); });
    if (impl_->thread.joinable()) impl_->thread.join();
  }

  int port() const override { return impl_->bound_port; }
  bool tls() const override { return impl_->tls.has_value(); }
  std::string address() const override { return impl_->service->address(); }
  std::size_t listeners() const override { return impl_->listening.load(); }

 private:
  std::unique_ptr<ServerImpl> impl_;
};

}  // namespace

Result<std::unique_ptr<BoardServer>> BoardServer::create(ServerOptions options) {
  auto impl = std::make_unique<ServerImpl>(std::move(options));
  ServerOptions& o = impl->options;
  beast::error_code ec;
  auto ip = net::ip::make_address_v4(o.address, ec);
  if (ec) return Status::failed("\"" + o.address + "\" is not an IPv4 address of this computer");
  if (tls_configured(o.home)) {
    impl->tls.emplace(ssl::context::tls_server);
    impl->tls->set_options(ssl::context::no_sslv2 | ssl::context::no_sslv3 | ssl::context::no_tlsv1 |
                           ssl::context::no_tlsv1_1);
    impl->tls->use_certificate_chain_file((o.home / cert_file_name).string(), ec);
    if (!ec) impl->tls->use_private_key_file((o.home / key_file_name).string(), ssl::context::pem, ec);
    if (ec) return Status::failed("The board's certificate or key cannot be used: " + ec.message());
  }
  tcp::endpoint endpoint(ip, static_cast<unsigned short>(o.port));
  impl->acceptor.open(endpoint.protocol(), ec);
  if (!ec) impl->acceptor.set_option(net::socket_base::reuse_address(true), ec);
  if (!ec) impl->acceptor.bind(endpoint, ec);
  if (!ec) impl->acceptor.listen(net::socket_base::max_listen_connections, ec);
  if (ec)
    return Status::failed("The board cannot listen on " + o.address + ":" + std::to_string(o.port) + ": " +
                          ec.message());
  impl->bound_port = impl->acceptor.local_endpoint().port();
  impl->service = std::make_unique<BoardService>(o.home, o.tournament,
                                                 board_address(o.address, impl->bound_port, impl->tls.has_value()));
  if (Status opened = impl->service->open(); !opened) return opened;
  impl->accept();
  impl->start_watch();
  impl->poll();
  impl->keepalive();
  if (o.stop_on_signals) {
    impl->signals.emplace(impl->ioc, SIGINT, SIGTERM);
    impl->signals->async_wait([impl = impl.get()](beast::error_code ec, int signal) {
      if (ec) return;
      impl->log("signal " + std::to_string(signal) + ": the board stops");
      impl->shut_down();
    });
  }
  return std::unique_ptr<BoardServer>(new AsioBoardServer(std::move(impl)));
}

}  // namespace quillon::board
