#include "exchange/backup/sha256.h"

#include <new>

#include "core/loadable_module.h"

namespace quillon {

Result<Sha256> Sha256::start() {
  std::string why;
  const ChecksumModule* module = loaded_module<ChecksumModule>("checksum", checksum_module_entry, why);
  if (!module) return Status::failed("SHA-256 checksums cannot be made: " + why);
  void* context = module->sha256_start();
  // Only a failed allocation makes it fail, which nothing here can mend.
  if (!context) throw std::bad_alloc();
  return Sha256(module, context);
}

Sha256::Sha256(Sha256&& other) noexcept : module_(other.module_), context_(other.context_) { other.context_ = nullptr; }

Sha256::~Sha256() {
  if (context_) module_->free(context_);
}

void Sha256::update(const void* data, std::size_t n) { module_->update(context_, data, n); }

std::string Sha256::hex() {
  unsigned char digest[32];
  module_->finish(context_, digest);
  static constexpr char digits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : digest) {
    text += digits[byte >> 4];
    text += digits[byte & 0x0F];
  }
  return text;
}

}  // namespace quillon
