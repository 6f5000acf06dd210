#pragma once
// The spreadsheet and import commands of the File and Change menus and the
// main window's Tee Sheets and Score Export buttons.
namespace quillon {

class CommandRegistry;

void register_exchange_commands(CommandRegistry& registry);

}  // namespace quillon
