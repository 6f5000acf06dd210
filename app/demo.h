#pragma once
// The demonstration club: a separate home folder filled, when new, through
// the program's own commands with a course, a tournament and its field.
#include <filesystem>

namespace quillon {

class Clock;

// Fills the folder when it holds no database yet. Returns false when the
// demonstration data could not be made (the folder is then left as it is).
bool prepare_demo_home(const std::filesystem::path& home, const Clock& clock);

}  // namespace quillon
