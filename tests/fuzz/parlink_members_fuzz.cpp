// The Parlink member file as the server sends it: any bytes are read or
// refused; a member read has a name that fits its field.
#include "exchange/network/parlink_members.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::filesystem::path file = fuzz::write_input("members.txt", data, size);
  Result<ParlinkMemberList> list = read_parlink_members(file);
  if (list) {
    for (const ParlinkMember& member : list->members) {
      QUILLON_FUZZ_CHECK(member.name.size() <= 25);
      (void)parlink_index_tenths(member, false);
      (void)parlink_index_tenths(member, true);
    }
  }
  return 0;
}
