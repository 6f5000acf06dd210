#include "exchange/backup/backup_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/atomic_file.h"
#include "core/database_file.h"
#include "core/records/system_record.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/sha256.h"

namespace quillon {

namespace {

// The database is read in runs of whole blocks, so that no block straddles two reads.
constexpr std::size_t blocks_per_read = 1000;
constexpr std::size_t read_size = pack_block_size * blocks_per_read;

// Compares what the unpacker gives with the bytes that were packed.
class CompareSink : public Unpacker::Sink {
 public:
  void expect(const std::uint8_t* source, std::size_t n) {
    source_ = source;
    size_ = n;
    at_ = 0;
  }
  bool whole() const { return at_ == size_; }
  Status put(const std::uint8_t* data, std::size_t n) override {
    if (n > size_ - at_ || std::memcmp(source_ + at_, data, n) != 0)
      return Status::failed("the packed data does not unpack to the database");
    at_ += n;
    return Status::ok();
  }

 private:
  const std::uint8_t* source_ = nullptr;
  std::size_t size_ = 0;
  std::size_t at_ = 0;
};

}  // namespace

Result<PackedBackup> write_backup_stream(DatabaseFile& db, AtomicFile& out, BackupFailure& failure) {
  auto stop = [&](BackupStep step, Status why) {
    failure.step = step;
    return why;
  };
  DatabaseLock lock(db);
  if (!lock.held())
    return stop(BackupStep::locking, Status::failed("the database could not be locked: " + lock.status().reason()));
  const std::int64_t length = db.length();
  if (length < static_cast<std::int64_t>(sizeof(SystemRecord)))
    return stop(BackupStep::reading, Status::failed("the database is shorter than its system record"));

  Sha256 hash;
  PackedBackup made;
  made.database_length = length;
  std::vector<std::uint8_t> chunk(read_size);
  std::vector<std::uint8_t> packed(blocks_per_read * max_packed_block_size);
  CompareSink compare;
  Unpacker check(length, &compare);
  auto put = [&](const std::uint8_t* data, std::size_t n) {
    hash.update(data, n);
    made.file_size += static_cast<std::int64_t>(n);
    return write_limited(out, data, n, &failure.out_of_space);
  };

  // The header is the system record of this same read.
  std::int64_t at = 0;
  bool header_written = false;
  while (at < length) {
    auto want = static_cast<std::size_t>(std::min<std::int64_t>(read_size, length - at));
    db.clear_read_failure();
    std::size_t got = db.read_at(at, chunk.data(), want);
    if (got != want) {
      std::string why = db.read_failed() ? db.read_error() : "the database became shorter while it was read";
      return stop(BackupStep::reading, Status::failed(why));
    }
    if (!header_written) {
      if (Status written = put(chunk.data(), sizeof(SystemRecord)); !written)
        return stop(BackupStep::writing, written);
      header_written = true;
    }
    std::size_t used = 0;
    for (std::size_t block = 0; block < got; block += pack_block_size)
      used += pack_block(chunk.data() + block, std::min(pack_block_size, got - block), packed.data() + used);
    compare.expect(chunk.data(), got);
    Status same = check.feed(packed.data(), used);
    if (same) same = check.flush();
    if (same && !compare.whole()) same = Status::failed("the packed data unpacks to fewer bytes than the database");
    if (!same) return stop(BackupStep::verifying, same);
    if (Status written = put(packed.data(), used); !written) return stop(BackupStep::writing, written);
    at += static_cast<std::int64_t>(got);
  }
  if (Status ended = check.finish(); !ended) return stop(BackupStep::verifying, ended);
  made.sha256 = hash.hex();
  return made;
}

}  // namespace quillon
