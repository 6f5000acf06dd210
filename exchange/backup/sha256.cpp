#include "exchange/backup/sha256.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace quillon {

namespace {

EVP_MD_CTX* context_of(void* context) { return static_cast<EVP_MD_CTX*>(context); }

}  // namespace

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
  // Only a failed allocation makes either fail, which nothing here can mend.
  if (!context_ || EVP_DigestInit_ex(context_of(context_), EVP_sha256(), nullptr) != 1)
    throw std::runtime_error("SHA-256 is not available");
}

Sha256::~Sha256() { EVP_MD_CTX_free(context_of(context_)); }

void Sha256::update(const void* data, std::size_t n) {
  if (EVP_DigestUpdate(context_of(context_), data, n) != 1) throw std::runtime_error("SHA-256 failed");
}

std::string Sha256::hex() {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context_of(context_), digest, &length) != 1) throw std::runtime_error("SHA-256 failed");
  static constexpr char digits[] = "0123456789abcdef";
  std::string text;
  for (unsigned int i = 0; i < length; ++i) {
    text += digits[digest[i] >> 4];
    text += digits[digest[i] & 0x0F];
  }
  return text;
}

}  // namespace quillon
