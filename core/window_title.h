#pragma once
#include <string>

namespace quillon {

struct State;

// "Quillon for Windows 2025a, - <reporting name>" when the reporting name is
// the screen heading, else "Quillon for Windows 2025a".
std::string window_title_for(const State& state);

}  // namespace quillon
