// The print job, the page grid, address labels and the printer alignment.
#include <gtest/gtest.h>

#include "core/desktop_settings.h"
#include "core/help_topics.h"
#include "report/address_labels.h"
#include "report/cart_signs.h"
#include "report/field_golfers.h"
#include "report/label_sheets.h"
#include "tests/report/print_fixture.h"

namespace quillon::testing {
namespace {

TEST(PrintGrid, DeviceMappingAndOffsets) {
  // Column 640 of the grid lies 7.5 inches from the left on a 600-dpi printer.
  EXPECT_DOUBLE_EQ(print_grid::device_position(640, 600), 4500);
  EXPECT_DOUBLE_EQ(print_grid::device_position(print_grid::grid_x(80), 600), 4500);
  // A print offset of 2 tenths moves every position 60 pixels on a 300-dpi printer.
  EXPECT_EQ(print_grid::offset_pixels_x(2, 300), 60);
  EXPECT_EQ(print_grid::offset_pixels_y(1, 300), 50);
  EXPECT_EQ(print_grid::offset_pixels_x(-3, 600), -180);
  // 66 rows fill 11 inches.
  EXPECT_DOUBLE_EQ(print_grid::device_position(print_grid::grid_y(66), 72), 792);
}

TEST(PrintGrid, FontSizesAndStyles) {
  EXPECT_EQ(printed_point_size(6), 8);
  EXPECT_EQ(printed_point_size(8), 10);
  EXPECT_EQ(printed_point_size(10), 12);
  EXPECT_EQ(printed_point_size(40), 40);
  EXPECT_EQ(font_style_of(text_attribute::regular), FontStyle::regular);
  EXPECT_EQ(font_style_of(text_attribute::bold | text_attribute::regular), FontStyle::bold);
  EXPECT_EQ(font_style_of(text_attribute::bold | text_attribute::italic), FontStyle::italic);
  EXPECT_EQ(font_style_of(text_attribute::bold_italic | text_attribute::opaque), FontStyle::bold_italic);
  EXPECT_EQ(font_style_of(text_attribute::opaque), FontStyle::regular);
}

class PrintFacility : public PrintTest {};

TEST_F(PrintFacility, NoPrinterIsTold) {
  fill_group(1, 2);
  home.ui.printer_available = false;
  home.ui.answer(Button::yes);
  EXPECT_FALSE(print_cart_signs(s, SignSelection::all));
  ASSERT_NE(home.ui.last_message(), nullptr);
  EXPECT_EQ(home.ui.last_message()->text, "Request cancelled or printer not available");
  EXPECT_EQ(home.ui.last_message()->kind, 1);
}

TEST_F(PrintFacility, EveryOpeningFailureHasItsMessage) {
  fill_group(1, 2);
  home.ui.printer_available = false;
  const std::pair<PrintFailure, std::string> failures[] = {
      {PrintFailure::abort_procedure, "Error creating printer abort proc"},
      {PrintFailure::start_document, "Unable to start print job"},
      {PrintFailure::cancel_window, "NULL Abort window handle"},
  };
  for (const auto& [failure, text] : failures) {
    home.ui.printer_failure = failure;
    home.ui.answer(Button::yes);
    EXPECT_FALSE(print_cart_signs(s, SignSelection::all));
    ASSERT_NE(home.ui.last_message(), nullptr);
    EXPECT_EQ(home.ui.last_message()->text, text);
    EXPECT_EQ(home.ui.last_message()->kind, 1);
  }
  EXPECT_EQ(home.ui.last_message()->title, "Error");  // a plain box
}

// A canvas whose pages cannot be started or ended and whose job cannot be sent.
class FailingCanvas : public RecordingCanvas {
 public:
  Status start_page() override { return Status::failed("no page"); }
  Status end_page() override { return Status::failed("no page"); }
  Status finish() override { return Status::failed("The disk is full."); }
};

TEST_F(PrintFacility, PageFailuresAreToldAndTheJobGoesOn) {
  fill_group(1, 2);
  FailingCanvas canvas;
  PrintOutput out(s, canvas, true);
  SignSheet sheet = read_sign_sheet(s);
  EXPECT_TRUE(draw_cart_signs(out, sheet, cart_sign_list(field_groups(s), SignSelection::all, 0)));
  std::vector<std::string> texts = home.ui.message_texts();
  ASSERT_EQ(texts.size(), 4u);  // six signs on two pages
  EXPECT_EQ(texts[2], texts[0]);
  EXPECT_EQ(texts[0], "ERR : StartPage : An error was encountered while initializing a new page, startpage status = 0");
  EXPECT_EQ(texts[1], "ERR : EndPage : An error was encountered while advancing to a new page. Endpage status = 0");
  EXPECT_EQ(with_text(canvas.drawing(), "G1 Golfer 1").size(), 1u);  // drawn all the same
}

TEST_F(PrintFacility, CancelAbandonsTheWholeJob) {
  for (int g = 1; g <= 3; ++g) fill_group(g, 4);
  home.ui.cancel_after_pages = 1;
  home.ui.answer(Button::yes);
  EXPECT_FALSE(print_cart_signs(s, SignSelection::all));
  const RecordedPrintJob& job = home.ui.print_jobs.at(0);
  EXPECT_TRUE(job.abandoned);
  EXPECT_FALSE(job.finished);  // nothing of it reached the printer
  // Drawing stopped at the next check: the first sign only.
  EXPECT_EQ(with_text(job.drawing, "G1 Golfer 3").size(), 0u);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST_F(PrintFacility, PrintOffsetsGoToTheJob) {
  s.system.print_offset_x = 2;
  s.system.print_offset_y = -1;
  s.system.label_offset_x = 1;
  s.system.label_offset_y = 3;
  PrintSettings cards = job_settings(s);
  EXPECT_EQ(cards.document_name, "Quillon");
  EXPECT_EQ(cards.offset_tenths_x, 2);
  EXPECT_EQ(cards.offset_sixths_y, -1);
  EXPECT_FALSE(cards.from_paper_edge);
  PrintSettings labels = label_job_settings(s, label_sheet(4));
  EXPECT_EQ(labels.offset_tenths_x, 3);
  EXPECT_EQ(labels.offset_sixths_y, 2);
  EXPECT_TRUE(labels.from_paper_edge);
  EXPECT_EQ(labels.paper, Paper::a4);
}

// Cards and signs go on the paper chosen in the settings; labels on their sheet's.
TEST_F(PrintFacility, ThePaperSettingGoesToCardAndSignJobs) {
  EXPECT_EQ(job_settings(s).paper, Paper::automatic);
  DesktopSettings desktop;
  desktop.paper = Paper::a4;
  ASSERT_TRUE(save_desktop_settings(home.path(), desktop).is_ok());
  EXPECT_EQ(job_settings(s).paper, Paper::a4);
  EXPECT_EQ(label_job_settings(s, label_sheet(1)).paper, Paper::letter);  // Avery 5160
  desktop.paper = Paper::letter;
  ASSERT_TRUE(save_desktop_settings(home.path(), desktop).is_ok());
  EXPECT_EQ(job_settings(s).paper, Paper::letter);
  EXPECT_EQ(label_job_settings(s, label_sheet(4)).paper, Paper::a4);  // Avery L7160
}

TEST_F(PrintFacility, StartPositionOnAvery5160) {
  const LabelSheet& sheet = label_sheet(1);
  EXPECT_STREQ(sheet.name, "Avery 5160");
  StartPositionModel model(sheet);
  EXPECT_EQ(model.title(), "Select Starting Print Position");
  EXPECT_EQ(model.find("start_position")->options.size(), 30u);
  EXPECT_EQ(model.chosen(), 0);
  ASSERT_TRUE(model.set("start_position", "Row 2, Column 3").is_ok());
  EXPECT_EQ(model.chosen(), 5);
  EXPECT_EQ(StartPositionModel(label_sheet(6)).find("start_position")->options.size(), 16u);
}

TEST_F(PrintFacility, LabelsFromStartPositionFive) {
  std::vector<GolferEntry> golfers(2);
  set_field_text(golfers[0].name, "Ann Lee");
  set_field_text(golfers[0].info1, "1 High St");
  set_field_text(golfers[0].info3, "Springfield");
  set_field_text(golfers[1].name, "Bob Ray");
  RecordingCanvas canvas;
  PrintOutput out(s, canvas, true);
  ASSERT_TRUE(draw_address_labels(out, label_sheet(1), 5, golfers));
  std::vector<DrawOp> t = drawn_texts(canvas.drawing());
  ASSERT_EQ(t.size(), 4u);
  // Position 5 is the second row's third label: 1.5 inches down, 0.1875 + 2 × 2.75 across.
  EXPECT_EQ(t[0].text, "Ann Lee");
  EXPECT_DOUBLE_EQ(t[0].row, 6 * (1.5 + (1.0 - 4.0 / 6) / 2));
  EXPECT_DOUBLE_EQ(t[0].column, (0.1875 + 2 * 2.75 + 0.15) * 80 / 7.5);
  EXPECT_EQ(t[1].text, "1 High St");
  EXPECT_DOUBLE_EQ(t[1].row, t[0].row + 1);
  EXPECT_EQ(t[2].text, "Springfield");  // an empty line is closed up
  EXPECT_DOUBLE_EQ(t[2].row, t[0].row + 2);
  // The next label is the third row's first.
  EXPECT_EQ(t[3].text, "Bob Ray");
  EXPECT_DOUBLE_EQ(t[3].row, t[0].row + 6);
  EXPECT_DOUBLE_EQ(t[3].column, (0.1875 + 0.15) * 80 / 7.5);
  EXPECT_EQ(canvas.drawing().page_count(), 1);
}

TEST_F(PrintFacility, LabelsFillASheetAndGoOn) {
  std::vector<GolferEntry> golfers(31);
  for (auto& g : golfers) set_field_text(g.name, "X");
  RecordingCanvas canvas;
  PrintOutput out(s, canvas, true);
  ASSERT_TRUE(draw_address_labels(out, label_sheet(1), 29, golfers));
  EXPECT_EQ(canvas.drawing().page_count(), 2);
  EXPECT_EQ(drawn_texts(canvas.drawing(), 1).size(), 1u);
  EXPECT_EQ(drawn_texts(canvas.drawing(), 2).size(), 30u);
}

TEST_F(PrintFacility, LabelGolfersBySelectionAndOrder) {
  GolferEntry zed = golfer("Zed", 0), amy = golfer("Amy", 0), max = golfer("Max", 0);
  zed.is_member = 1;
  max.is_member = 1;
  auto names = [](const std::vector<GolferEntry>& list) {
    std::vector<std::string> n;
    for (const auto& g : list) n.push_back(g.name);
    return n;
  };
  std::vector<GolferEntry> field = {zed, amy, GolferEntry{}, max};
  EXPECT_EQ(names(label_golfers(field, LabelGolfers::all, LabelOrder::by_group)),
            (std::vector<std::string>{"Zed", "Amy", "Max"}));
  EXPECT_EQ(names(label_golfers(field, LabelGolfers::all, LabelOrder::alphabetical)),
            (std::vector<std::string>{"Amy", "Max", "Zed"}));
  EXPECT_EQ(names(label_golfers(field, LabelGolfers::members, LabelOrder::alphabetical)),
            (std::vector<std::string>{"Max", "Zed"}));
  EXPECT_EQ(names(label_golfers(field, LabelGolfers::non_members, LabelOrder::by_group)),
            (std::vector<std::string>{"Amy"}));
}

TEST_F(PrintFacility, AlignmentReminderNoSwitchesItOff) {
  fill_group(1, 2);
  home.ui.answer(Button::no);
  DialogScript start;
  start.sets = {{"start_position", "#2"}};
  home.ui.dialog(start);
  EXPECT_TRUE(print_address_labels(s, LabelGolfers::all, LabelOrder::alphabetical));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Printer Output Alignment");
  EXPECT_EQ(home.ui.messages[0].text,
            "If the data is not correctly aligned on the address labels, the alignment can be adjusted in "
            "increments of one tenth of an inch vertically or horizonatally by selecting \"Maintenance\" / \" "
            "Printer Output Alignment\".\n\nDo you wish to be reminded of this output alignment capability the "
            "next time you print address labels?");
  s.system.flags = 0;
  ASSERT_TRUE(read_record(s, RecordKind::system, 1));
  EXPECT_NE(s.system.flags & system_flag::no_label_reminder, 0);
  const RecordedPrintJob& job = home.ui.print_jobs.at(0);
  EXPECT_TRUE(job.finished);
  EXPECT_EQ(drawn_texts(job.drawing).at(0).text, "G1 Golfer 1");
  // The second choice of "Avery 5159" (the default format) is the first row's second label.
  EXPECT_DOUBLE_EQ(drawn_texts(job.drawing).at(0).column, (0.15625 + 4.1875 + 0.15) * 80 / 7.5);

  // Switched off, the reminder is not shown again.
  home.ui.dialog(start);
  EXPECT_TRUE(print_address_labels(s, LabelGolfers::all, LabelOrder::alphabetical));
  EXPECT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.print_jobs.size(), 2u);
}

TEST_F(PrintFacility, CancelledStartPositionPrintsNothing) {
  fill_group(1, 1);
  s.system.flags |= system_flag::no_label_reminder;
  DialogScript cancel;
  cancel.cancel = true;
  home.ui.dialog(cancel);
  EXPECT_FALSE(print_address_labels(s, LabelGolfers::all, LabelOrder::by_group));
  EXPECT_TRUE(home.ui.print_jobs.empty());
}

TEST_F(PrintFacility, PrinterAlignmentStoresTheLabelOffsets) {
  PrinterAlignmentModel model(s);
  EXPECT_EQ(model.title(), "Printer Output Alignment");
  EXPECT_EQ(model.help_topic(), Help::printer_alignment);
  EXPECT_EQ(model.find("label_offset_x")->options, (std::vector<std::string>{"-3", "-2", "-1", "0", "1", "2", "3"}));
  EXPECT_EQ(field_value_text(*model.find("label_offset_x")), "0");
  EXPECT_EQ(model.find("explanation")->text,
            "On some printers, the horizontal or vertical alignment need to be adjusted.  The units of adjustment "
            "are tenths of an inch horizontally and sixths of an inch vertically.  \nThe default offsets are 0 "
            "and 0.");
  ASSERT_TRUE(model.set("label_offset_x", "-2").is_ok());
  ASSERT_TRUE(model.set("label_offset_y", "3").is_ok());
  ASSERT_TRUE(model.accept());
  s.system.label_offset_x = 0;
  ASSERT_TRUE(read_record(s, RecordKind::system, 1));
  EXPECT_EQ(s.system.label_offset_x, -2);
  EXPECT_EQ(s.system.label_offset_y, 3);
  PrinterAlignmentModel reopened(s);
  EXPECT_EQ(field_value_text(*reopened.find("label_offset_y")), "3");
}

}  // namespace
}  // namespace quillon::testing
