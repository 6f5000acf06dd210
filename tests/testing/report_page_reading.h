#pragma once
// Readers of the report page a test produced.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/state.h"
#include "report/report_page.h"

namespace quillon::testing {

// The whole text of the state's report page ("" when there is none).
inline std::string report_page_text(const State& state) {
  std::ifstream in(report_page_path(state), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The page footer's lines with the maker's address, from the "<br>" before it
// to "</body>".
inline const std::vector<std::string> page_footer_lines = {"<br>",
                                                           "<font face=Arial size=2><center>",
                                                           "",
                                                           "<address>",
                                                           "Tolvane Systems Inc.<br>",
                                                           "1200 Fairway Drive, Suite 4, Lakeside<br>",
                                                           "Tel : 555-0142<br>",
                                                           "www.quillon-golf.example<br>",
                                                           "<br>",
                                                           "</address></font>",
                                                           "</center>",
                                                           "</body>"};

// The lines of a page's text; a line that does not end with CR LF fails the test.
inline std::vector<std::string> crlf_lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find("\r\n", at);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF: " << text.substr(at);
    if (end == std::string::npos) break;
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// The lines from the first one equal to `from` up to the next one equal to
// `to`, both included.
inline std::vector<std::string> lines_from_to(const std::vector<std::string>& lines, const std::string& from,
                                              const std::string& to) {
  std::vector<std::string> part;
  bool in = false;
  for (const auto& l : lines) {
    if (l == from) in = true;
    if (in) part.push_back(l);
    if (in && l == to) break;
  }
  return part;
}

}  // namespace quillon::testing
