#include "exchange/spreadsheets/isolated_read.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>

namespace quillon {

namespace {

// Under AddressSanitizer the process reserves terabytes of address space for
// its shadow memory, so the bound on the address space is left to the
// cell bounds and the time limit there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool address_space_limited = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool address_space_limited = false;
#else
constexpr bool address_space_limited = true;
#endif
#else
constexpr bool address_space_limited = true;
#endif

// The most a sound answer can take: every cell's text and its length.
constexpr std::size_t max_answer_bytes = max_sheet_text_bytes + 8 * max_sheet_rows * max_sheet_columns + 4096;

void put_u32(std::string& out, std::size_t n) {
  for (int k = 0; k < 4; ++k) out += static_cast<char>((n >> (8 * k)) & 0xFF);
}

void put_text(std::string& out, const std::string& text) {
  put_u32(out, text.size());
  out += text;
}

class AnswerReader {
 public:
  explicit AnswerReader(std::string_view bytes) : bytes_(bytes) {}
  bool u32(std::size_t& n) {
    if (bytes_.size() - at_ < 4) return false;
    n = 0;
    for (int k = 0; k < 4; ++k) n |= static_cast<std::size_t>(static_cast<unsigned char>(bytes_[at_ + k])) << (8 * k);
    at_ += 4;
    return true;
  }
  bool text(std::string& out) {
    std::size_t n = 0;
    if (!u32(n) || bytes_.size() - at_ < n) return false;
    out.assign(bytes_.substr(at_, n));
    at_ += n;
    return true;
  }
  bool texts(std::vector<std::string>& out) {
    std::size_t n = 0;
    if (!u32(n) || n > max_sheet_columns) return false;
    out.resize(n);
    for (auto& t : out)
      if (!text(t)) return false;
    return true;
  }
  bool done() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

[[noreturn]] void answer_and_exit(int fd, const std::function<Result<SheetTable>()>& read) {
  std::string answer;
  try {
    answer = encode_sheet_answer(read());
  } catch (const std::bad_alloc&) {
    answer = encode_sheet_answer(Status::failed("reading it needs more memory than a spreadsheet of golfers may"));
  } catch (const std::exception& e) {
    answer = encode_sheet_answer(Status::failed(e.what()));
  }
  for (std::size_t at = 0; at < answer.size();) {
    ssize_t n = ::write(fd, answer.data() + at, answer.size() - at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ::_exit(2);
    at += static_cast<std::size_t>(n);
  }
  ::_exit(0);
}

void limit_child(const ChildLimits& limits) {
  struct rlimit none = {0, 0};
  ::setrlimit(RLIMIT_CORE, &none);
  auto seconds = static_cast<rlim_t>(limits.seconds);
  struct rlimit cpu = {seconds, seconds + 1};
  ::setrlimit(RLIMIT_CPU, &cpu);
  if (address_space_limited) {
    struct rlimit memory = {limits.memory_bytes, limits.memory_bytes};
    ::setrlimit(RLIMIT_AS, &memory);
  }
  ::signal(SIGXCPU, SIG_DFL);
  ::signal(SIGPIPE, SIG_DFL);
}

std::string ending_of(int wait_status, const ChildLimits& limits, bool timed_out) {
  if (timed_out) return "reading it took longer than " + std::to_string(limits.seconds) + " seconds";
  if (WIFSIGNALED(wait_status)) {
    int sig = WTERMSIG(wait_status);
    if (sig == SIGXCPU || sig == SIGKILL)
      return "reading it took longer than " + std::to_string(limits.seconds) + " seconds";
    return std::string("the reader stopped on a fault (") + ::strsignal(sig) + ")";
  }
  return "the reader ended without an answer";
}

}  // namespace

bool child_memory_limited() { return address_space_limited; }

std::string encode_sheet_answer(const Result<SheetTable>& answer) {
  std::string out;
  out += answer ? '\1' : '\0';
  if (!answer) {
    const std::string& reason = answer.status().reason();
    put_text(out, reason.empty() ? std::string("the sheet cannot be read") : reason);
    return out;
  }
  const SheetTable& table = *answer;
  put_u32(out, table.columns.size());
  for (const auto& c : table.columns) put_text(out, c);
  put_u32(out, table.rows.size());
  for (const auto& row : table.rows) {
    put_u32(out, row.size());
    for (const auto& c : row) put_text(out, c);
  }
  return out;
}

Result<SheetTable> decode_sheet_answer(std::string_view bytes) {
  const Status garbled = Status::failed("the reader's answer is damaged");
  if (bytes.empty()) return garbled;
  AnswerReader in(bytes.substr(1));
  if (bytes[0] == '\0') {
    std::string reason;
    if (!in.text(reason) || !in.done()) return garbled;
    return Status::failed(reason);
  }
  SheetTable read;
  std::size_t rows = 0;
  if (!in.texts(read.columns) || !in.u32(rows) || rows > max_sheet_rows) return garbled;
  read.rows.resize(rows);
  for (auto& row : read.rows)
    if (!in.texts(row)) return garbled;
  if (!in.done()) return garbled;
  return read;
}

Result<SheetTable> read_in_child(const std::function<Result<SheetTable>()>& read, ChildLimits limits) {
  int fds[2];
  if (::pipe(fds) != 0) return Status::failed(std::string("pipe: ") + std::strerror(errno));
  pid_t child = ::fork();
  if (child < 0) {
    int e = errno;
    ::close(fds[0]);
    ::close(fds[1]);
    return Status::failed(std::string("fork: ") + std::strerror(e));
  }
  if (child == 0) {
    ::close(fds[0]);
    limit_child(limits);
    answer_and_exit(fds[1], read);
  }
  ::close(fds[1]);

  // Wall-clock bound too: a child that sleeps or waits uses no CPU time.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2 * limits.seconds + 1);
  std::string answer;
  bool timed_out = false;
  bool too_long = false;
  char buffer[65536];
  while (true) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timed_out = true;
      break;
    }
    struct pollfd p = {fds[0], POLLIN, 0};
    int ready = ::poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      timed_out = ready == 0;
      break;
    }
    ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    answer.append(buffer, static_cast<std::size_t>(n));
    if (answer.size() > max_answer_bytes) {
      too_long = true;
      break;
    }
  }
  ::close(fds[0]);
  if (timed_out || too_long) ::kill(child, SIGKILL);
  int wait_status = 0;
  while (::waitpid(child, &wait_status, 0) < 0 && errno == EINTR) {
  }
  if (too_long) return Status::failed("the reader's answer is larger than a sheet may be");
  if (timed_out || !WIFEXITED(wait_status) || WEXITSTATUS(wait_status) != 0)
    return Status::failed(ending_of(wait_status, limits, timed_out));
  return decode_sheet_answer(answer);
}

}  // namespace quillon
