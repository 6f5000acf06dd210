// The entry of the module "quillon-network.so": libcurl and OpenSSL's SHA-256.
#include <openssl/evp.h>

#include <cstdio>

#include "exchange/network/network_module.h"

namespace {

using namespace quillon;

std::string file_sha256(const std::string& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) return {};
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  bool ok = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
  unsigned char buffer[64 * 1024];
  std::size_t n = 0;
  while (ok && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) ok = EVP_DigestUpdate(context, buffer, n) == 1;
  ok = ok && !std::ferror(in);
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  ok = ok && EVP_DigestFinal_ex(context, digest, &length) == 1;
  EVP_MD_CTX_free(context);
  std::fclose(in);
  if (!ok) return {};
  std::string hex;
  char two[3];
  for (unsigned int i = 0; i < length; ++i) {
    std::snprintf(two, sizeof two, "%02x", digest[i]);
    hex += two;
  }
  return hex;
}

// Taken by address: the names stand for the functions, not for curl.h's
// type-checking macros.
const NetworkModule module{
    (curl_global_init),  (curl_easy_init),      (curl_easy_cleanup), (curl_easy_reset), (curl_easy_setopt),
    (curl_easy_perform), (curl_easy_getinfo),   (curl_easy_escape),  (curl_free),       (curl_easy_strerror),
    (curl_slist_append), (curl_slist_free_all), file_sha256,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const quillon::NetworkModule* quillon_network_module() {
  return &module;
}
