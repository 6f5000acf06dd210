#include "exchange/backup/pack.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>

#include "exchange/backup/file_writer.h"

namespace quillon {

namespace {

static_assert(std::endian::native == std::endian::little, "the packed counts are little-endian");

// Files are read in runs of whole blocks, so that a block never straddles two reads.
constexpr std::size_t blocks_per_read = 1024;
constexpr std::size_t read_size = pack_block_size * blocks_per_read;
constexpr std::size_t unpack_buffer_size = 1 << 20;
constexpr std::size_t packed_read_size = 1 << 20;

void put_count(std::uint8_t*& out, int count) {
  auto value = static_cast<std::uint16_t>(static_cast<std::int16_t>(count));
  out[0] = static_cast<std::uint8_t>(value & 0xFF);
  out[1] = static_cast<std::uint8_t>(value >> 8);
  out += pack_count_size;
}

// The first position from p on whose byte is not zero, or n; 32 bytes at a
// time while they are all zero, then eight.
std::size_t zero_run_end(const std::uint8_t* in, std::size_t p, std::size_t n) {
  while (p + 4 * sizeof(std::uint64_t) <= n) {
    std::uint64_t words[4];
    std::memcpy(words, in + p, sizeof words);
    if ((words[0] | words[1] | words[2] | words[3]) != 0) break;
    p += sizeof words;
  }
  while (p + sizeof(std::uint64_t) <= n) {
    std::uint64_t word;
    std::memcpy(&word, in + p, sizeof word);
    if (word != 0) return p + static_cast<std::size_t>(std::countr_zero(word)) / 8;
    p += sizeof word;
  }
  while (p < n && in[p] == 0) ++p;
  return p;
}

// Reads up to n bytes, as many as the file still has; -1 on a read error.
ssize_t read_fully(int fd, std::uint8_t* data, std::size_t n) {
  std::size_t got = 0;
  while (got < n) {
    ssize_t r = ::read(fd, data + got, n - got);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0) return -1;
    if (r == 0) break;
    got += static_cast<std::size_t>(r);
  }
  return static_cast<ssize_t>(got);
}

class InputFile {
 public:
  explicit InputFile(const std::filesystem::path& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  }
  ~InputFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool is_open() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  Status failure(const char* what) const {
    return Status::failed(std::string(what) + " " + path_.string() + ": " + system_error_text());
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

class FileSink : public Unpacker::Sink {
 public:
  explicit FileSink(FileWriter& writer) : writer_(writer) {}
  Status put(const std::uint8_t* data, std::size_t n) override { return writer_.write(data, n); }

 private:
  FileWriter& writer_;
};

// Feeds a file's stream from `offset` to an unpacker.
Status feed_file(const std::filesystem::path& source, std::int64_t offset, Unpacker& unpacker) {
  InputFile in(source);
  if (!in.is_open()) return in.failure("cannot read");
  if (offset > 0 && ::lseek(in.fd(), offset, SEEK_SET) != offset) return in.failure("cannot read");
  std::vector<std::uint8_t> chunk(packed_read_size);
  for (;;) {
    ssize_t got = read_fully(in.fd(), chunk.data(), chunk.size());
    if (got < 0) return in.failure("cannot read");
    if (got == 0) break;
    Status fed = unpacker.feed(chunk.data(), static_cast<std::size_t>(got));
    if (!fed) return fed;
  }
  return unpacker.finish();
}

}  // namespace

std::size_t pack_block(const std::uint8_t* in, std::size_t n, std::uint8_t* out) {
  // Most blocks of a database are empty slots: one comparison settles them.
  static const std::uint8_t zero_block[pack_block_size] = {};
  if (n >= min_zero_run && std::memcmp(in, zero_block, n) == 0) {
    put_count(out, -static_cast<int>(n));
    return pack_count_size;
  }
  std::uint8_t* o = out;
  std::size_t lit = 0;
  std::size_t p = 0;
  while (p < n) {
    const void* zero = std::memchr(in + p, 0, n - p);
    if (!zero) break;
    p = static_cast<std::size_t>(static_cast<const std::uint8_t*>(zero) - in);
    std::size_t q = zero_run_end(in, p, n);
    if (q - p >= min_zero_run) {
      if (p > lit) {
        put_count(o, static_cast<int>(p - lit));
        std::memcpy(o, in + lit, p - lit);
        o += p - lit;
      }
      put_count(o, -static_cast<int>(q - p));
      lit = q;
    }
    // Shorter runs inside p..q end at q too, and the byte at q is not zero.
    p = q + 1;
  }
  if (lit < n) {
    put_count(o, static_cast<int>(n - lit));
    std::memcpy(o, in + lit, n - lit);
    o += n - lit;
  }
  return static_cast<std::size_t>(o - out);
}

std::vector<std::uint8_t> pack_bytes(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out((data.size() / pack_block_size + 1) * max_packed_block_size);
  std::size_t used = 0;
  for (std::size_t at = 0; at < data.size(); at += pack_block_size)
    used += pack_block(data.data() + at, std::min(pack_block_size, data.size() - at), out.data() + used);
  out.resize(used);
  return out;
}

Unpacker::Unpacker(std::int64_t limit, Sink* sink) : limit_(limit), sink_(sink) {
  if (sink_) buffer_.resize(unpack_buffer_size);
}

Status Unpacker::feed(const std::uint8_t* data, std::size_t n) {
  while (n > 0) {
    if (literal_left_ > 0) {
      std::size_t take = std::min(n, literal_left_);
      Status put = emit_literal(data, take);
      if (!put) return put;
      literal_left_ -= take;
      data += take;
      n -= take;
      continue;
    }
    int count;
    if (have_count_low_) {
      count = static_cast<std::int16_t>(count_low_ | (data[0] << 8));
      have_count_low_ = false;
      data += 1;
      n -= 1;
    } else if (n >= pack_count_size) {
      count = static_cast<std::int16_t>(data[0] | (data[1] << 8));
      data += pack_count_size;
      n -= pack_count_size;
    } else {
      count_low_ = data[0];
      have_count_low_ = true;
      return Status::ok();
    }
    Status started = start_record(count);
    if (!started) return started;
  }
  return Status::ok();
}

Status Unpacker::start_record(int count) {
  const auto block = static_cast<int>(pack_block_size);
  bool literal = count >= 1 && count <= block;
  bool zeros = count <= -static_cast<int>(min_zero_run) && count >= -block;
  if (!literal && !zeros) return Status::failed(stream_bad_record);
  auto length = static_cast<std::size_t>(literal ? count : -count);
  // Each block is packed by itself, so no record reaches into the next block.
  if (static_cast<std::size_t>(produced_ % block) + length > pack_block_size) return Status::failed(stream_bad_record);
  if (produced_ + static_cast<std::int64_t>(length) > limit_) return Status::failed(stream_too_long);
  if (literal) {
    literal_left_ = length;
    return Status::ok();
  }
  return emit_zeros(length);
}

Status Unpacker::emit_literal(const std::uint8_t* data, std::size_t n) {
  produced_ += static_cast<std::int64_t>(n);
  if (!sink_) return Status::ok();
  while (n > 0) {
    std::size_t take = std::min(n, buffer_.size() - buffered_);
    std::memcpy(buffer_.data() + buffered_, data, take);
    buffered_ += take;
    data += take;
    n -= take;
    if (buffered_ == buffer_.size()) {
      Status flushed = flush_buffer();
      if (!flushed) return flushed;
    }
  }
  return Status::ok();
}

Status Unpacker::emit_zeros(std::size_t n) {
  produced_ += static_cast<std::int64_t>(n);
  if (!sink_) return Status::ok();
  if (sink_->takes_zero_runs()) {
    Status flushed = flush_buffer();
    return flushed ? sink_->put_zeros(n) : flushed;
  }
  while (n > 0) {
    std::size_t take = std::min(n, buffer_.size() - buffered_);
    std::memset(buffer_.data() + buffered_, 0, take);
    buffered_ += take;
    n -= take;
    if (buffered_ == buffer_.size()) {
      Status flushed = flush_buffer();
      if (!flushed) return flushed;
    }
  }
  return Status::ok();
}

Status Unpacker::flush_buffer() {
  if (!sink_ || buffered_ == 0) return Status::ok();
  Status put = sink_->put(buffer_.data(), buffered_);
  buffered_ = 0;
  return put;
}

Status Unpacker::finish() {
  if (have_count_low_ || literal_left_ > 0) return Status::failed(stream_cut_short);
  return flush_buffer();
}

Status pack_file(const std::filesystem::path& source, const std::filesystem::path& destination) {
  InputFile in(source);
  if (!in.is_open()) return in.failure("cannot read");
  FileWriter out;
  Status created = out.create(destination);
  if (!created) return created;
  std::vector<std::uint8_t> chunk(read_size);
  std::vector<std::uint8_t> packed(blocks_per_read * max_packed_block_size);
  for (;;) {
    ssize_t got = read_fully(in.fd(), chunk.data(), chunk.size());
    if (got < 0) return in.failure("cannot read");
    if (got == 0) break;
    auto n = static_cast<std::size_t>(got);
    std::size_t used = 0;
    for (std::size_t at = 0; at < n; at += pack_block_size)
      used += pack_block(chunk.data() + at, std::min(pack_block_size, n - at), packed.data() + used);
    Status written = out.write(packed.data(), used);
    if (!written) return written;
  }
  return out.finish(false);
}

Status unpack_file(const std::filesystem::path& source, const std::filesystem::path& destination,
                   const UnpackOptions& options) {
  std::error_code ec;
  std::filesystem::remove(destination, ec);
  if (ec) return Status::failed("cannot delete " + destination.string() + ": " + ec.message());
  if (!std::filesystem::exists(source, ec)) return Status::failed("cannot find " + source.string());
  FileWriter out;
  Status created = out.create(destination);
  if (!created) return created;
  FileSink sink(out);
  Unpacker unpacker(options.limit, &sink);
  Status unpacked = feed_file(source, options.source_offset, unpacker);
  if (!unpacked) {
    out.abandon();
    return unpacked;
  }
  return out.finish(options.durable);
}

Result<std::int64_t> measure_packed_file(const std::filesystem::path& source, std::int64_t offset, std::int64_t limit) {
  Unpacker unpacker(limit, nullptr);
  if (Status checked = feed_file(source, offset, unpacker); !checked) return checked;
  return unpacker.unpacked_size();
}

}  // namespace quillon
