#pragma once
// The numbered commands that the menu bar and the main window's buttons send,
// with where they stand in the menus.
#include <string>
#include <vector>

namespace quillon {

struct CommandInfo {
  int number = 0;
  std::string menu;  // top-level menu ("&File", ...); empty for buttons only
  std::string submenu;  // submenu text, empty when the entry is on the menu itself
  std::string text;  // the entry's text; empty for button-only numbers
};

// Every command number in menu order (button-only numbers last).
const std::vector<CommandInfo>& command_table();
const CommandInfo* find_command(int number);

// The main window's buttons: the command each sends, in their order along
// the bottom edge, with the caption drawn on it.
struct ButtonInfo {
  int command;
  std::string caption;
  std::string code;  // the two- or three-letter code of its artwork
};
const std::vector<ButtonInfo>& main_window_buttons();

}  // namespace quillon
