#include "exchange/backup/mapped_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <string>

namespace quillon {

namespace {

// The one mapping the handler guards; written only while no mapping is guarded.
void* guarded_address = nullptr;
std::size_t guarded_size = 0;
volatile sig_atomic_t page_missing = 0;
struct sigaction previous_handler {};

// A page of the mapping beyond the file's end: put a page of zeros in its place.
void on_bus_error(int signal, siginfo_t* info, void* context) {
  auto* at = static_cast<char*>(info->si_addr);
  auto* begin = static_cast<char*>(guarded_address);
  if (begin && at >= begin && at < begin + guarded_size) {
    auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    void* start = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(at) & ~(page - 1));
    if (::mmap(start, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != MAP_FAILED) {
      page_missing = 1;
      return;
    }
  }
  // Not ours: what would have happened without this handler.
  if (previous_handler.sa_flags & SA_SIGINFO) {
    if (previous_handler.sa_sigaction) return previous_handler.sa_sigaction(signal, info, context);
  } else if (previous_handler.sa_handler != SIG_DFL && previous_handler.sa_handler != SIG_IGN) {
    return previous_handler.sa_handler(signal);
  }
  ::signal(SIGBUS, SIG_DFL);
  ::raise(SIGBUS);
}

}  // namespace

MappedFile::~MappedFile() {
  if (!address_) return;
  ::sigaction(SIGBUS, &previous_handler, nullptr);
  guarded_address = nullptr;
  guarded_size = 0;
  ::munmap(address_, size_);
}

Status MappedFile::map(const std::filesystem::path& path, std::int64_t length) {
  if (address_ || guarded_address) return Status::failed("a file is mapped already");
  if (length <= 0) return Status::ok();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Status::failed("cannot read " + path.string() + ": " + std::strerror(errno));
  void* address = ::mmap(nullptr, static_cast<std::size_t>(length), PROT_READ, MAP_SHARED, fd, 0);
  int error = errno;
  ::close(fd);
  if (address == MAP_FAILED) return Status::failed("cannot read " + path.string() + ": " + std::strerror(error));
  ::madvise(address, static_cast<std::size_t>(length), MADV_SEQUENTIAL);
  address_ = address;
  size_ = static_cast<std::size_t>(length);
  page_missing = 0;
  guarded_address = address_;
  guarded_size = size_;
  struct sigaction handler {};
  handler.sa_sigaction = on_bus_error;
  handler.sa_flags = SA_SIGINFO;
  sigemptyset(&handler.sa_mask);
  ::sigaction(SIGBUS, &handler, &previous_handler);
  return Status::ok();
}

bool MappedFile::cut_short() const { return page_missing != 0; }

}  // namespace quillon
