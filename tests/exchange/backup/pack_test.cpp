// The zero-run packing byte for byte, and the checks of the unpacker.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/backup/pack.h"

namespace quillon {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Unpacks a whole stream in pieces of `piece` bytes into a buffer.
struct BufferSink : Unpacker::Sink {
  Bytes data;
  Status put(const std::uint8_t* d, std::size_t n) override {
    data.insert(data.end(), d, d + n);
    return Status::ok();
  }
};

Status unpack_bytes(const Bytes& stream, Bytes& out, std::size_t piece = 7, std::int64_t limit = INT64_MAX) {
  BufferSink sink;
  Unpacker unpacker(limit, &sink);
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    Status fed = unpacker.feed(stream.data() + at, std::min(piece, stream.size() - at));
    if (!fed) {
      out = sink.data;
      return fed;
    }
  }
  Status done = unpacker.finish();
  out = sink.data;
  return done;
}

TEST(Pack, TheTwoExamplesOfTheFormat) {
  EXPECT_EQ(pack_bytes({0x41, 0, 0, 0, 0, 0, 0x42}), (Bytes{0x01, 0x00, 0x41, 0xFB, 0xFF, 0x01, 0x00, 0x42}));
  EXPECT_EQ(pack_bytes({0x41, 0, 0, 0, 0, 0x42}), (Bytes{0x06, 0x00, 0x41, 0, 0, 0, 0, 0x42}));
}

TEST(Pack, ZeroBlocksAndEmptyFiles) {
  EXPECT_EQ(pack_bytes(Bytes(1000, 0)), (Bytes{0x18, 0xFC}));
  Bytes three_blocks = pack_bytes(Bytes(3000, 0));
  EXPECT_EQ(three_blocks, (Bytes{0x18, 0xFC, 0x18, 0xFC, 0x18, 0xFC}));
  EXPECT_TRUE(pack_bytes({}).empty());
  // Zeros only at the ends of a block, and a short block at the end of the file.
  EXPECT_EQ(pack_bytes(Bytes(1003, 0)), (Bytes{0x18, 0xFC, 0x03, 0x00, 0, 0, 0}));
  EXPECT_EQ(pack_bytes({0, 0, 0, 0, 0, 0x07}), (Bytes{0xFB, 0xFF, 0x01, 0x00, 0x07}));
}

TEST(Pack, ARunAcrossABlockBoundaryIsTwoRecords) {
  Bytes data(2000, 0x11);
  for (int i = 990; i < 1010; ++i) data[i] = 0;  // ten zeros each side of the boundary
  Bytes packed = pack_bytes(data);
  Bytes expected = {0xDE, 0x03};  // 990 literal bytes
  expected.insert(expected.end(), 990, 0x11);
  expected.insert(expected.end(), {0xF6, 0xFF, 0xF6, 0xFF, 0xDE, 0x03});  // -10, -10, 990
  expected.insert(expected.end(), 990, 0x11);
  EXPECT_EQ(packed, expected);
}

TEST(Pack, FourZerosStayLiteralWhereverTheyAre) {
  // Runs of one to four zeros beside runs of five, at word and block edges.
  Bytes data;
  for (int run = 1; run <= 12; ++run) {
    data.insert(data.end(), run, 0);
    data.push_back(static_cast<std::uint8_t>(run));
  }
  Bytes packed = pack_bytes(data);
  Bytes expected = {0x0E, 0x00, 0, 1, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 0, 4};
  for (int run = 5; run <= 12; ++run) {
    expected.push_back(static_cast<std::uint8_t>(-run));
    expected.push_back(0xFF);
    expected.insert(expected.end(), {0x01, 0x00, static_cast<std::uint8_t>(run)});
  }
  EXPECT_EQ(packed, expected);
}

TEST(Unpack, RestoresEveryPattern) {
  Bytes data(12345);
  std::uint32_t seed = 7;
  for (auto& b : data) {
    seed = seed * 1103515245u + 12345u;
    // Mostly zeros, with short and long non-zero stretches.
    b = (seed >> 16) % 5 == 0 ? static_cast<std::uint8_t>(seed >> 24) : 0;
  }
  for (std::size_t piece : {1u, 2u, 3u, 999u, 1000u, 65536u}) {
    Bytes back;
    ASSERT_TRUE(unpack_bytes(pack_bytes(data), back, piece)) << piece;
    EXPECT_EQ(back, data) << piece;
  }
}

TEST(Unpack, RefusesDamagedStreams) {
  Bytes out;
  // A literal record running past the end, and a count cut in half.
  Status cut = unpack_bytes({0x05, 0x00, 1, 2, 3}, out);
  EXPECT_EQ(cut.reason(), stream_cut_short);
  EXPECT_EQ(unpack_bytes({0x18}, out).reason(), stream_cut_short);
  // Counts the packer never writes.
  EXPECT_EQ(unpack_bytes({0x00, 0x00}, out).reason(), stream_bad_record);
  EXPECT_EQ(unpack_bytes({0xFC, 0xFF}, out).reason(), stream_bad_record);  // -4
  EXPECT_EQ(unpack_bytes({0xE9, 0x03}, out).reason(), stream_bad_record);  // 1001
  EXPECT_EQ(unpack_bytes({0x17, 0xFC}, out).reason(), stream_bad_record);  // -1001
  // A record reaching into the next block.
  EXPECT_EQ(unpack_bytes({0xF6, 0xFF, 0x18, 0xFC}, out).reason(), stream_bad_record);
}

TEST(Unpack, StopsAtTheLimitBeforeWritingIt) {
  Bytes out;
  Bytes stream;
  for (int i = 0; i < 10; ++i) stream.insert(stream.end(), {0x18, 0xFC});
  EXPECT_TRUE(unpack_bytes(stream, out, 2, 10000));
  EXPECT_EQ(out.size(), 10000u);
  Status over = unpack_bytes(stream, out, 2, 9999);
  EXPECT_EQ(over.reason(), stream_too_long);
  EXPECT_LE(out.size(), 9000u);
}

TEST(MeasurePackedFile, TheUnpackedSizeFromTheOffsetOrWhyNot) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("measure-" + std::to_string(::getpid()) + ".bkp");
  auto write = [&](const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
  // Three bytes before the stream, which holds ten runs of 1000 zeros and a literal of 2.
  Bytes stream = {'a', 'b', 'c'};
  for (int i = 0; i < 10; ++i) stream.insert(stream.end(), {0x18, 0xFC});
  stream.insert(stream.end(), {0x02, 0x00, 7, 8});
  write(stream);
  Result<std::int64_t> measured = measure_packed_file(file, 3, 1 << 20);
  ASSERT_TRUE(measured) << measured.status().reason();
  EXPECT_EQ(*measured, 10002);
  EXPECT_EQ(measure_packed_file(file, 3, 10001).status().reason(), stream_too_long);

  stream.pop_back();
  write(stream);
  EXPECT_EQ(measure_packed_file(file, 3, 1 << 20).status().reason(), stream_cut_short);
  std::filesystem::remove(file);
  EXPECT_FALSE(measure_packed_file(file, 0, 1 << 20));
}

}  // namespace
}  // namespace quillon
