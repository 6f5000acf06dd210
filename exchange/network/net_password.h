#pragma once
// The FTP password is picked out of the 500-byte credential blob that the web
// server hands out ("pldump") at fourteen fixed positions; the test server in
// tests/servers builds its blobs from the same table.
#include <cstddef>
#include <string>

namespace quillon {

inline constexpr std::size_t credential_blob_size = 500;
// A blob shorter than this holds no password.
inline constexpr std::size_t credential_blob_minimum = 476;
inline constexpr std::size_t password_length_limit = 14;

struct PasswordPosition {
  int blob;  // where the character lies in the blob (below 476)
  int password;  // where it goes in the password
};
extern const PasswordPosition password_table[password_length_limit];

// The password in a blob of `size` bytes; empty when the blob is too short or
// its first picked character is '~'.
std::string password_from_blob(const unsigned char* blob, std::size_t size);

}  // namespace quillon
