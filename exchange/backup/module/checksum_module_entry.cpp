// The entry of the module "quillon-checksum.so": SHA-256 from OpenSSL's libcrypto.
#include <openssl/evp.h>

#include <stdexcept>

#include "exchange/backup/sha256.h"

namespace {

using quillon::ChecksumModule;

EVP_MD_CTX* context_of(void* context) { return static_cast<EVP_MD_CTX*>(context); }

void* sha256_start() {
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  if (context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1) return context;
  EVP_MD_CTX_free(context);
  return nullptr;
}

// A digest in memory fails only when memory does; the callers cannot mend that.
void update(void* context, const void* data, std::size_t n) {
  if (EVP_DigestUpdate(context_of(context), data, n) != 1) throw std::runtime_error("SHA-256 failed");
}

void finish(void* context, unsigned char* digest) {
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context_of(context), digest, &length) != 1 || length != 32)
    throw std::runtime_error("SHA-256 failed");
}

void free_context(void* context) { EVP_MD_CTX_free(context_of(context)); }

const ChecksumModule module{sha256_start, update, finish, free_context};

}  // namespace

extern "C" __attribute__((visibility("default"))) const ChecksumModule* quillon_checksum_module() { return &module; }
