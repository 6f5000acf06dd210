#include "tests/testing/pdf_words.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace quillon::testing {

std::vector<PdfWord> PdfWords::find(const std::string& text) const {
  std::vector<PdfWord> found;
  for (const auto& w : words)
    if (w.text == text) found.push_back(w);
  return found;
}

std::string PdfWords::all_text() const {
  std::string out;
  for (const auto& w : words) out += (out.empty() ? "" : " ") + w.text;
  return out;
}

PdfWords read_pdf_words(const std::filesystem::path& pdf) {
  std::filesystem::path html = pdf;
  html += ".words.html";
  PdfWords result;
  std::string command = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return result;
  std::ifstream in(html);
  std::stringstream all;
  all << in.rdbuf();
  std::error_code ec;
  std::filesystem::remove(html, ec);
  const std::string text = all.str();
  std::regex token(
      R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), token); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    if (m[1].matched) {
      result.pages.push_back({std::stod(m[1]), std::stod(m[2])});
      continue;
    }
    result.words.push_back({static_cast<int>(result.pages.size()), std::stod(m[3]), std::stod(m[4]), std::stod(m[5]),
                            std::stod(m[6]), m[7]});
  }
  return result;
}

}  // namespace quillon::testing
