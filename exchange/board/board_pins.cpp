#include "exchange/board/board_pins.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "core/atomic_file.h"
#include "exchange/board/board_settings.h"

namespace quillon::board {

namespace {

bool is_pin(const std::string& text) {
  return text.size() == 6 && text.find_first_not_of("0123456789") == std::string::npos;
}

// The pins file's own lock, held while it is read, changed and replaced.
class PinsLock {
 public:
  explicit PinsLock(const std::filesystem::path& home) {
    fd_ = ::open((home / (std::string(pins_file_name) + ".lock")).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~PinsLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  PinsLock(const PinsLock&) = delete;
  PinsLock& operator=(const PinsLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

Status save(const std::filesystem::path& home, const std::map<PinKey, std::string>& pins) {
  std::ostringstream out;
  out << "# tournament group pin\n";
  for (const auto& [key, pin] : pins) out << key.first << ' ' << key.second << ' ' << pin << '\n';
  return write_file_atomically(home / pins_file_name, out.str(), 0600);
}

}  // namespace

std::string random_pin() {
  static thread_local std::random_device device;
  std::uniform_int_distribution<int> digits(0, 999999);
  char text[8];
  std::snprintf(text, sizeof text, "%06d", digits(device));
  return text;
}

Result<PinBook> PinBook::load(const std::filesystem::path& home) {
  PinBook book;
  std::ifstream in(home / pins_file_name);
  if (!in) return book;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    int t = 0, g = 0;
    std::string pin, rest;
    if (!(fields >> t >> g >> pin) || (fields >> rest) || t < 1 || g < 1 || !is_pin(pin))
      return Status::failed(std::string(pins_file_name) + " line " + std::to_string(number) + " cannot be read");
    book.pins_[{t, g}] = pin;
  }
  return book;
}

std::string PinBook::pin(int tournament, int group) const {
  auto it = pins_.find({tournament, group});
  return it == pins_.end() ? "" : it->second;
}

bool PinBook::matches(int tournament, int group, const std::string& typed) const {
  std::string stored = pin(tournament, group);
  if (stored.empty() || typed.size() != stored.size()) return false;
  unsigned differ = 0;  // compared in full, whatever the first difference
  for (std::size_t i = 0; i < stored.size(); ++i) differ |= static_cast<unsigned>(stored[i] ^ typed[i]);
  return differ == 0;
}

Status ensure_pins(const std::filesystem::path& home, int tournament, int group_count, PinBook* book) {
  PinsLock lock(home);
  if (!lock.held()) return Status::failed("The board's PIN file cannot be locked in " + home.string());
  auto loaded = PinBook::load(home);
  if (!loaded) return loaded.status();
  bool added = false;
  for (int g = 1; g <= group_count; ++g) {
    if (!loaded->pin(tournament, g).empty()) continue;
    loaded->pins_[{tournament, g}] = random_pin();
    added = true;
  }
  if (added)
    if (Status saved = save(home, loaded->pins_); !saved) return saved;
  if (book) *book = std::move(*loaded);
  return Status::ok();
}

Result<std::string> issue_new_pin(const std::filesystem::path& home, int tournament, int group) {
  PinsLock lock(home);
  if (!lock.held()) return Status::failed("The board's PIN file cannot be locked in " + home.string());
  auto loaded = PinBook::load(home);
  if (!loaded) return loaded.status();
  std::string old = loaded->pin(tournament, group);
  std::string pin = random_pin();
  while (pin == old) pin = random_pin();
  loaded->pins_[{tournament, group}] = pin;
  if (Status saved = save(home, loaded->pins_); !saved) return saved;
  return pin;
}

}  // namespace quillon::board
