// Score cards and cart signs rendered to PDF by the Qt renderer and read back
// with pdftotext -bbox: the words, where they stand and the page count.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <tuple>

#include "print_qt/print_jobs.h"
#include "report/address_labels.h"
#include "report/cart_signs.h"
#include "report/score_cards.h"
#include "tests/report/print_fixture.h"
#include "tests/testing/files.h"
#include "tests/testing/pdf_words.h"
#include "tournament/formats.h"

namespace quillon::testing {
namespace {

struct Word {
  int page = 0;
  double x = 0, y = 0;  // points from the page's top-left corner
  std::string text;
};

struct PdfText {
  int pages = 0;
  std::vector<Word> words;
  std::vector<Word> find(const std::string& text) const {
    std::vector<Word> found;
    for (const auto& w : words)
      if (w.text == text) found.push_back(w);
    return found;
  }
};

PdfText read_pdf(const std::filesystem::path& pdf) {
  std::filesystem::path html = pdf;
  html += ".html";
  std::string command = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::ifstream in(html);
  std::stringstream all;
  all << in.rdbuf();
  PdfText result;
  std::regex token(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
  std::string text = all.str();
  for (auto it = std::sregex_iterator(text.begin(), text.end(), token); it != std::sregex_iterator(); ++it) {
    if ((*it)[0].str().rfind("<page", 0) == 0) {
      ++result.pages;
      continue;
    }
    result.words.push_back({result.pages, std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
  }
  // Reading order: down each page, then across.
  std::stable_sort(result.words.begin(), result.words.end(), [](const Word& a, const Word& b) {
    return std::tie(a.page, a.y, a.x) < std::tie(b.page, b.y, b.x);
  });
  return result;
}

PdfWords words_of(const std::filesystem::path& pdf) { return read_pdf_words(pdf); }

// The grid on a PDF page: 0.5 inch in from the left of a Letter page, a
// quarter inch down; 6.75 points a column, 12 points a row.
constexpr double left_margin = 36, top_margin = 18, column_points = 6.75, row_points = 12;

class PdfOutput : public PrintTest {
 protected:
  void SetUp() override {
    print_qt::ensure_gui_application();
    PrintTest::SetUp();
    pdf = home.path() / "out.pdf";
  }

  // Draws with `draw` into a PDF job on the paper and finishes it.
  void render(const DrawReport& draw, Paper paper = Paper::letter, const std::string& what = "") {
    PrintSettings settings = job_settings(s);
    settings.paper = paper;
    PrinterOpening opening = print_qt::open_pdf_job(pdf.string(), settings);
    ASSERT_TRUE(opening.canvas);
    PrintOutput out(s, *opening.canvas, true);
    ASSERT_TRUE(draw(out));
    Status sent = opening.canvas->finish();
    ASSERT_TRUE(sent) << sent.reason();
    // QUILLON_KEEP_PDF=<folder> keeps a copy to look at.
    if (const char* keep = std::getenv("QUILLON_KEEP_PDF"))
      std::filesystem::copy_file(
          pdf,
          std::filesystem::path(keep) / (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                                         what + (paper == Paper::a4 ? "-a4" : "-letter") + ".pdf"),
          std::filesystem::copy_options::overwrite_existing);
  }

  static void expect_at(const Word& w, double row, double column) {
    EXPECT_NEAR(w.x, left_margin + column * column_points, 1.5) << w.text;
    // The word's box begins a little below the text cell's top.
    EXPECT_NEAR(w.y, top_margin + row * row_points, 3.5) << w.text;
  }

  std::filesystem::path pdf;
};

TEST_F(PdfOutput, ScoreCardsOfACrossOverField) {
  make_tournament(1, "Spring Cup", 4);
  set_start_type(static_cast<int>(StartType::crossover));
  for (int g = 1; g <= 4; ++g) fill_group(g, 4);
  CardField field(s);
  std::vector<ScoreCard> cards = score_card_list(field, CardsPer::group, std::nullopt);
  render([&](PrintOutput& out) { return draw_score_cards(out, field, cards, true); });
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_TRUE(leftover_temporaries(pdf.parent_path(), pdf.filename().string()).empty());

  PdfText text = read_pdf(pdf);
  EXPECT_EQ(text.pages, 2);  // three cards of 20 rows on a page of 66
  std::vector<Word> tournament = text.find("Tournament");
  ASSERT_EQ(tournament.size(), 4u);
  expect_at(tournament[0], 2, 2);
  expect_at(tournament[1], 22, 2);
  EXPECT_EQ(tournament[3].page, 2);
  expect_at(tournament[3], 2, 2);
  std::vector<Word> ten = text.find("#10");
  ASSERT_EQ(ten.size(), 2u);  // groups 2 and 4
  EXPECT_NEAR(ten[0].y, top_margin + 23 * row_points, 3.5);
  EXPECT_EQ(ten[1].page, 2);
  ASSERT_EQ(text.find("G1").size(), 4u);
  expect_at(text.find("G1")[0], 8, 2);
  expect_at(text.find("Scorer")[0], 18, 2);
  std::vector<Word> front = text.find("F9");
  ASSERT_FALSE(front.empty());
  expect_at(front[0], 5, 44);
  EXPECT_TRUE(text.find("End").empty());  // the closing line is the preview's only
}

TEST_F(PdfOutput, SixCartSignsOnTwoPages) {
  set_field_text(s.import_settings.reporting_name, "Lakeside");
  for (int g = 1; g <= 3; ++g) fill_group(g, 4);
  SignSheet sheet = read_sign_sheet(s);
  std::vector<CartSign> signs = cart_sign_list(field_groups(s), SignSelection::all, 0);
  render([&](PrintOutput& out) { return draw_cart_signs(out, sheet, signs); });
  PdfText text = read_pdf(pdf);
  EXPECT_EQ(text.pages, 2);
  std::vector<Word> club = text.find("Lakeside");
  ASSERT_EQ(club.size(), 6u);
  EXPECT_EQ(club[2].page, 1);
  EXPECT_EQ(club[3].page, 2);
  EXPECT_NEAR(club[1].y, top_margin + 24 * row_points, 6);
  std::vector<Word> golfer3 = text.find("G3");
  ASSERT_EQ(golfer3.size(), 4u);
  EXPECT_EQ(golfer3[0].page, 2);
  EXPECT_NEAR(golfer3[0].x, left_margin + 6 * column_points, 1.5);
}

// On either paper every word of the cards and signs lies on the page, clear
// of its edges by a third of an inch, and the grid stands centred across.
TEST_F(PdfOutput, CardsAndSignsFitA4AndLetter) {
  set_field_text(s.import_settings.reporting_name, "Lakeside");
  GolferEntry scored = golfer("Scored Golfer", 181);
  for (int h = 0; h < 18; ++h) scored.hole_scores[h] = static_cast<std::int8_t>(h % 2 ? 5 : 4);
  put_golfer(1, 1, scored);
  fill_group(2, 4);
  for (Paper paper : {Paper::a4, Paper::letter}) {
    SCOPED_TRACE(paper == Paper::a4 ? "A4" : "Letter");
    const double width = paper == Paper::a4 ? 595.3 : 612, height = paper == Paper::a4 ? 841.9 : 792;
    CardField field(s);
    std::vector<ScoreCard> cards = score_card_list(field, CardsPer::group, std::nullopt);
    render([&](PrintOutput& out) { return draw_score_cards(out, field, cards, true); }, paper, "-cards");
    SignSheet sheet = read_sign_sheet(s);
    std::vector<CartSign> signs = cart_sign_list(field_groups(s), SignSelection::all, 0);
    const PdfText card_text = read_pdf(pdf);
    const auto card_words = words_of(pdf);
    render([&](PrintOutput& out) { return draw_cart_signs(out, sheet, signs); }, paper, "-signs");
    const auto sign_words = words_of(pdf);
    for (const auto* words : {&card_words, &sign_words}) {
      ASSERT_FALSE(words->pages.empty());
      for (const auto& page : words->pages) {
        EXPECT_NEAR(page.width, width, 0.5);
        EXPECT_NEAR(page.height, height, 0.5);
      }
      for (const auto& w : words->words) {
        EXPECT_GE(w.x_min, 24) << w.text;
        EXPECT_LE(w.x_max, width - 24) << w.text;
        EXPECT_GE(w.y_min, 12) << w.text;
        EXPECT_LE(w.y_max, height - 12) << w.text;
      }
    }
    // Centred: the grid's 7.5 inches leave equal margins.
    std::vector<Word> tournament = card_text.find("Tournament");
    ASSERT_FALSE(tournament.empty());
    EXPECT_NEAR(tournament[0].x, (width - 540) / 2 + 2 * column_points, 1.5);
    EXPECT_EQ(card_words.find("Tot").size(), cards.size());
  }
}

// Labels go on their sheet's own paper, whatever the setting of cards and signs.
TEST_F(PdfOutput, LabelsOnTheirSheetsPaper) {
  std::vector<GolferEntry> golfers;
  for (int n = 1; n <= 12; ++n) golfers.push_back(golfer(("Golfer Number " + std::to_string(n)).c_str(), 10 * n));
  for (int sheet_number : {1, 4}) {  // Avery 5160 (Letter), Avery L7160 (A4)
    const LabelSheet& sheet = label_sheet(sheet_number);
    SCOPED_TRACE(sheet.name);
    PrintSettings settings = label_job_settings(s, sheet);
    PrinterOpening opening = print_qt::open_pdf_job(pdf.string(), settings);
    ASSERT_TRUE(opening.canvas);
    PrintOutput out(s, *opening.canvas, true);
    ASSERT_TRUE(draw_address_labels(out, sheet, 0, golfers));
    ASSERT_TRUE(opening.canvas->finish());
    if (const char* keep = std::getenv("QUILLON_KEEP_PDF"))
      std::filesystem::copy_file(pdf, std::filesystem::path(keep) / ("labels-" + std::to_string(sheet_number) + ".pdf"),
                                 std::filesystem::copy_options::overwrite_existing);
    const PdfWords words = words_of(pdf);
    ASSERT_EQ(words.pages.size(), 1u);
    const bool a4 = sheet.paper == Paper::a4;
    EXPECT_NEAR(words.pages[0].width, a4 ? 595.3 : 612, 0.5);
    EXPECT_NEAR(words.pages[0].height, a4 ? 841.9 : 792, 0.5);
    EXPECT_EQ(words.find("Golfer").size(), 12u);
    for (const auto& w : words.words) {
      EXPECT_GE(w.x_min, 7.2) << w.text;
      EXPECT_LE(w.x_max, words.pages[0].width - 7.2) << w.text;
    }
  }
}

TEST_F(PdfOutput, AbandonedJobLeavesNoFile) {
  fill_group(1, 1);
  PrinterOpening opening = print_qt::open_pdf_job(pdf.string(), job_settings(s));
  ASSERT_TRUE(opening.canvas);
  ASSERT_TRUE(opening.canvas->start_page());
  opening.canvas->print_text(1, 1, text_attribute::regular, "x");
  opening.canvas->abandon();
  opening.canvas.reset();
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PdfOutput, AFileThatCannotBeWrittenIsReported) {
  PrinterOpening missing = print_qt::open_pdf_job((home.path() / "no-such-folder" / "x.pdf").string(), job_settings(s));
  EXPECT_FALSE(missing.canvas);
  EXPECT_EQ(missing.failure, PrintFailure::start_document);

  // A folder standing where the file should go: the finished file cannot be renamed into place.
  std::filesystem::create_directories(home.path() / "taken.pdf" / "inside");
  PrinterOpening opening = print_qt::open_pdf_job((home.path() / "taken.pdf").string(), job_settings(s));
  ASSERT_TRUE(opening.canvas);
  ASSERT_TRUE(opening.canvas->start_page());
  opening.canvas->print_text(1, 1, text_attribute::regular, "x");
  ASSERT_TRUE(opening.canvas->end_page());
  Status sent = opening.canvas->finish();
  EXPECT_FALSE(sent);
  EXPECT_NE(sent.reason().find("taken.pdf could not be written"), std::string::npos) << sent.reason();
  opening.canvas.reset();
  EXPECT_TRUE(leftover_temporaries(home.path(), "taken.pdf").empty());
}

}  // namespace
}  // namespace quillon::testing
