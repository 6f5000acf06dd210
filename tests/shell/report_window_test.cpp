#include <gtest/gtest.h>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "core/desktop_settings.h"
#include "shell/help_window.h"
#include "shell/message_style.h"
#include "shell/qt_ui.h"
#include "tests/testing/files.h"
#include "tests/testing/pdf_words.h"
#include "tests/testing/test_home.h"

namespace quillon::shell {
namespace {

using quillon::testing::TestHome;

void write_page(const std::filesystem::path& file) {
  std::ofstream(file) << "<html><head><title>Spring Cup Results</title></head><body>"
                         "<table><tr><td>1</td><td>Ann Lee</td><td>71</td></tr></table></body></html>";
}

TEST(ReportWindow, OpensWhenNoBrowserCanBeStartedAndSavesThePageAsPdf) {
  TestHome home;
  write_page(home.path() / "qlwin4.html");
  QtUi ui;
  ui.set_home_folder(home.path());
  int browser_starts = 0;
  ui.open_in_browser = [&](const QUrl&) {
    ++browser_starts;
    return false;
  };
  ui.open_page((home.path() / "qlwin4.html").string());
  EXPECT_EQ(browser_starts, 1);
  ReportWindow* window = ui.report_window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Quillon Report - Spring Cup Results");
  EXPECT_TRUE(window->browser()->toPlainText().contains("Ann Lee"));
  EXPECT_NE(window->findChild<QPushButton*>("print"), nullptr);

  const auto pdf = home.path() / "results.pdf";
  ASSERT_TRUE(window->save_pdf(QString::fromStdString(pdf.string())).is_ok());
  std::ifstream in(pdf, std::ios::binary);
  std::string magic(5, '\0');
  in.read(magic.data(), 5);
  EXPECT_EQ(magic, "%PDF-");
  EXPECT_TRUE(testing::leftover_temporaries(home.path(), "results.pdf").empty());

  // A PDF that cannot be written is reported, not called saved.
  Status refused = window->save_pdf(QString::fromStdString((home.path() / "no-such-folder" / "r.pdf").string()));
  EXPECT_FALSE(refused.is_ok());
  window->close();
}

void write_report(const std::filesystem::path& file, const std::string& title, const std::string& row) {
  std::ofstream(file, std::ios::trunc) << "<html><head><title>Quillon for Windows - HTML Report</title></head><body>"
                                       << "<h2>" << title << "</h2><table><tr><td>" << row
                                       << "</td></tr></table></body></html>";
}

// Every report rewrites the one page file: the window shows, prints and saves
// the report just made, whether it was closed in between or left open.
TEST(ReportWindow, ShowsAndSavesEachNewReportOfTheSession) {
  TestHome home;
  const auto page = home.path() / "qlwin4.html";
  QtUi ui;
  ui.set_home_folder(home.path());
  ui.open_in_browser = [](const QUrl&) { return false; };

  write_report(page, "Course List", "Heatherbrook");
  ui.open_page(page.string());
  ReportWindow* window = ui.report_window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->browser()->toPlainText().contains("Heatherbrook"));
  window->close();

  write_report(page, "Tournament List", "Spring Cup");
  ui.open_page(page.string());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->browser()->toPlainText().contains("Spring Cup"))
      << window->browser()->toPlainText().toStdString();
  EXPECT_FALSE(window->browser()->toPlainText().contains("Heatherbrook"));

  write_report(page, "Skins Results - Gross Scores", "Westwood");  // the window left open
  ui.open_page(page.string());
  EXPECT_TRUE(window->browser()->toPlainText().contains("Westwood"));

  const auto pdf = home.path() / "skins.pdf";
  ASSERT_TRUE(window->save_pdf(QString::fromStdString(pdf.string())).is_ok());
  quillon::testing::PdfWords words = quillon::testing::read_pdf_words(pdf);
  EXPECT_EQ(words.find("Westwood").size(), 1u) << words.all_text();
  EXPECT_TRUE(words.find("Spring").empty());
  window->close();
}

