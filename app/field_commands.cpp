#include "app/field_commands.h"

#include "core/dispatch.h"
#include "core/state.h"
#include "tournament/multi_round.h"

namespace quillon {

void register_field_commands(CommandRegistry& r) {
  r.add({1302}, [](State& s, int) { add_multi_round_tournament(s); });
}

}  // namespace quillon
