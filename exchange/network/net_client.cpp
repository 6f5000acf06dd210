#include "exchange/network/net_client.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string_view>
#include <system_error>

#include <unistd.h>

#include "core/atomic_file.h"
#include "exchange/network/network_module.h"

namespace quillon {

namespace {

// Loopback addresses never go through a proxy.
constexpr const char* loopback_hosts = "localhost,127.0.0.1,::1";
constexpr const char* user_agent = "QLWIN4";
// Every call ends within a bound: a small answer within this many times the
// time-out, a transfer within that plus its size at the minimum rate. A
// server that keeps sending a byte now and then cannot hold a command.
constexpr long deadline_factor = 3;
constexpr std::int64_t minimum_rate = 1024;  // bytes a second

const NetworkModule& curl() { return network_module(); }

void global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl().global_init(CURL_GLOBAL_DEFAULT); });
}

CURL* handle(void* p) { return static_cast<CURL*>(p); }

// Puts a complete download in place.
Status finish_download(AtomicFile& part, const std::filesystem::path& local) {
  Status placed = part.commit();
  if (!placed)
    return Status::failed("The file \"" + local.string() + "\" could not be written (" + placed.reason() + ").");
  return placed;
}

}  // namespace

struct NetConnection::Call {
  // Where the answer goes: a string (up to `limit`) or a file.
  std::string* body = nullptr;
  AtomicFile* file = nullptr;
  std::size_t skip = 0;  // leading answer bytes dropped
  std::int64_t limit = -1;  // most bytes kept; -1 no limit
  bool stop_at_limit = false;  // reaching the limit ends the call successfully
  bool over_limit = false;
  bool write_failed = false;
  std::int64_t received = 0;
  const TransferProgress* progress = nullptr;
  std::string last_reply;  // the last reply line of an FTP server ("530 ...")
  char error[CURL_ERROR_SIZE] = {};
  // A transfer whose deadline grows with its size (a download or upload of a
  // file), and the size known before it starts (an upload's).
  bool bulk = false;
  std::int64_t bulk_size = 0;
  std::chrono::steady_clock::time_point started;
  long base_seconds = 0;
  bool deadline_passed = false;
};

namespace {

size_t write_answer(char* data, size_t size, size_t count, void* user) {
  auto& call = *static_cast<NetConnection::Call*>(user);
  std::size_t n = size * count;
  std::size_t from = 0;
  if (call.skip > 0) {
    from = std::min(call.skip, n);
    call.skip -= from;
  }
  std::size_t keep = n - from;
  if (call.limit >= 0 && call.received + static_cast<std::int64_t>(keep) > call.limit) {
    keep = static_cast<std::size_t>(call.limit - call.received);
    call.over_limit = true;
  }
  if (call.body) call.body->append(data + from, keep);
  if (call.file && keep > 0 && !call.file->write(data + from, keep).is_ok()) {
    call.write_failed = true;
    return 0;
  }
  call.received += static_cast<std::int64_t>(keep);
  if (call.over_limit) return 0;  // ends the transfer
  return n;
}

// The seconds a call may take: a small answer a few times the time-out, a
// transfer that plus its size (as announced or as received so far) at the
// minimum rate.
double allowed_seconds(const NetConnection::Call& call, std::int64_t size) {
  double allowed = static_cast<double>(call.base_seconds * deadline_factor);
  if (call.bulk) allowed += static_cast<double>(std::max(size, call.bulk_size)) / minimum_rate;
  return allowed;
}

// libcurl passes every reply line of an FTP server here.
size_t keep_reply(char* data, size_t size, size_t count, void* user) {
  auto& call = *static_cast<NetConnection::Call*>(user);
  std::string_view line(data, size * count);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  if (line.size() >= 4 && std::isdigit(static_cast<unsigned char>(line[0])) && line[3] == ' ')
    call.last_reply.assign(line.substr(0, 300));
  return size * count;
}

int transfer_info(void* user, curl_off_t dltotal, curl_off_t dlnow, curl_off_t ultotal, curl_off_t ulnow) {
  auto& call = *static_cast<NetConnection::Call*>(user);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - call.started;
  const std::int64_t size = std::max({static_cast<std::int64_t>(dltotal), static_cast<std::int64_t>(dlnow),
                                      static_cast<std::int64_t>(ultotal), static_cast<std::int64_t>(ulnow)});
  if (elapsed.count() > allowed_seconds(call, size)) {
    call.deadline_passed = true;
    return 1;
  }
  if (!call.progress || !*call.progress) return 0;
  bool go_on = ultotal > 0 ? (*call.progress)(ulnow, ultotal) : (*call.progress)(dlnow, dltotal);
  return go_on ? 0 : 1;
}

}  // namespace

