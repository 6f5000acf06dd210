#pragma once
// The zero-run packing of backups. A file is cut into blocks of 1000 bytes,
// each encoded by itself as records opened by a signed 16-bit little-endian
// count: 1..1000 literal bytes follow, or -1000..-5 stands for that many zero
// bytes. Runs of one to four zeros stay literal. The stream has no header,
// length or checksum; an empty file packs to nothing.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/result.h"

namespace quillon {

inline constexpr std::size_t pack_block_size = 1000;
inline constexpr std::size_t min_zero_run = 5;
inline constexpr std::size_t pack_count_size = 2;
// The most one block can pack to: one literal record.
inline constexpr std::size_t max_packed_block_size = pack_block_size + pack_count_size;

// Packs one block of at most 1000 bytes into `out` (room for
// max_packed_block_size bytes); returns the number of bytes written.
std::size_t pack_block(const std::uint8_t* in, std::size_t n, std::uint8_t* out);
// The packed form of a whole buffer.
std::vector<std::uint8_t> pack_bytes(const std::vector<std::uint8_t>& data);

// Unpacks a stream given in pieces, checking it as it goes: every count must
// be one the packer writes, no record may cross a 1000-byte block of the
// output, the output may not grow past `limit` bytes and the stream must end
// between records.
class Unpacker {
 public:
  // Receives the unpacked bytes; may fail (a full disk).
  class Sink {
   public:
    virtual ~Sink() = default;
    [[nodiscard]] virtual Status put(const std::uint8_t* data, std::size_t n) = 0;
    // A sink that can take a run of zero bytes without its bytes says so and
    // gets each zero record as put_zeros (after the bytes before it).
    virtual bool takes_zero_runs() const { return false; }
    [[nodiscard]] virtual Status put_zeros(std::size_t /*n*/) { return Status::failed("zero runs not taken"); }
  };

  // Without a sink nothing is produced: the stream is only checked and measured.
  Unpacker(std::int64_t limit, Sink* sink);

  [[nodiscard]] Status feed(const std::uint8_t* data, std::size_t n);
  // Sends what is buffered to the sink now: after a run of whole blocks has
  // been fed, everything they unpack to.
  [[nodiscard]] Status flush() { return flush_buffer(); }
  // The end of the stream; sends what is still buffered to the sink.
  [[nodiscard]] Status finish();
  std::int64_t unpacked_size() const { return produced_; }

 private:
  Status start_record(int count);
  Status emit_literal(const std::uint8_t* data, std::size_t n);
  Status emit_zeros(std::size_t n);
  Status flush_buffer();

  std::int64_t limit_;
  Sink* sink_;
  std::vector<std::uint8_t> buffer_;
  std::size_t buffered_ = 0;
  std::int64_t produced_ = 0;
  std::uint8_t count_low_ = 0;
  bool have_count_low_ = false;
  std::size_t literal_left_ = 0;
};

// Reasons an Unpacker gives for a damaged stream.
inline constexpr const char* stream_cut_short = "the packed data ends inside a record";
inline constexpr const char* stream_bad_record = "the packed data holds a record that no backup contains";
inline constexpr const char* stream_too_long = "the packed data unpacks to more than the largest possible database";

// Packs the file `source` into `destination` (replaced).
[[nodiscard]] Status pack_file(const std::filesystem::path& source, const std::filesystem::path& destination);

struct UnpackOptions {
  std::int64_t source_offset = 0;  // where the stream starts in the source
  std::int64_t limit = INT64_MAX;  // the most the output may hold
  bool durable = false;  // flush the output to the disk before closing it
};

// Deletes `destination`, then writes the unpacked content of `source` to it.
// Fails, writing nothing, when `source` does not exist; a damaged stream or a
// failed write removes the partial output.
[[nodiscard]] Status unpack_file(const std::filesystem::path& source, const std::filesystem::path& destination,
                                 const UnpackOptions& options = {});

// Checks the stream in `source` from `offset` without writing anything: its
// unpacked size, or why the stream cannot be unpacked.
[[nodiscard]] Result<std::int64_t> measure_packed_file(const std::filesystem::path& source, std::int64_t offset,
                                                       std::int64_t limit);

}  // namespace quillon
