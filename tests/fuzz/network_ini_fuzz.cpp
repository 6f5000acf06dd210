// network.ini: any text is either read into settings in their ranges or
// refused with a reason; never a crash.
#include "exchange/network/net_settings.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillon;
  fuzz::write_input(network_settings_name, data, size);
  NetworkSettings settings;
  Status read = load_network_settings(fuzz::scratch(), settings);
  if (read) {
    QUILLON_FUZZ_CHECK(settings.ftp_port >= 1 && settings.ftp_port <= 65535);
    QUILLON_FUZZ_CHECK(settings.timeout_seconds > 0);
    QUILLON_FUZZ_CHECK(!settings.ftp_host.empty());
  } else {
    QUILLON_FUZZ_CHECK(!read.reason().empty());
  }
  return 0;
}
