#include "core/desktop_settings.h"

#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/atomic_file.h"

namespace quillon {

namespace {

constexpr std::string_view report_window_key = "report_window";
constexpr std::string_view notepad_size_key = "notepad_size";
constexpr std::string_view paper_key = "paper";
constexpr int largest_window_side = 10000;

int side(const std::string& text) {
  int value = 0;
  try {
    value = std::stoi(text);
  } catch (const std::exception&) {
    return 0;
  }
  return value > 0 && value <= largest_window_side ? value : 0;
}

std::string file_text(const DesktopSettings& s) {
  std::string text;
  text += std::string(report_window_key) + "=" + (s.report_window ? "1" : "0") + "\n";
  if (s.notepad_width > 0 && s.notepad_height > 0)
    text += std::string(notepad_size_key) + "=" + std::to_string(s.notepad_width) + "x" +
            std::to_string(s.notepad_height) + "\n";
  if (s.paper != Paper::automatic)
    text += std::string(paper_key) + "=" + (s.paper == Paper::a4 ? "a4" : "letter") + "\n";
  for (const auto& [name, value] : s.others) text += name + "=" + value + "\n";
  return text;
}

}  // namespace

DesktopSettings load_desktop_settings(const std::filesystem::path& home) {
  DesktopSettings s;
  std::ifstream in(home / desktop_settings_file_name);
  std::string line;
  while (std::getline(in, line)) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;
    std::string name = line.substr(0, eq);
    std::string value = line.substr(eq + 1);
    if (name == report_window_key) {
      s.report_window = value == "1";
    } else if (name == notepad_size_key) {
      std::size_t x = value.find('x');
      if (x == std::string::npos) continue;
      s.notepad_width = side(value.substr(0, x));
      s.notepad_height = side(value.substr(x + 1));
      if (!s.notepad_width || !s.notepad_height) s.notepad_width = s.notepad_height = 0;
    } else if (name == paper_key) {
      s.paper = value == "a4" ? Paper::a4 : value == "letter" ? Paper::letter : Paper::automatic;
    } else {
      s.others[name] = value;
    }
  }
  return s;
}

Status save_desktop_settings(const std::filesystem::path& home, const DesktopSettings& settings) {
  const std::filesystem::path target = home / desktop_settings_file_name;
  Status saved = write_file_atomically(target, file_text(settings));
  if (!saved)
    return Status::failed("The settings file " + target.string() + " could not be written: " + saved.reason());
  return saved;
}

}  // namespace quillon