std::string url_escape(const std::string& text) {
  global_init();
  char* out = curl().easy_escape(nullptr, text.c_str(), static_cast<int>(text.size()));
  std::string result = out ? out : "";
  curl().free(out);
  return result;
}

NetConnection::NetConnection(const NetworkSettings& settings) : settings_(settings) {
  global_init();
  curl_ = curl().easy_init();
}

NetConnection::~NetConnection() {
  if (curl_) curl().easy_cleanup(handle(curl_));
}

void NetConnection::prepare(const std::string& url, Call& call) {
  CURL* c = handle(curl_);
  curl().easy_reset(c);
  curl().easy_setopt(c, CURLOPT_URL, url.c_str());
  curl().easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl().easy_setopt(c, CURLOPT_USERAGENT, user_agent);
  curl().easy_setopt(c, CURLOPT_NOPROXY, loopback_hosts);
  curl().easy_setopt(c, CURLOPT_ERRORBUFFER, call.error);
  // A server that accepts and then stays silent must not hold the program.
  long seconds = settings_.timeout_seconds;
  curl().easy_setopt(c, CURLOPT_CONNECTTIMEOUT, seconds);
  curl().easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds);
  // A trickle below the minimum rate for that long ends the call too.
  curl().easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, static_cast<long>(minimum_rate));
  curl().easy_setopt(c, CURLOPT_LOW_SPEED_TIME, seconds);
  curl().easy_setopt(c, CURLOPT_WRITEFUNCTION, write_answer);
  curl().easy_setopt(c, CURLOPT_WRITEDATA, &call);
  curl().easy_setopt(c, CURLOPT_HEADERFUNCTION, keep_reply);
  curl().easy_setopt(c, CURLOPT_HEADERDATA, &call);
  curl().easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl().easy_setopt(c, CURLOPT_XFERINFOFUNCTION, transfer_info);
  curl().easy_setopt(c, CURLOPT_XFERINFODATA, &call);
  if (!settings_.ca_file.empty()) curl().easy_setopt(c, CURLOPT_CAINFO, settings_.ca_file.c_str());
  if (!call.progress) call.progress = &activity_;
}

Status NetConnection::perform(Call& call, const std::string& what) {
  CURL* c = handle(curl_);
  call.base_seconds = settings_.timeout_seconds;
  call.started = std::chrono::steady_clock::now();
  // The progress callback keeps the deadline of a transfer; a small answer
  // has a fixed one, kept by libcurl even where no callback comes.
  if (!call.bulk) curl().easy_setopt(c, CURLOPT_TIMEOUT, call.base_seconds * deadline_factor);
  CURLcode code = curl().easy_perform(c);
  if (call.deadline_passed || (code == CURLE_OPERATION_TIMEDOUT && call.received > 0)) {
    last_failure_ = NetFailure::timed_out;
    return Status::failed("The transfer of " + what + " was too slow (less than " + std::to_string(minimum_rate) +
                          " bytes a second) and was stopped.");
  }
  if (code == CURLE_WRITE_ERROR && call.over_limit && call.stop_at_limit) code = CURLE_OK;
  if (code == CURLE_WRITE_ERROR && call.over_limit && !call.stop_at_limit) {
    last_failure_ = NetFailure::other;
    return Status::failed("The answer to " + what + " was larger than expected.");
  }
  if (code == CURLE_OK) {
    long http_status = 0;
    curl().easy_getinfo(c, CURLINFO_RESPONSE_CODE, &http_status);
    const char* scheme = nullptr;
    curl().easy_getinfo(c, CURLINFO_SCHEME, &scheme);
    bool http = scheme && (std::string(scheme) == "HTTP" || std::string(scheme) == "HTTPS" ||
                           std::string(scheme) == "http" || std::string(scheme) == "https");
    if (http && http_status >= 400) {
      // An error page is never taken for the answer asked for.
      if (call.body) call.body->clear();
      last_failure_ = http_status == 404 ? NetFailure::not_found : NetFailure::other;
      return Status::failed("The web server answered " + what + " with the error status " +
                            std::to_string(http_status) + ".");
    }
    last_failure_ = NetFailure::none;
    return Status::ok();
  }
  std::string seconds = std::to_string(settings_.timeout_seconds);
  switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
      last_failure_ = NetFailure::timed_out;
      return Status::failed("The server did not answer " + what + " within " + seconds + " seconds.");
    case CURLE_ABORTED_BY_CALLBACK:
      last_failure_ = NetFailure::cancelled;
      return Status::failed("The transfer was cancelled.");
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_PROXY:
      last_failure_ = NetFailure::unreachable;
      return Status::failed("The server for " + what + " could not be reached.");
    case CURLE_LOGIN_DENIED:
      last_failure_ = NetFailure::refused_logon;
      // The server's own words tell a wrong password from, say, a demand for encryption.
      if (!call.last_reply.empty()) return Status::failed("The server refused the logon: " + call.last_reply);
      return Status::failed("The server refused the logon.");
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
      last_failure_ = NetFailure::not_found;
      return Status::failed("The server has no file for " + what + ".");
    case CURLE_REMOTE_ACCESS_DENIED:
      // The server refused the folder (it does not have it, or not for this user).
      last_failure_ = NetFailure::not_found;
      return Status::failed("The server refused the folder of " + what + ".");
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
      last_failure_ = NetFailure::broken;
      return Status::failed("The connection broke off during " + what + ".");
    case CURLE_USE_SSL_FAILED:
      last_failure_ = NetFailure::refused_logon;
      return Status::failed("The server does not offer an encrypted connection, which the network settings require.");
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
      last_failure_ = NetFailure::refused_logon;
      return Status::failed("The certificate of the server for " + what + " could not be verified (" +
                            std::string(call.error[0] ? call.error : curl().easy_strerror(code)) +
                            "). Name the file of its certificate authority as ca_file in network.ini.");
    default: break;
  }
  if (call.write_failed) {
    last_failure_ = NetFailure::other;
    return Status::failed("The data of " + what + " could not be written to the disk.");
  }
  last_failure_ = NetFailure::other;
  std::string detail = call.error[0] ? call.error : curl().easy_strerror(code);
  return Status::failed("The transfer of " + what + " failed: " + detail);
}

