#pragma once
// The network commands: Cuplink Network (1708, 2006, button 922), Update via
// Internet (1706) and Upload scores to Parlink Network (1108).
namespace quillon {

class CommandRegistry;

void register_network_commands(CommandRegistry& registry);

}  // namespace quillon
