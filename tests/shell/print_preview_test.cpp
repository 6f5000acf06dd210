// The print preview window: every line of a long report is on the sheet,
// strips are painted once and scrolling paints only the strips that come into
// view.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "shell/print_preview_window.h"

namespace quillon::shell {
namespace {

Drawing long_report(int lines) {
  RecordingCanvas canvas;
  canvas.select_font(FontFace::fixed, 10);
  for (int row = 0; row < lines; row += 2) canvas.print_text(row, 2, text_attribute::regular, "line");
  canvas.print_line(10, 1, 200, 1, Ink::black);
  return canvas.drawing();
}

TEST(PrintPreview, LongReportIsPaintedAStripAtATime) {
  Drawing drawing = long_report(4000);  // about 200 groups of cards
  PrintPreviewWindow window("Tournament Score Cards", drawing, 4002, nullptr, nullptr);
  EXPECT_EQ(window.windowTitle(), "Tournament Score Cards");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  PreviewSheet& sheet = window.sheet();
  // The whole report is on the sheet: 4002 rows of a sixth of an inch at 96 dpi, plus the borders.
  EXPECT_EQ(sheet.height(), 4002 * 16 + 48);
  QCoreApplication::processEvents();
  int first_view = sheet.strips_painted();
  EXPECT_GE(first_view, 1);
  EXPECT_LE(first_view, 2);

  auto* scroll = window.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
  sheet.repaint();
  QCoreApplication::processEvents();
  int after_end = sheet.strips_painted();
  EXPECT_LE(after_end - first_view, 2);  // only the strips at the end, not the report in between

  scroll->verticalScrollBar()->setValue(0);
  sheet.repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(sheet.strips_painted(), after_end);  // back at the top: kept strips, nothing painted again
}

TEST(PrintPreview, OkPrintAndOk) {
  Drawing drawing = long_report(10);
  PrintPreviewWindow print_window("Signs", drawing, 60, nullptr, nullptr);
  for (auto* b : print_window.findChildren<QPushButton*>())
    if (b->text() == "OK/PRINT") b->click();
  EXPECT_EQ(print_window.action(), PreviewAction::print);

  int help_asked = 0;
  PrintPreviewWindow ok_window(
      "Signs", drawing, 60, [&] { ++help_asked; }, nullptr);
  std::vector<QString> captions;
  for (auto* b : ok_window.findChildren<QPushButton*>()) captions.push_back(b->text());
  EXPECT_EQ(captions, (std::vector<QString>{"OK", "OK/PRINT", "Help"}));
  for (auto* b : ok_window.findChildren<QPushButton*>())
    if (b->text() == "Help") b->click();
  EXPECT_EQ(help_asked, 1);
  for (auto* b : ok_window.findChildren<QPushButton*>())
    if (b->text() == "OK") b->click();
  EXPECT_EQ(ok_window.action(), PreviewAction::close);
  EXPECT_EQ(ok_window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quillon::shell
