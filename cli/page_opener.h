#pragma once
// Opens a page or file with the desktop's opener program.
#include <string>

namespace quillon::cli {

// Starts `opener` (found on PATH) with the location as its one argument,
// without a shell. False when it cannot be started, or when it ends with a
// failure within the first seconds (no desktop to open the page on); the
// caller then shows the page's location instead.
bool start_opener(const std::string& location, const std::string& opener = "xdg-open");

}  // namespace quillon::cli
