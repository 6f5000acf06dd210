#pragma once
// The wiring of the printed reports: score cards, cart signs, address labels
// and the printer alignment.
namespace quillon {

class CommandRegistry;

void add_print_commands(CommandRegistry& registry);

}  // namespace quillon
