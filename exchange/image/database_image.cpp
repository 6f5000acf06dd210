#include "exchange/image/database_image.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillon {

namespace {

bool fail(std::string* error, const std::string& what) {
  if (error) *error = what + ": " + std::strerror(errno);
  return false;
}

bool copy_all(int in, int out, const std::string& source, const std::string& target, std::string* error) {
  std::vector<char> buf(1 << 20);
  for (;;) {
    ssize_t got = ::read(in, buf.data(), buf.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return fail(error, "cannot read " + source);
    if (got == 0) return true;
    ssize_t done = 0;
    while (done < got) {
      ssize_t put = ::write(out, buf.data() + done, static_cast<size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) {
        if (put == 0) errno = ENOSPC;
        return fail(error, "cannot write " + target);
      }
      done += put;
    }
  }
}

// Makes the rename itself durable.
void flush_folder(const std::filesystem::path& folder) {
  int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

bool save_database_image(const std::filesystem::path& source, const std::filesystem::path& target,
                         std::string* error) {
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return fail(error, "cannot read " + source.string());
  struct stat st {};
  bool stated = ::fstat(in, &st) == 0;
  if (!stated || !S_ISREG(st.st_mode)) {
    // Only a regular file has an end to copy up to.
    int why = stated ? EINVAL : errno;
    ::close(in);
    errno = why;
    return fail(error, "cannot read " + source.string());
  }
  // The copy is made under a fresh name (created exclusively, so a planted
  // link is never followed) and renamed over the old one only when complete:
  // the old copy stays whole until then.
  std::string temp = target.string() + ".XXXXXX";
  int out = ::mkostemp(temp.data(), O_CLOEXEC);
  if (out < 0) {
    ::close(in);
    return fail(error, "cannot create " + target.string());
  }
  bool ok = copy_all(in, out, source.string(), target.string(), error);
  if (ok && ::fsync(out) != 0 && errno != EINVAL) ok = fail(error, "cannot write " + target.string());
  if (ok && ::fchmod(out, 0644) != 0) ok = fail(error, "cannot write " + target.string());
  ::close(in);
  if (::close(out) != 0 && ok) ok = fail(error, "cannot write " + target.string());
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = fail(error, "cannot replace " + target.string());
  if (!ok) {
    int saved = errno;
    ::unlink(temp.c_str());
    errno = saved;
    return false;
  }
  flush_folder(target.parent_path());
  return true;
}

}  // namespace quillon