// FTP.

FtpSession::FtpSession(const NetworkSettings& settings, std::string user, std::string password)
    : NetConnection(settings), user_(std::move(user)), password_(std::move(password)) {}

std::string FtpSession::url_of(const std::string& path) const {
  std::string url = "ftp://" + settings_.ftp_host + ":" + std::to_string(settings_.ftp_port) + "/";
  std::size_t from = 0;
  // A leading slash names the server's root rather than the login folder.
  if (path.starts_with("/")) {
    url += "%2F";
    from = 1;
  }
  while (from <= path.size()) {
    std::size_t slash = path.find('/', from);
    std::string segment = path.substr(from, slash == std::string::npos ? std::string::npos : slash - from);
    url += url_escape(segment);
    if (slash == std::string::npos) break;
    url += "/";
    from = slash + 1;
  }
  return url;
}

void FtpSession::prepare_ftp(const std::string& path, Call& call) {
  prepare(url_of(path), call);
  CURL* c = handle(curl_);
  curl().easy_setopt(c, CURLOPT_USERNAME, user_.c_str());
  curl().easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
  long tls = settings_.ftps == FtpsMode::off       ? CURLUSESSL_NONE
             : settings_.ftps == FtpsMode::require ? CURLUSESSL_ALL
                                                   : CURLUSESSL_TRY;
  curl().easy_setopt(c, CURLOPT_USE_SSL, tls);
  curl().easy_setopt(c, CURLOPT_FTPSSLAUTH, CURLFTPAUTH_TLS);
  curl().easy_setopt(c, CURLOPT_FTP_USE_EPSV, 1L);
  curl().easy_setopt(c, CURLOPT_FTPPORT, nullptr);  // passive
  curl().easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);  // binary
}

Status FtpSession::logon() {
  Call call;
  prepare_ftp("", call);
  curl().easy_setopt(handle(curl_), CURLOPT_NOBODY, 1L);
  return perform(call, "the logon to " + settings_.ftp_host);
}

