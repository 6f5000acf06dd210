#include "exchange/backup/backup_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/atomic_file.h"
#include "core/database_file.h"
#include "core/records/system_record.h"
#include "exchange/backup/file_writer.h"
#include "exchange/backup/mapped_file.h"
#include "exchange/backup/pack.h"
#include "exchange/backup/sha256.h"

namespace quillon {

namespace {

// The database is packed and checked in runs of whole blocks.
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
  static Status differs() { return Status::failed("the packed data does not unpack to the database"); }
  Status put(const std::uint8_t* data, std::size_t n) override {
    if (n > size_ - at_ || std::memcmp(source_ + at_, data, n) != 0) return differs();
    at_ += n;
    return Status::ok();
  }
  bool takes_zero_runs() const override { return true; }
  Status put_zeros(std::size_t n) override {
    if (n > size_ - at_) return differs();
    static const std::uint8_t zeros[pack_block_size] = {};
    for (std::size_t done = 0; done < n; done += pack_block_size)
      if (std::memcmp(source_ + at_ + done, zeros, std::min(pack_block_size, n - done)) != 0) return differs();
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

  // Mapped, not copied: the packing reads the file's pages where they are.
  MappedFile image;
  if (Status mapped = image.map(db.path(), length); !mapped) return stop(BackupStep::reading, mapped);
  if (Status same_file = db.check_still_at_path(); !same_file) return stop(BackupStep::reading, same_file);

  auto hash = Sha256::start();
  if (!hash) return stop(BackupStep::writing, hash.status());
  PackedBackup made;
  made.database_length = length;
  std::vector<std::uint8_t> packed(blocks_per_read * max_packed_block_size);
  CompareSink compare;
  Unpacker check(length, &compare);
  auto put = [&](const std::uint8_t* data, std::size_t n) {
    hash->update(data, n);
    made.file_size += static_cast<std::int64_t>(n);
    return write_limited(out, data, n, &failure.out_of_space);
  };

  // The header is the system record of this same read.
  if (Status written = put(image.data(), sizeof(SystemRecord)); !written) return stop(BackupStep::writing, written);
  for (std::int64_t at = 0; at < length; at += static_cast<std::int64_t>(read_size)) {
    const std::uint8_t* chunk = image.data() + at;
    auto got = static_cast<std::size_t>(std::min<std::int64_t>(read_size, length - at));
    std::size_t used = 0;
    for (std::size_t block = 0; block < got; block += pack_block_size)
      used += pack_block(chunk + block, std::min(pack_block_size, got - block), packed.data() + used);
    compare.expect(chunk, got);
    Status same = check.feed(packed.data(), used);
    if (same) same = check.flush();
    if (same && !compare.whole()) same = Status::failed("the packed data unpacks to fewer bytes than the database");
    if (!same) return stop(BackupStep::verifying, same);
    if (Status written = put(packed.data(), used); !written) return stop(BackupStep::writing, written);
  }
  if (image.cut_short())
    return stop(BackupStep::reading, Status::failed("the database became shorter while it was read"));
  if (Status ended = check.finish(); !ended) return stop(BackupStep::verifying, ended);
  made.sha256 = hash->hex();
  return made;
}

}  // namespace quillon
