#pragma once
// SHA-256 of data given in pieces, for the checksum file written beside every
// backup (OpenSSL's libcrypto).
#include <cstddef>
#include <string>

namespace quillon {

class Sha256 {
 public:
  Sha256();
  ~Sha256();
  Sha256(const Sha256&) = delete;
  Sha256& operator=(const Sha256&) = delete;

  void update(const void* data, std::size_t n);
  // The digest of everything given, in lower-case hex (64 characters); the
  // object is used up afterwards.
  std::string hex();

 private:
  void* context_;
};

}  // namespace quillon
