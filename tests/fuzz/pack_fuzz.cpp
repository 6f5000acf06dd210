// The backup's packing: any bytes pack and unpack to themselves, and any
// packed stream either unpacks or is refused with a reason.
#include <algorithm>
#include <iterator>
#include <vector>

#include "exchange/backup/pack.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  // Round trip through a file, as a backup goes.
  std::filesystem::path plain = fuzz::write_input("plain.dat", data, size);
  std::filesystem::path packed = fuzz::scratch() / "packed.bkp";
  std::filesystem::path unpacked = fuzz::scratch() / "unpacked.dat";
  QUILLON_FUZZ_CHECK(pack_file(plain, packed));
  QUILLON_FUZZ_CHECK(unpack_file(packed, unpacked));
  std::ifstream in(unpacked, std::ios::binary);
  std::vector<std::uint8_t> back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  QUILLON_FUZZ_CHECK(back.size() == size && std::equal(back.begin(), back.end(), data));

  // The input itself as a packed stream: measured and unpacked alike.
  std::filesystem::path hostile = fuzz::write_input("hostile.bkp", data, size);
  Result<std::int64_t> measured = measure_packed_file(hostile, 0, 1 << 24);
  Status opened = unpack_file(hostile, unpacked);
  if (!measured) QUILLON_FUZZ_CHECK(!measured.status().reason().empty());
  if (!opened) QUILLON_FUZZ_CHECK(!opened.reason().empty());
  return 0;
}
