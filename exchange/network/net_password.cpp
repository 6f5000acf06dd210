#include "exchange/network/net_password.h"

namespace quillon {

const PasswordPosition password_table[password_length_limit] = {
    {17, 0},  {403, 1}, {88, 2},  {251, 3},  {5, 4},   {330, 5},  {142, 6},
    {467, 7}, {61, 8},  {199, 9}, {374, 10}, {23, 11}, {290, 12}, {118, 13},
};

std::string password_from_blob(const unsigned char* blob, std::size_t size) {
  if (size < credential_blob_minimum) return {};
  char password[20] = {};
  for (const PasswordPosition& p : password_table) password[p.password] = static_cast<char>(blob[p.blob]);
  // A picked '~' ends the password where it stands.
  std::string out;
  for (std::size_t i = 0; i < password_length_limit && password[i] != '~' && password[i] != 0; ++i) out += password[i];
  return out;
}

}  // namespace quillon
