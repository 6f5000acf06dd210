#include "exchange/network/net_commands.h"

#include "core/dispatch.h"
#include "exchange/network/net_cuplink.h"
#include "exchange/network/net_parlink_upload.h"
#include "exchange/network/net_update.h"

namespace quillon {

void register_network_commands(CommandRegistry& registry) {
  registry.add({1708, 2006, 922}, [](State& s, int) { return cuplink_dialog_procedure(s); });
  registry.add({1706}, [](State& s, int) { return check_for_update(s); });
  registry.add({1108}, [](State& s, int) { return upload_parlink_scores(s, 0); });
}

}  // namespace quillon
