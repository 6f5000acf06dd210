#pragma once
// Headless Chromium as the reader of a report page: the DOM it builds, the
// text a reader sees, and screenshots kept in the build folder
// ("report-artefacts/").
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <regex>
#include <string>

namespace quillon::testing {

inline const char* const chromium = "/usr/bin/chromium";

inline std::string chromium_command(const std::filesystem::path& profile, const std::string& action,
                                    const std::filesystem::path& page) {
  return std::string("timeout 90 ") + chromium +
         " --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking"
         " --disable-component-update --disable-sync --user-data-dir='" +
         profile.string() + "' " + action + " 'file://" + page.string() + "' 2>/dev/null";
}

inline std::string run_and_read(const std::string& command) {
  std::string out;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  std::array<char, 4096> chunk;
  for (std::size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) out.append(chunk.data(), n);
  pclose(pipe);
  return out;
}

// The text a reader sees: tags removed, entities decoded, blanks collapsed.
inline std::string visible_text(std::string html) {
  html = std::regex_replace(html, std::regex("<[^>]*>"), " ");
  for (auto [entity, text] : {std::pair{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
    for (std::size_t at; (at = html.find(entity)) != std::string::npos;) html.replace(at, std::strlen(entity), text);
  html = std::regex_replace(html, std::regex("\\s+"), " ");
  return html;
}

// Takes a screenshot of the page into report-artefacts/<name> under the
// working (build) folder and returns its path.
inline std::filesystem::path keep_screenshot(const std::filesystem::path& profile, const std::filesystem::path& page,
                                             const std::string& name, const std::string& size = "1000,700") {
  std::filesystem::path artefacts = std::filesystem::current_path() / "report-artefacts";
  std::filesystem::create_directories(artefacts);
  std::filesystem::path shot = artefacts / name;
  std::filesystem::remove(shot);
  run_and_read(chromium_command(profile, "--window-size=" + size + " --screenshot='" + shot.string() + "'", page));
  return shot;
}

}  // namespace quillon::testing
