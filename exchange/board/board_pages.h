#pragma once
// The board's pages: the board (phone and TV layouts of one page) and the
// group's score entry, with their script and style. The pages hold no data:
// the scripts fetch it as JSON and put every text in with textContent, so
// nothing a name holds is ever read as markup.
#include <string>

namespace quillon::board {

std::string board_page();
std::string group_page(const std::string& token);  // the token writes carry
std::string board_script();
std::string group_script();
std::string board_style();

}  // namespace quillon::board
