#pragma once
// The words of a PDF file as pdftotext -bbox reads them: page, box in points
// from the page's top-left corner, and text; with each page's size.
#include <filesystem>
#include <string>
#include <vector>

namespace quillon::testing {

struct PdfWord {
  int page = 0;  // from 1
  double x_min = 0, y_min = 0, x_max = 0, y_max = 0;
  std::string text;
};

struct PdfPage {
  double width = 0, height = 0;  // points
};

struct PdfWords {
  std::vector<PdfPage> pages;
  std::vector<PdfWord> words;
  std::vector<PdfWord> find(const std::string& text) const;
  // Every word joined by spaces, in the order pdftotext gives them.
  std::string all_text() const;
};

// Reads the file with pdftotext; an unreadable file gives no pages.
PdfWords read_pdf_words(const std::filesystem::path& pdf);

}  // namespace quillon::testing