// A table wider than the paper (the tee times with their handicap columns) is
// printed whole: its right-hand column stands inside the page.
TEST(ReportWindow, AWideReportFitsThePaperWhenSavedAsPdf) {
  TestHome home;
  const auto page = home.path() / "qlwin4.html";
  std::ofstream out(page);
  out << "<html><body><h2>Tee Times</h2><table cellSpacing=0 cellPadding=0 width=1500 border=0><tr>";
  for (int column = 1; column <= 9; ++column) out << "<td width=150>Column" << column << "</td>";
  out << "<td width=150>Handicap</td></tr></table></body></html>";
  out.close();
  QtUi ui;
  ui.set_home_folder(home.path());
  ui.open_in_browser = [](const QUrl&) { return false; };
  ui.open_page(page.string());
  ReportWindow* window = ui.report_window();
  ASSERT_NE(window, nullptr);

  DesktopSettings settings;
  settings.paper = Paper::a4;  // the paper chosen in System Configuration
  ASSERT_TRUE(save_desktop_settings(home.path(), settings).is_ok());
  const auto pdf = home.path() / "tee-times.pdf";
  ASSERT_TRUE(window->save_pdf(QString::fromStdString(pdf.string())).is_ok());
  quillon::testing::PdfWords words = quillon::testing::read_pdf_words(pdf);
  ASSERT_FALSE(words.pages.empty());
  std::vector<quillon::testing::PdfWord> last = words.find("Handicap");
  ASSERT_EQ(last.size(), 1u) << words.all_text();
  const quillon::testing::PdfPage& paper = words.pages[last[0].page - 1];
  EXPECT_LT(last[0].x_max, paper.width - 10);
  EXPECT_NEAR(paper.width, 841.9, 0.5);  // A4 turned across: the table stays larger
  EXPECT_NEAR(paper.height, 595.3, 0.5);
  EXPECT_EQ(words.find("Column1").size(), 1u);
  EXPECT_GT(words.find("Column1")[0].x_min, 10);
  window->close();
}

// The report pages write "&nbsp;" and character references; the window shows
// the spaces and letters they stand for.
TEST(ReportWindow, ShowsNonBreakingSpacesAndCharacterReferences) {
  TestHome home;
  std::ofstream(home.path() / "qlwin4.html") << "<html><head><meta charset=\"windows-1252\"></head><body><table><tr>"
                                                "<td>&nbsp;</td><td>Ann&nbsp;Lee</td><td>A&amp;B&nbsp;</td>"
                                                "<td>Jos&#233;</td></tr></table></body></html>";
  QtUi ui;
  ui.set_home_folder(home.path());
  ui.open_in_browser = [](const QUrl&) { return false; };
  ui.open_page((home.path() / "qlwin4.html").string());
  ReportWindow* window = ui.report_window();
  ASSERT_NE(window, nullptr);
  const QString text = window->browser()->toPlainText();
  EXPECT_FALSE(text.contains("&nbsp")) << text.toStdString();
  EXPECT_TRUE(window->browser()->document()->toRawText().contains(QString("Ann") + QChar(0x00A0) + "Lee"));
  EXPECT_TRUE(text.contains("A&B")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString("Jos") + QChar(0x00E9))) << text.toStdString();
  window->close();
}

TEST(ReportWindow, TheSettingOpensReportsThereWithoutTryingTheBrowser) {
  TestHome home;
  write_page(home.path() / "qlwin4.html");
  DesktopSettings settings;
  settings.report_window = true;
  ASSERT_TRUE(save_desktop_settings(home.path(), settings).is_ok());
  QtUi ui;
  ui.set_home_folder(home.path());
  int browser_starts = 0;
  ui.open_in_browser = [&](const QUrl&) {
    ++browser_starts;
    return true;
  };
  ui.open_page((home.path() / "qlwin4.html").string());
  EXPECT_EQ(browser_starts, 0);
  ASSERT_NE(ui.report_window(), nullptr);
  EXPECT_TRUE(ui.report_window()->isVisible());
  ui.report_window()->close();

  // A web address still goes to the browser.
  ui.open_page("https://example.org/");
  EXPECT_EQ(browser_starts, 1);
}

TEST(MessageBoxes, DestructiveQuestionsHaveTheSafeButtonAsDefault) {
  auto remove = build_question_box(4, "Tournament Removal", "Remove tournament [Spring Cup]?", Button::no, nullptr);
  ASSERT_TRUE(remove);
  EXPECT_EQ(remove->defaultButton(), remove->button(QMessageBox::No));
  auto purge = build_question_box(5, "Warning", "Purge?", Button::cancel, nullptr);
  EXPECT_EQ(purge->defaultButton(), purge->button(QMessageBox::Cancel));
  auto plain = build_question_box(4, "Quillon - Warning", "Go on?", Button::none, nullptr);
  EXPECT_EQ(plain->defaultButton(), plain->button(QMessageBox::Yes));

  // Enter in the removal box answers No.
  QTimer::singleShot(0, [&remove] { QTest::keyClick(remove.get(), Qt::Key_Return); });
  EXPECT_EQ(button_of(remove->exec()), Button::no);

  QtUi ui;
  ui.unattended = true;
  EXPECT_EQ(ui.show_question(5, "Warning", "Purge?", Button::cancel), Button::cancel);
}

TEST(HelpWindow, ClosesWithItsButtonEscapeAndControlW) {
  HelpWindow help;
  help.show_topic(Help::contents);
  ASSERT_TRUE(help.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
  help.show_topic(Help::contents);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QTest::keyClick(&help, Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(help.isVisible());
  help.show_topic(Help::contents);
  auto* close = help.findChild<QPushButton*>("close");
  ASSERT_NE(close, nullptr);
  close->click();
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace quillon::shell
