#include "exchange/network/network_module.h"

#include "core/loadable_module.h"

namespace quillon {

namespace {

std::string& load_failure() {
  static std::string why;
  return why;
}

CURLcode refuse_option(CURL*, CURLoption, ...) { return CURLE_FAILED_INIT; }
CURLcode refuse_info(CURL*, CURLINFO, ...) { return CURLE_FAILED_INIT; }

// What a program without the module gets: every call fails, and the error
// text of a failed transfer says why.
const NetworkModule stand_ins{
    [](long) { return CURLE_FAILED_INIT; },
    []() -> CURL* { return nullptr; },
    [](CURL*) {},
    [](CURL*) {},
    refuse_option,
    [](CURL*) { return CURLE_FAILED_INIT; },
    refuse_info,
    [](CURL*, const char*, int) -> char* { return nullptr; },
    [](void*) {},
    [](CURLcode) { return load_failure().c_str(); },
    [](curl_slist*, const char*) -> curl_slist* { return nullptr; },
    [](curl_slist*) {},
    [](const std::string&) { return std::string(); },
};

}  // namespace

const NetworkModule& network_module() {
  static const NetworkModule* module = [] {
    std::string why;
    auto entry = reinterpret_cast<NetworkModuleEntry>(module_entry("network", network_module_entry, why));
    const NetworkModule* loaded = entry ? entry() : nullptr;
    if (!loaded) load_failure() = "the network is not available: " + why;
    return loaded ? loaded : &stand_ins;
  }();
  return *module;
}

}  // namespace quillon
