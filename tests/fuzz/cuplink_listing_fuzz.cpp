// A file name of the Cuplink server's listing: any text is parsed or refused;
// a parsed one has a real date and sorts beside another.
#include <vector>

#include "exchange/network/net_cuplink_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  std::string line(reinterpret_cast<const char*>(data), size);
  ServerTournament first;
  if (!parse_server_file("CLUB01", line, first)) return 0;
  QUILLON_FUZZ_CHECK(first.month >= 1 && first.month <= 12);
  QUILLON_FUZZ_CHECK(first.day >= 1 && first.day <= 31);
  QUILLON_FUZZ_CHECK(first.year >= 0 && first.year <= 99);
  std::vector<ServerTournament> list{first, ServerTournament{"", 25, 6, 1, "Spring"}};
  sort_newest_first(list);
  QUILLON_FUZZ_CHECK(list.size() == 2 && !list[0].line().empty());
  return 0;
}
