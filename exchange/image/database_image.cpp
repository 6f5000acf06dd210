#include "exchange/image/database_image.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace quillon {

namespace {

bool fail(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

}  // namespace

bool save_database_image(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::string* error) {
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail(error, "cannot read " + source.string());
  int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (out < 0) {
    ::close(in);
    return fail(error, "cannot create " + target.string());
  }
  std::vector<char> buf(1 << 20);
  bool ok = true;
  for (;;) {
    ssize_t got = ::read(in, buf.data(), buf.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ok = fail(error, "cannot read " + source.string());
      break;
    }
    if (got == 0) break;
    ssize_t done = 0;
    while (done < got) {
      ssize_t put = ::write(out, buf.data() + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        if (put == 0) errno = ENOSPC;
        ok = fail(error, "cannot write " + target.string());
        break;
      }
      done += put;
    }
    if (!ok) break;
  }
  if (ok && ::fsync(out) != 0 && errno != EINVAL) ok = fail(error, "cannot write " + target.string());
  ::close(in);
  if (::close(out) != 0 && ok) ok = fail(error, "cannot write " + target.string());
  if (!ok) ::unlink(target.c_str());
  return ok;
}

}  // namespace quillon
