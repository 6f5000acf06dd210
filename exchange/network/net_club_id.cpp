#include "exchange/network/net_club_id.h"

#include <cctype>

#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"

namespace quillon {

bool valid_club_id(const std::string& id) {
  if (id.empty() || id.size() > club_id_limit) return false;
  for (unsigned char c : id)
    if (!(std::isalnum(c) && c < 0x80) && c != '-' && c != '_') return false;
  return true;
}

std::string stored_club_id(const State& state) { return field_text(state.system.club_id); }

std::string usable_club_id(State& state) {
  std::string id = stored_club_id(state);
  if (valid_club_id(id)) return id;
  error_box(state,
            "The Internet Club ID \"%s\" can hold only letters, digits, '-' and '_'.  Enter it again in the "
            "Cuplink Network dialog.",
            id.c_str());
  return {};
}

}  // namespace quillon
