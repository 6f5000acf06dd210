#pragma once
// The one way a file is replaced: written under a unique temporary name beside
// the target, flushed, renamed over it and the folder flushed, so that a reader
// or a crash finds the old file or the new one, never a half-written one.
//
//   Result<AtomicFile> file = AtomicFile::create(target);
//   if (!file) return file.status();
//   if (Status put = file->write(bytes); !put) return put;
//   return file->commit();
//
// A file that is not committed is removed when the AtomicFile goes away.
// Writers that open a path themselves (a PDF writer) write to
// temporary_path() after release_descriptor(), then commit().
//
// The temporary is claimed with flock() for as long as it is being written,
// so that the temporary of a writer that was killed can be told from a live
// one and removed (remove_abandoned_temporaries).
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "core/status.h"

namespace quillon {

class AtomicFile {
 public:
  // Creates the temporary exclusively (a link planted beside the target is
  // never written through) with the permissions `mode`.
  [[nodiscard]] static Result<AtomicFile> create(const std::filesystem::path& target, unsigned mode = 0644);

  AtomicFile(AtomicFile&& other) noexcept;
  AtomicFile& operator=(AtomicFile&& other) noexcept;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();

  // Appends all of `n` bytes, or says why not.
  [[nodiscard]] Status write(const void* data, std::size_t n);
  [[nodiscard]] Status write(std::string_view text) { return write(text.data(), text.size()); }
  // Flushes the data, renames the temporary over the target and flushes the
  // folder. Failures name the target, the file the user knows of.
  [[nodiscard]] Status commit();
  // As commit(), but a file already at the target stays and the temporary is
  // removed: of two creators exactly one wins.
  [[nodiscard]] Status commit_new();
  // Removes the temporary; the target is untouched.
  void discard();

  // Stops writing through the descriptor so that another writer can open
  // temporary_path(); the claim stays.
  void release_descriptor();
  int descriptor() const { return fd_; }
  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporary_path() const { return temporary_; }
  std::size_t written() const { return written_; }

 private:
  Status finish_writing();
  void close_descriptors();
  Status commit(bool replace);
  AtomicFile(std::filesystem::path target, std::filesystem::path temporary, int fd, unsigned mode);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  int fd_ = -1;
  int claim_ = -1;  // the descriptor after release_descriptor(), kept for its claim
  unsigned mode_ = 0644;
  std::size_t written_ = 0;
  bool open_ = false;  // a temporary exists that is not yet renamed
};

// Replaces `target` with `bytes` through an AtomicFile.
[[nodiscard]] Status write_file_atomically(const std::filesystem::path& target, std::string_view bytes,
                                           unsigned mode = 0644);

// Removes the temporaries in `folder` that writers killed half-way left
// behind: unclaimed and older than a minute (a live writer claims its
// temporary as it creates it). With `target_name`, only those of that target.
// Returns the names removed.
std::vector<std::string> remove_abandoned_temporaries(const std::filesystem::path& folder,
                                                      const std::string& target_name = {});

// Flushes a folder's entries, so that a rename in it survives a crash.
[[nodiscard]] Status flush_folder(const std::filesystem::path& folder);

}  // namespace quillon
