#pragma once
// The libraries of the network (libcurl, and OpenSSL for the update's
// checksum) live in the module "quillon-network.so", loaded when a network
// command first needs it, so that the programs start without them. Without
// the module every call fails and says why.
#include <curl/curl.h>

#include <string>

namespace quillon {

struct NetworkModule {
  CURLcode (*global_init)(long flags);
  CURL* (*easy_init)();
  void (*easy_cleanup)(CURL* handle);
  void (*easy_reset)(CURL* handle);
  CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
  CURLcode (*easy_perform)(CURL* handle);
  CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...);
  char* (*easy_escape)(CURL* handle, const char* text, int length);
  void (*free)(void* pointer);
  const char* (*easy_strerror)(CURLcode code);
  curl_slist* (*slist_append)(curl_slist* list, const char* text);
  void (*slist_free_all)(curl_slist* list);
  // The SHA-256 of a file as 64 lower-case hexadecimal digits; "" when it cannot be read.
  std::string (*file_sha256)(const std::string& path);
};

using NetworkModuleEntry = const NetworkModule* (*)();
inline constexpr const char* network_module_entry = "quillon_network_module";

// The loaded module, or stand-ins that fail every call with the reason the
// module could not be loaded.
const NetworkModule& network_module();

}  // namespace quillon
