#pragma once
// Folders stored in the database are written the Windows way ("c:\rv4").
#include <filesystem>
#include <string>

namespace quillon {

// Backslashes become folder separators, and a drive letter stands for the
// user's home folder ("c:\rv4" is ~/rv4), as the program's own home "c:\ql4"
// is ~/ql4. Other paths are kept as they are.
std::filesystem::path native_path(const std::string& stored, const std::filesystem::path& user_home);

// The user's home folder ($HOME, or the current folder without one).
std::filesystem::path user_home_folder();

}  // namespace quillon
