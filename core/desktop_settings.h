#pragma once
// Settings of the desktop program that have no place in the database's
// records: kept as "name=value" lines in "quillon-desktop.cfg" in the home
// folder. Unknown lines are kept as read, so an older program does not lose
// what a newer one wrote.
#include <filesystem>
#include <map>
#include <string>

#include "core/print_canvas.h"
#include "core/status.h"

namespace quillon {

inline constexpr const char* desktop_settings_file_name = "quillon-desktop.cfg";

struct DesktopSettings {
  // Reports open in the program's own report window instead of the browser.
  bool report_window = false;
  // The NotePad window's last size in pixels; 0 = not yet sized by the user.
  int notepad_width = 0;
  int notepad_height = 0;
  // The paper of score cards, cart signs and saved report pages.
  Paper paper = Paper::automatic;
  // Every other line of the file, kept as read.
  std::map<std::string, std::string> others;
};

// The settings of the home folder; defaults when the file is missing or unreadable.
DesktopSettings load_desktop_settings(const std::filesystem::path& home);
// Replaces the file through an AtomicFile.
[[nodiscard]] Status save_desktop_settings(const std::filesystem::path& home, const DesktopSettings& settings);

}  // namespace quillon
