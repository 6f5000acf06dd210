#include "tests/exchange/board/board_client.h"

#include <algorithm>
#include <boost/asio.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>

namespace quillon::testing {

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

tcp::endpoint loopback(int port) { return {net::ip::make_address_v4("127.0.0.1"), static_cast<unsigned short>(port)}; }

}  // namespace

int free_loopback_port() {
  net::io_context ioc;
  tcp::acceptor acceptor(ioc, loopback(0));
  return acceptor.local_endpoint().port();
}

HttpReply http_request(int port, const std::string& method, const std::string& target, const std::string& body,
                       const std::map<std::string, std::string>& headers) {
  net::io_context ioc;
  beast::tcp_stream stream(ioc);
  stream.expires_after(std::chrono::seconds(10));
  HttpReply reply;
  beast::error_code ec;
  stream.connect(loopback(port), ec);
  if (ec) return reply;
  http::request<http::string_body> req(http::string_to_verb(method), target, 11);
  req.set(http::field::host, "127.0.0.1:" + std::to_string(port));
  for (const auto& [name, value] : headers) req.set(name, value);
  req.body() = body;
  req.prepare_payload();
  http::write(stream, req, ec);
  if (ec) return reply;
  beast::flat_buffer buffer;
  http::response_parser<http::string_body> parser;
  parser.body_limit(16 * 1024 * 1024);
  http::read(stream, buffer, parser, ec);
  if (ec) return reply;
  auto& res = parser.get();
  reply.status = static_cast<int>(res.result_int());
  reply.body = res.body();
  for (const auto& field : res) {
    std::string name(field.name_string());
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    reply.headers[name] = std::string(field.value());
  }
  return reply;
}

HttpReply https_get(int port, const std::string& target) {
  net::io_context ioc;
  net::ssl::context tls(net::ssl::context::tls_client);
  tls.set_verify_mode(net::ssl::verify_none);
  beast::ssl_stream<beast::tcp_stream> stream(ioc, tls);
  beast::get_lowest_layer(stream).expires_after(std::chrono::seconds(10));
  HttpReply reply;
  beast::error_code ec;
  beast::get_lowest_layer(stream).connect(loopback(port), ec);
  if (!ec) stream.handshake(net::ssl::stream_base::client, ec);
  if (ec) return reply;
  http::request<http::empty_body> req(http::verb::get, target, 11);
  req.set(http::field::host, "127.0.0.1");
  http::write(stream, req, ec);
  beast::flat_buffer buffer;
  http::response<http::string_body> res;
  if (!ec) http::read(stream, buffer, res, ec);
  if (ec) return reply;
  reply.status = static_cast<int>(res.result_int());
  reply.body = res.body();
  return reply;
}

std::string raw_exchange(int port, const std::string& bytes) {
  net::io_context ioc;
  beast::tcp_stream stream(ioc);
  stream.expires_after(std::chrono::seconds(2));
  beast::error_code ec;
  stream.connect(loopback(port), ec);
  if (ec) return "";
  net::write(stream, net::buffer(bytes), ec);
  std::string got;
  char chunk[4096];
  for (int reads = 0; reads < 1000; ++reads) {
    std::size_t n = stream.read_some(net::buffer(chunk), ec);
    got.append(chunk, n);
    if (ec) break;
  }
  return got;
}

struct EventListener::Impl {
  net::io_context ioc;
  beast::tcp_stream stream{ioc};
  std::string pending;
};

EventListener::EventListener(int port) : impl_(std::make_unique<Impl>()) {
  beast::error_code ec;
  impl_->stream.expires_after(std::chrono::seconds(5));
  impl_->stream.connect(loopback(port), ec);
  std::string request = "GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/event-stream\r\n\r\n";
  if (!ec) net::write(impl_->stream, net::buffer(request), ec);
}

EventListener::~EventListener() = default;

std::optional<std::string> EventListener::next_board(std::chrono::milliseconds within) {
  const auto until = std::chrono::steady_clock::now() + within;
  std::string& p = impl_->pending;
  for (int reads = 0; reads < 100000; ++reads) {
    // One event is "event: board\ndata: ...\n\n".
    auto start = p.find("event: board\ndata: ");
    if (start != std::string::npos) {
      auto end = p.find("\n\n", start);
      if (end != std::string::npos) {
        std::string data = p.substr(start + 19, end - start - 19);
        p.erase(0, end + 2);
        return data;
      }
    }
    auto left = until - std::chrono::steady_clock::now();
    if (left <= std::chrono::milliseconds(0)) return std::nullopt;
    impl_->stream.expires_after(std::chrono::duration_cast<std::chrono::milliseconds>(left));
    char chunk[65536];
    beast::error_code ec;
    std::size_t n = impl_->stream.read_some(net::buffer(chunk), ec);
    p.append(chunk, n);
    if (ec) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace quillon::testing
