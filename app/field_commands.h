#pragma once
// The commands that rearrange the field: multi-round events, the
// reorganisation of foursomes and the flights.
namespace quillon {

class CommandRegistry;

void register_field_commands(CommandRegistry& registry);

}  // namespace quillon
