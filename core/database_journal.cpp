#include "core/database_journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "core/file_io.h"

namespace quillon {

namespace {

constexpr char journal_magic[8] = {'Q', 'L', 'J', 'R', 'N', 'L', '0', '2'};
constexpr std::size_t fixed_head_size = 28;  // magic, two lengths, region count
constexpr std::size_t region_size = 24;
constexpr std::size_t record_head_size = 20;

// FNV-1a, 64 bits: enough to tell a whole record from a torn one.
std::uint64_t checksum(const char* data, std::size_t n, std::uint64_t hash = 14695981039346656037ull) {
  for (std::size_t i = 0; i < n; ++i) {
    hash ^= static_cast<unsigned char>(data[i]);
    hash *= 1099511628211ull;
  }
  return hash;
}

void put_u64(std::string& out, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put_u32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t get_u64(const char* p) {
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

std::uint32_t get_u32(const char* p) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

Status failure(const char* what) { return Status::failed(std::string(what) + ": " + last_system_error()); }

// Whether the file holds the whole new state the journal's head describes.
bool holds_new_state(int database_fd, const JournalContents& contents) {
  struct stat st {};
  if (contents.new_length < 0 || ::fstat(database_fd, &st) != 0 || st.st_size != contents.new_length) return false;
  for (const ChangedRegion& r : contents.changed) {
    std::string bytes(static_cast<std::size_t>(r.length), '\0');
    if (read_fully_at(database_fd, r.offset, bytes.data(), bytes.size()) != bytes.size()) return false;
    if (checksum(bytes.data(), bytes.size()) != r.checksum) return false;
  }
  return true;
}

}  // namespace

std::filesystem::path journal_path_for(const std::filesystem::path& database) {
  std::filesystem::path journal = database;
  return journal.replace_extension(".jnl");
}

std::uint64_t content_checksum(const char* data, std::size_t n) { return checksum(data, n); }

std::string journal_head(std::int64_t original_length, std::int64_t new_length,
                         const std::vector<ChangedRegion>& changed) {
  std::string head(journal_magic, sizeof journal_magic);
  put_u64(head, static_cast<std::uint64_t>(original_length));
  put_u64(head, static_cast<std::uint64_t>(new_length));
  put_u32(head, static_cast<std::uint32_t>(changed.size()));
  for (const ChangedRegion& r : changed) {
    put_u64(head, static_cast<std::uint64_t>(r.offset));
    put_u64(head, static_cast<std::uint64_t>(r.length));
    put_u64(head, r.checksum);
  }
  put_u64(head, checksum(head.data(), head.size()));
  return head;
}

std::string journal_records(const std::vector<JournalRecord>& records) {
  std::string out;
  for (const JournalRecord& r : records) {
    std::string head;
    put_u64(head, static_cast<std::uint64_t>(r.offset));
    put_u32(head, static_cast<std::uint32_t>(r.old_bytes.size()));
    std::uint64_t sum = checksum(r.old_bytes.data(), r.old_bytes.size(), checksum(head.data(), head.size()));
    put_u64(head, sum);
    out += head;
    out += r.old_bytes;
  }
  return out;
}

JournalContents parse_journal(const std::string& bytes) {
  JournalContents contents;
  if (bytes.size() < fixed_head_size + 8 || std::memcmp(bytes.data(), journal_magic, sizeof journal_magic) != 0)
    return contents;
  const std::uint32_t count = get_u32(bytes.data() + 24);
  if ((bytes.size() - fixed_head_size - 8) / region_size < count) return contents;
  const std::size_t head_size = fixed_head_size + region_size * count;
  if (get_u64(bytes.data() + head_size) != checksum(bytes.data(), head_size)) return contents;
  const auto original = static_cast<std::int64_t>(get_u64(bytes.data() + 8));
  if (original < 0) return contents;
  contents.head_valid = true;
  contents.original_length = original;
  contents.new_length = static_cast<std::int64_t>(get_u64(bytes.data() + 16));
  for (std::uint32_t i = 0; i < count; ++i) {
    const char* p = bytes.data() + fixed_head_size + region_size * i;
    contents.changed.push_back(
        {static_cast<std::int64_t>(get_u64(p)), static_cast<std::int64_t>(get_u64(p + 8)), get_u64(p + 16)});
  }
  std::size_t at = head_size + 8;
  while (bytes.size() - at >= record_head_size) {
    const char* p = bytes.data() + at;
    const auto offset = static_cast<std::int64_t>(get_u64(p));
    const std::uint32_t n = get_u32(p + 8);
    if (offset < 0 || bytes.size() - at - record_head_size < n) break;
    if (get_u64(p + 12) != checksum(p + record_head_size, n, checksum(p, 12))) break;
    contents.records.push_back({offset, std::string(p + record_head_size, n)});
    at += record_head_size + n;
  }
  return contents;
}

Status roll_back_journal(int database_fd, const std::filesystem::path& journal, bool* rolled_back) {
  if (rolled_back) *rolled_back = false;
  int fd = ::open(journal.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return Status::ok();
    return failure("journal");
  }
  std::string bytes;
  char chunk[65536];
  for (std::int64_t at = 0;;) {
    std::size_t got = read_fully_at(fd, at, chunk, sizeof chunk);
    bytes.append(chunk, got);
    at += static_cast<std::int64_t>(got);
    if (got < sizeof chunk) break;
  }
  ::close(fd);

  JournalContents contents = parse_journal(bytes);
  if (contents.head_valid && holds_new_state(database_fd, contents)) return remove_journal(journal);
  if (contents.head_valid) {
    for (const JournalRecord& r : contents.records)
      if (Status put = write_fully_at(database_fd, r.offset, r.old_bytes.data(), r.old_bytes.size()); !put)
        return Status::failed("roll back: " + put.reason());
    if (::ftruncate(database_fd, contents.original_length) != 0) return failure("roll back");
    if (Status flushed = durable_flush(database_fd); !flushed) return Status::failed("roll back: " + flushed.reason());
    if (rolled_back) *rolled_back = true;
  }
  return remove_journal(journal);
}

Status remove_journal(const std::filesystem::path& journal, bool flush_folder) {
  if (::unlink(journal.c_str()) != 0 && errno != ENOENT) return failure("journal");
  // Once removed, a failing flush of the folder cannot be undone: the change
  // stands (and a journal that comes back after a power cut is rolled back).
  if (flush_folder) (void)durable_flush_folder(journal.parent_path());
  return Status::ok();
}

}  // namespace quillon
