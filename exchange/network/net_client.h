#pragma once
// The client side of the maker's servers, on libcurl: an FTP session (passive
// mode, binary transfers, explicit TLS when the server offers it or the
// settings require it) and HTTP GET. Every call has the connect and transfer
// time-outs of the settings and can be cancelled from its progress callback.
// Downloads are written through an AtomicFile: the target appears only when
// the download is complete.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/status.h"
#include "exchange/network/net_settings.h"

namespace quillon {

// Called while a call runs with the bytes moved so far and the expected total
// (0 when not known); returning false cancels the call.
using TransferProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// not_found: the server refused the file, or the folder it lies in.
enum class NetFailure { none, not_found, refused_logon, timed_out, cancelled, broken, unreachable, other };

// One libcurl handle: the connection it opens stays open between calls.
class NetConnection {
 public:
  explicit NetConnection(const NetworkSettings& settings);
  ~NetConnection();
  NetConnection(const NetConnection&) = delete;
  NetConnection& operator=(const NetConnection&) = delete;

  const NetworkSettings& settings() const { return settings_; }
  NetFailure last_failure() const { return last_failure_; }
  // Used by calls made without a progress callback of their own, so that the
  // front end keeps repainting and can cancel any call.
  void set_activity(TransferProgress activity) { activity_ = std::move(activity); }

  // What one call collects; libcurl's callbacks fill it.
  struct Call;

 protected:
  // Resets the handle for a call on `url` with the common options.
  void prepare(const std::string& url, Call& call);
  Status perform(Call& call, const std::string& what);

  void* curl_ = nullptr;
  NetworkSettings settings_;
  NetFailure last_failure_ = NetFailure::none;
  TransferProgress activity_;
};

// What a command needs of a file server: the FTP session is the real one;
// tests put an in-process one in its place to run the logic around it.
class FileServer {
 public:
  virtual ~FileServer() = default;
  // The size of a remote file; fails when there is none.
  [[nodiscard]] virtual Result<std::int64_t> size(const std::string& path) = 0;
  // Downloads a file; `local` appears only when the whole file arrived.
  [[nodiscard]] virtual Status get(const std::string& path, const std::filesystem::path& local,
                                   const TransferProgress& progress = {}) = 0;
};

class FtpSession : public NetConnection, public FileServer {
 public:
  FtpSession(const NetworkSettings& settings, std::string user, std::string password);

  const std::string& user() const { return user_; }
  // Connects and logs on.
  [[nodiscard]] Status logon();
  Result<std::int64_t> size(const std::string& path) override;
  // Whether the file is there; a failure is one of the connection.
  Result<bool> exists(const std::string& path);
  // The names of the files in a folder ("tdb/").
  Result<std::vector<std::string>> list(const std::string& folder);
  // Deletes a file; with `missing_ok` a file that is not there is no failure.
  [[nodiscard]] Status remove(const std::string& path, bool missing_ok);
  [[nodiscard]] Status get(const std::string& path, const std::filesystem::path& local,
                           const TransferProgress& progress = {}) override;
  // A session on the same server with another user name and this password.
  std::unique_ptr<FtpSession> as_user(const std::string& user) const {
    return std::make_unique<FtpSession>(settings_, user, password_);
  }
  // The first `count` bytes of a file, or all of it when shorter.
  [[nodiscard]] Status read_head(const std::string& path, std::size_t count, std::string& bytes);
  [[nodiscard]] Status put(const std::filesystem::path& local, const std::string& path);

 private:
  void prepare_ftp(const std::string& path, Call& call);
  std::string url_of(const std::string& path) const;

  std::string user_;
  std::string password_;
};

// A web server's answer to a GET: how the call went, and the body as far as
// it arrived, which a failed call keeps too (a cut-off answer still says how
// much came).
struct [[nodiscard]] WebAnswer {
  Status status = Status::ok();
  std::string body;
};

class WebSession : public NetConnection {
 public:
  using NetConnection::NetConnection;
  // GETs the web server's path (with its query), refusing any HTTP error
  // status. An answer longer than `limit` bytes is refused, or with
  // `keep_head` cut to its first `limit` bytes.
  WebAnswer get(const std::string& path_and_query, std::size_t limit, bool keep_head = false);
  // GETs into a local file, skipping the first `skip` bytes of the answer;
  // the file appears only when the whole answer arrived.
  [[nodiscard]] Status get_to_file(const std::string& path_and_query, std::size_t skip, std::int64_t limit,
                                   const std::filesystem::path& local);
  std::string url_of(const std::string& path_and_query) const { return settings_.web_url + path_and_query; }
};

// Escapes a text for a URL query value or path segment.
std::string url_escape(const std::string& text);

}  // namespace quillon
