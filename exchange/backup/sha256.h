#pragma once
// SHA-256 of data given in pieces, for the checksum file written beside every
// backup. The digest comes from OpenSSL's libcrypto in the module
// "quillon-checksum.so", loaded on first use, so that the programs start
// without libcrypto.
#include <cstddef>
#include <string>

#include "core/result.h"

namespace quillon {

struct ChecksumModule;

class Sha256 {
 public:
  // A digest ready for data, or why there is none (the module is missing).
  static Result<Sha256> start();
  Sha256(Sha256&& other) noexcept;
  Sha256& operator=(Sha256&&) = delete;
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;
  ~Sha256();

  void update(const void* data, std::size_t n);
  // The digest of everything given, in lower-case hex (64 characters); the
  // object is used up afterwards.
  std::string hex();

 private:
  Sha256(const ChecksumModule* module, void* context) : module_(module), context_(context) {}
  const ChecksumModule* module_;
  void* context_;
};

// The module's functions; a context is an EVP_MD_CTX set up for SHA-256.
struct ChecksumModule {
  void* (*sha256_start)();
  void (*update)(void* context, const void* data, std::size_t n);
  // Writes the 32 bytes of the digest and frees nothing.
  void (*finish)(void* context, unsigned char* digest);
  void (*free)(void* context);
};

using ChecksumModuleEntry = const ChecksumModule* (*)();
inline constexpr const char* checksum_module_entry = "quillon_checksum_module";

}  // namespace quillon
