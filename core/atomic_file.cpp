#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace quillon {

namespace {

std::string system_text() { return std::strerror(errno); }

Status cannot(const char* what, const std::filesystem::path& file, const std::string& why) {
  return Status::failed(std::string("cannot ") + what + " " + file.string() + ": " + why);
}

}  // namespace

Result<AtomicFile> AtomicFile::create(const std::filesystem::path& target, unsigned mode) {
  std::filesystem::path folder = target.parent_path();
  std::string name = (folder.empty() ? std::filesystem::path(".") : folder) / ("." + target.filename().string());
  name += ".XXXXXX";
  int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return cannot("create", target, system_text());
  // Where the file system has no locks the claim is missing, and the
  // temporary is never taken for abandoned either (see below).
  (void)::flock(fd, LOCK_EX | LOCK_NB);
  return AtomicFile(target, name, fd, mode);
}

AtomicFile::AtomicFile(std::filesystem::path target, std::filesystem::path temporary, int fd, unsigned mode)
    : target_(std::move(target)), temporary_(std::move(temporary)), fd_(fd), mode_(mode), open_(true) {}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::move(other.temporary_)),
      fd_(other.fd_),
      claim_(other.claim_),
      mode_(other.mode_),
      written_(other.written_),
      open_(other.open_) {
  other.fd_ = -1;
  other.claim_ = -1;
  other.open_ = false;
}

AtomicFile& AtomicFile::operator=(AtomicFile&& other) noexcept {
  if (this != &other) {
    discard();
    target_ = std::move(other.target_);
    temporary_ = std::move(other.temporary_);
    fd_ = other.fd_;
    claim_ = other.claim_;
    mode_ = other.mode_;
    written_ = other.written_;
    open_ = other.open_;
    other.fd_ = -1;
    other.claim_ = -1;
    other.open_ = false;
  }
  return *this;
}

AtomicFile::~AtomicFile() { discard(); }

Status AtomicFile::write(const void* data, std::size_t n) {
  if (fd_ < 0) return cannot("write", target_, "the file is closed");
  const char* bytes = static_cast<const char*>(data);
  while (n > 0) {
    ssize_t put = ::write(fd_, bytes, n);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return cannot("write", target_, put < 0 ? system_text() : "nothing was written");
    bytes += put;
    n -= static_cast<std::size_t>(put);
    written_ += static_cast<std::size_t>(put);
  }
  return Status::ok();
}

void AtomicFile::release_descriptor() {
  if (fd_ >= 0) claim_ = fd_;
  fd_ = -1;
}

void AtomicFile::close_descriptors() {
  if (fd_ >= 0) ::close(fd_);
  if (claim_ >= 0) ::close(claim_);
  fd_ = claim_ = -1;
}

Status AtomicFile::commit() { return commit(true); }

Status AtomicFile::commit_new() { return commit(false); }

// Flushes the temporary with its permissions set. The descriptor stays open
// until the rename, so that the claim lasts as long as the temporary does.
Status AtomicFile::finish_writing() {
  // After release_descriptor() another writer filled the temporary through a
  // descriptor of its own; the claim's flushes the same file.
  const int fd = fd_ >= 0 ? fd_ : claim_;
  if (fd < 0) return cannot("write", target_, "the file is closed");
  if (::fchmod(fd, mode_) != 0) return cannot("write", target_, system_text());
  if (::fsync(fd) != 0 && errno != EINVAL) return cannot("write", target_, system_text());
  return Status::ok();
}

namespace {

// Puts a finished temporary at `target` unless something is there already: a
// hard link where the file system has them, else a rename that refuses to
// replace.
bool place_new(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (::link(temporary.c_str(), target.c_str()) == 0) return true;
  return errno != EEXIST && ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0;
}

}  // namespace

Status AtomicFile::commit(bool replace) {
  if (!open_) return cannot("write", target_, "the file was already finished");
  Status done = finish_writing();
  if (done && replace && std::rename(temporary_.c_str(), target_.c_str()) != 0)
    done = cannot("replace", target_, system_text());
  if (done && !replace && !place_new(temporary_, target_)) done = cannot("create", target_, system_text());
  if (!done || !replace) discard();  // a linked temporary is a second name of the target
  if (!done) return done;
  open_ = false;
  close_descriptors();
  return flush_folder(target_.parent_path());
}

void AtomicFile::discard() {
  // Unlinked before the claim ends, so that nobody takes it for abandoned.
  if (open_) ::unlink(temporary_.c_str());
  close_descriptors();
  open_ = false;
}

Status write_file_atomically(const std::filesystem::path& target, std::string_view bytes, unsigned mode) {
  Result<AtomicFile> file = AtomicFile::create(target, mode);
  if (!file) return file.status();
  if (Status put = file->write(bytes); !put) return put;
  return file->commit();
}

namespace {

// ".NAME.XXXXXX", the names create() makes (mkostemp's letters and digits).
bool is_temporary_name(const std::string& name, const std::string& target_name) {
  constexpr std::size_t suffix = 7;  // ".XXXXXX"
  if (name.size() < 1 + 1 + suffix || name[0] != '.' || name[name.size() - suffix] != '.') return false;
  for (std::size_t i = name.size() - suffix + 1; i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  return target_name.empty() || name.compare(1, name.size() - 1 - suffix, target_name) == 0;
}

}  // namespace

std::vector<std::string> remove_abandoned_temporaries(const std::filesystem::path& folder,
                                                      const std::string& target_name) {
  constexpr auto settled = std::chrono::minutes(1);
  std::vector<std::string> removed;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status_ec;
    if (!is_temporary_name(name, target_name) || !it->is_regular_file(status_ec) || it->is_symlink(status_ec)) continue;
    auto written = std::filesystem::last_write_time(it->path(), status_ec);
    if (status_ec || std::filesystem::file_time_type::clock::now() - written < settled) continue;
    int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) continue;
    // Unlinked while held, so that a writer cannot claim it in between.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(it->path().c_str()) == 0) removed.push_back(name);
    ::close(fd);
  }
  return removed;
}

Status flush_folder(const std::filesystem::path& folder) {
  const char* name = folder.empty() ? "." : folder.c_str();
  int dir = ::open(name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return cannot("open the folder", name, system_text());
  // Some file systems cannot flush a folder (EINVAL): the rename stands as it is.
  bool flushed = ::fsync(dir) == 0 || errno == EINVAL;
  Status result = flushed ? Status::ok() : cannot("flush the folder", name, system_text());
  ::close(dir);
  return result;
}

}  // namespace quillon