Result<std::int64_t> FtpSession::size(const std::string& path) {
  Call call;
  prepare_ftp(path, call);
  curl().easy_setopt(handle(curl_), CURLOPT_NOBODY, 1L);
  Status status = perform(call, "\"" + path + "\"");
  if (!status) return status;
  curl_off_t length = -1;
  curl().easy_getinfo(handle(curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  if (length < 0) {
    last_failure_ = NetFailure::not_found;
    return Status::failed("The server has no file for \"" + path + "\".");
  }
  return static_cast<std::int64_t>(length);
}

Result<bool> FtpSession::exists(const std::string& path) {
  Result<std::int64_t> bytes = size(path);
  if (bytes) return true;
  if (last_failure_ == NetFailure::not_found) return false;
  return bytes.status();
}

Result<std::vector<std::string>> FtpSession::list(const std::string& folder) {
  Call call;
  std::string body;
  call.body = &body;
  std::string path = folder.ends_with("/") ? folder : folder + "/";
  call.bulk = true;  // a listing grows with the folder
  prepare_ftp(path, call);
  curl().easy_setopt(handle(curl_), CURLOPT_DIRLISTONLY, 1L);
  Status status = perform(call, "the listing of \"" + folder + "\"");
  if (!status) return status;
  std::vector<std::string> names;
  std::size_t from = 0;
  while (from < body.size()) {
    std::size_t end = body.find('\n', from);
    if (end == std::string::npos) end = body.size();
    std::string name = body.substr(from, end - from);
    if (!name.empty() && name.back() == '\r') name.pop_back();
    // Some servers list the folder in front of each name.
    if (name.starts_with(path)) name = name.substr(path.size());
    if (!name.empty()) names.push_back(name);
    from = end + 1;
  }
  return names;
}

Status FtpSession::remove(const std::string& path, bool missing_ok) {
  if (path.find_first_of("\r\n") != std::string::npos)
    return Status::failed("A server file name cannot hold a line break.");
  if (missing_ok) {
    Result<bool> found = exists(path);
    if (!found) return found.status();
    if (!*found) return Status::ok();
  }
  // The command runs in the file's folder: the connection may stand in
  // another folder after an earlier call.
  std::size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  Call call;
  prepare_ftp(folder, call);
  CURL* c = handle(curl_);
  std::string command = "DELE " + file;
  curl_slist* commands = curl().slist_append(nullptr, command.c_str());
  curl().easy_setopt(c, CURLOPT_NOBODY, 1L);
  curl().easy_setopt(c, CURLOPT_QUOTE, commands);
  Status status = perform(call, "the removal of \"" + path + "\"");
  curl().easy_setopt(c, CURLOPT_QUOTE, nullptr);
  curl().slist_free_all(commands);
  return status;
}

Status FtpSession::get(const std::string& path, const std::filesystem::path& local, const TransferProgress& progress) {
  Result<AtomicFile> part = AtomicFile::create(local);
  if (!part) return Status::failed("The file \"" + local.string() + "\" could not be created.");
  Call call;
  call.file = &*part;
  call.bulk = true;
  if (progress) call.progress = &progress;
  prepare_ftp(path, call);
  Status status = perform(call, "\"" + path + "\"");
  if (!status) return status;
  curl_off_t expected = -1;
  curl().easy_getinfo(handle(curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &expected);
  if (expected >= 0 && expected != call.received) {
    last_failure_ = NetFailure::broken;
    return Status::failed("The connection broke off during \"" + path + "\".");
  }
  return finish_download(*part, local);
}

Status FtpSession::read_head(const std::string& path, std::size_t count, std::string& bytes) {
  Call call;
  bytes.clear();
  call.body = &bytes;
  call.limit = static_cast<std::int64_t>(count);
  call.stop_at_limit = true;
  prepare_ftp(path, call);
  return perform(call, "\"" + path + "\"");
}

namespace {
size_t read_upload(char* buffer, size_t size, size_t count, void* user) {
  return std::fread(buffer, size, count, static_cast<std::FILE*>(user));
}
}  // namespace

Status FtpSession::put(const std::filesystem::path& local, const std::string& path) {
  std::error_code ec;
  auto length = std::filesystem::file_size(local, ec);
  std::FILE* in = ec ? nullptr : std::fopen(local.c_str(), "rb");
  if (!in) return Status::failed("The file \"" + local.string() + "\" could not be read.");
  Call call;
  call.bulk = true;
  call.bulk_size = static_cast<std::int64_t>(length);
  prepare_ftp(path, call);
  CURL* c = handle(curl_);
  curl().easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl().easy_setopt(c, CURLOPT_READFUNCTION, read_upload);
  curl().easy_setopt(c, CURLOPT_READDATA, in);
  curl().easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(length));
  Status status = perform(call, "the upload of \"" + path + "\"");
  bool read_failed = std::ferror(in) != 0;
  std::fclose(in);
  if (status && read_failed) return Status::failed("The file \"" + local.string() + "\" could not be read.");
  return status;
}

// HTTP.

WebAnswer WebSession::get(const std::string& path_and_query, std::size_t limit, bool keep_head) {
  WebAnswer answer;
  Call call;
  call.body = &answer.body;
  call.limit = static_cast<std::int64_t>(limit);
  call.stop_at_limit = keep_head;
  prepare(url_of(path_and_query), call);
  answer.status = perform(call, "the request " + path_and_query);
  return answer;
}

Status WebSession::get_to_file(const std::string& path_and_query, std::size_t skip, std::int64_t limit,
                               const std::filesystem::path& local) {
  Result<AtomicFile> part = AtomicFile::create(local);
  if (!part) return Status::failed("The file \"" + local.string() + "\" could not be created.");
  Call call;
  call.file = &*part;
  call.bulk = true;
  call.skip = skip;
  call.limit = limit;
  prepare(url_of(path_and_query), call);
  Status status = perform(call, "the request " + path_and_query);
  if (!status) return status;
  return finish_download(*part, local);
}

}  // namespace quillon
