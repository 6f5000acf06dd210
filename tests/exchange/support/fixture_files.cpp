#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {

std::filesystem::path fixture(const std::string& name) { return std::filesystem::path(QUILLON_FIXTURES) / name; }

}  // namespace quillon::testing
