// The tee sheet out and back in, and the score data export.
#include <gtest/gtest.h>

#include <fstream>

#include "core/text.h"
#include "exchange/imports/import_file.h"
#include "exchange/imports/score_data_export.h"
#include "exchange/imports/tee_sheet_export.h"
#include "exchange/imports/tee_sheet_import.h"
#include "exchange/imports/workbook_files.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

void put_twelve_slots(State& state) {
  put_cup(state, 3);
  put_golfers(state, {{1, 0, "Alan Brooks", 84, 'M', 1, true},
                      {1, 1, "Claire Dunn", -23, 'F', 2, false},
                      {2, 0, "David Evans", 42, 'M', 1, true},
                      {3, 3, "Emma Fisher", 223, 'F', 2, true}});
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  state.group.entries[0].entry_flags = entry_flag::power_cart;
  state.group.entries[0].hole_scores[0] = 5;
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));
}

TEST(TeeSheetExport, TwelveRowsWithLabelsOnFirstRowsOnly) {
  TestHome home;
  State& state = home.started();
  put_twelve_slots(state);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  Rows rows = tee_sheet_rows(state).value();
  ASSERT_EQ(rows.size(), 12u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"1", " 08:00", "Alan Brooks", " 8.4", "M", "1", "No", "Yes"}));
  EXPECT_EQ(rows[1], (std::vector<std::string>{"", "", "Claire Dunn", "-2.3", "F", "2", "No", "No"}));
  EXPECT_EQ(rows[2], (std::vector<std::string>{"", "", "", "", "M", "1", "No", "No"}));
  EXPECT_EQ(rows[4], (std::vector<std::string>{"2", "08:07:30", "David Evans", " 4.2", "M", "1", "No", "Yes"}));
  EXPECT_EQ(rows[8][0], "3");
  EXPECT_EQ(rows[8][1], " 08:15");
  for (int r : {5, 6, 7, 9, 10, 11})
    EXPECT_EQ(rows[static_cast<std::size_t>(r)][0] + rows[static_cast<std::size_t>(r)][1], "");
  EXPECT_EQ(rows[11][2], "Emma Fisher");
}

TEST(TeeSheetExport, ThroughTheSaveDialogWithSuffixAndOverwriteQuestion) {
  TestHome home;
  State& state = home.started();
  put_twelve_slots(state);
  home.ui.files.push_back((home.path() / "sheet").string());
  EXPECT_TRUE(export_tee_sheet(state, 1));
  ASSERT_TRUE(std::filesystem::exists(home.path() / "sheet.xlsx"));
  EXPECT_EQ(home.ui.last_message()->text,
            "The Tee Sheet for the Spring Cup tournament was exported to an Excel spreadsheet [" +
                (home.path() / "sheet.xlsx").string() +
                "].\n\nThis Excel spreadsheet can be used to enter the golfers for the tournament and then imported "
                "back into Quillon for Windows.");
  Result<SheetTable> read = read_spreadsheet(home.path() / "sheet.xlsx");
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  EXPECT_EQ(table.columns, tee_sheet_columns);
  EXPECT_EQ(table.rows.size(), 12u);

  home.ui.files.push_back((home.path() / "sheet").string());
  home.ui.answer(Button::no);
  EXPECT_FALSE(export_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.messages[home.ui.messages.size() - 2].title, "Excel Spreadsheet Creation");
  EXPECT_EQ(home.ui.messages[home.ui.messages.size() - 2].default_button, Button::no);  // Enter keeps the file
  EXPECT_EQ(home.ui.last_message()->text, "The creation of the Excel spreadsheet was cancelled as requested.");

  EXPECT_FALSE(export_tee_sheet(state, 0));
  EXPECT_EQ(home.ui.last_message()->text, "A tournament must be selected");
}

TEST(TeeSheetExport, ANameEndingInXlsGetsTheWorkbooksRealExtension) {
  TestHome home;
  State& state = home.started();
  put_twelve_slots(state);
  home.ui.files.push_back((home.path() / "a.xls").string());
  EXPECT_TRUE(export_tee_sheet(state, 1));
  EXPECT_TRUE(std::filesystem::exists(home.path() / "a.xlsx"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "a.xls.xlsx"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "a.xls"));
  EXPECT_NE(home.ui.last_message()->text.find("[" + (home.path() / "a.xlsx").string() + "]"), std::string::npos);
  Result<SheetTable> read = read_spreadsheet(home.path() / "a.xlsx");
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  EXPECT_EQ(table.rows.size(), 12u);

  EXPECT_EQ(export_path_for("B.XLS"), std::filesystem::path("B.XLSX"));
  EXPECT_EQ(export_path_for("c.xlsx"), std::filesystem::path("c.xlsx"));
  EXPECT_EQ(export_path_for("d.csv"), std::filesystem::path("d.csv"));
  EXPECT_EQ(export_path_for("e.xlsm"), std::filesystem::path("e.xlsm.xlsx"));
}

// Exports the cup's sheet to a file and imports it back, answering the erase question.
void export_then_import(TestHome& home, State& state, const std::string& file) {
  home.ui.files.push_back((home.path() / file).string());
  EXPECT_TRUE(export_tee_sheet(state, 1));
  home.ui.answer(Button::ok);
  home.ui.files.push_back((home.path() / file).string());
  EXPECT_TRUE(import_tee_sheet(state, 1));
}

TEST(TeeSheetImport, AnUnchangedSheetRestoresEverySlotWithoutCartsAndScores) {
  for (const char* file : {"round.xlsx", "round.csv"}) {
    SCOPED_TRACE(file);
    TestHome home;
    State& state = home.started();
    put_twelve_slots(state);
    export_then_import(home, state, file);
    EXPECT_EQ(
        home.ui.messages[1].text,
        "For the selected tournament (Spring Cup) 4 golfers have been entered and scores have been entered for 1 "
        "golfers.\n\nImporting golfers from the Excel spreadsheet will cause all existing golfers and scores to be "
        "erased. \n\nDo you wish to continue with this import?");
    EXPECT_EQ(home.ui.messages[1].default_button, Button::cancel);  // Enter does not erase the field
    EXPECT_EQ(home.ui.last_message()->text, "A total of 4 golfers were imported into the (Spring Cup) tournament.");
    GolferEntry alan = golfer_at(state, 1, 0);
    EXPECT_EQ(std::string(alan.name), "Alan Brooks");
    EXPECT_EQ(alan.handicap_index, 84);
    EXPECT_EQ(alan.entry_flags, 0u);
    EXPECT_EQ(alan.hole_scores[0], 0);
    EXPECT_EQ(alan.is_member, 1);
    GolferEntry claire = golfer_at(state, 1, 1);
    EXPECT_EQ(claire.handicap_index, -23);
    EXPECT_EQ(claire.division, 2);
    EXPECT_EQ(claire.gender, 'F');
    EXPECT_EQ(claire.is_member, 0);
    EXPECT_EQ(std::string(golfer_at(state, 2, 0).name), "David Evans");
    EXPECT_EQ(std::string(golfer_at(state, 3, 3).name), "Emma Fisher");
    EXPECT_EQ(golfer_at(state, 1, 2).name[0], 0);
    EXPECT_EQ(state.header.group_count, 3);
  }
}

TEST(TeeSheetImport, EveryFormatGivesTheSameField) {
  std::vector<std::vector<std::string>> fields;
  for (const char* name : {"tee_sheet.xlsx", "tee_sheet.xls", "tee_sheet.ods", "tee_sheet.csv"}) {
    SCOPED_TRACE(name);
    TestHome home;
    State& state = home.started();
    put_cup(state, 1);
    home.ui.files.push_back(fixture(name).string());
    EXPECT_TRUE(import_tee_sheet(state, 1));
    EXPECT_TRUE(std::filesystem::exists(home.path() / ("temp" + fixture(name).extension().string())));
    EXPECT_EQ(home.ui.last_message()->text,
              "A total of 6 golfers were imported into the (Spring Cup) tournament.\n\n1 name(s) were longer than 25 "
              "characters and were shortened.\n\n1 name(s) held characters that Quillon cannot store; each such "
              "character was replaced by '?'.");
    ASSERT_EQ(state.header.group_count, 2);  // 8 rows in groups of 4
    std::vector<std::string> field;
    for (int g = 1; g <= 2; ++g)
      for (int s = 0; s < 4; ++s) {
        GolferEntry e = golfer_at(state, g, s);
        field.push_back(format_text(120, "%s|%d|%d|%c|%u|%d", e.name, e.handicap_index, e.division,
                                    e.gender ? e.gender : '-', e.entry_flags, e.is_member));
      }
    EXPECT_EQ(field,
              (std::vector<std::string>{"Alan Brooks|84|1|M|0|1", "Claire Dunn|-23|2|F|1|0", "|0|0|-|0|0",
                                        "Zo\xEB \xC4ngstr\xF6m|404|1|F|1|0",  // 62 for a woman, division 0 becomes 1
                                        "Smith  John|123|1|M|0|1",  // ';' ends a field; division 5 of 2 becomes 1
                                        "?ukasz Nowak|364|1|M|0|0",  // no handicap
                                        "|0|0|-|0|0", "Bartholomew Fitzwilliams-|201|1|M|0|0"}));
    fields.push_back(field);
  }
}

TEST(TeeSheetImport, RowsRaiseTheGroupCountAndVacanciesCount) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 5);
  std::string csv = "Name,Handicap,Gender\r\n";
  for (int i = 1; i <= 30; ++i) csv += "Golfer " + std::to_string(i) + ",10.0,M\r\n";
  std::ofstream(home.path() / "thirty.csv") << csv;
  home.ui.files.push_back((home.path() / "thirty.csv").string());
  EXPECT_TRUE(import_tee_sheet(state, 1));
  EXPECT_EQ(state.header.group_count, 8);
  EXPECT_EQ(home.ui.last_message()->text, "A total of 30 golfers were imported into the (Spring Cup) tournament.");
  EXPECT_EQ(std::string(golfer_at(state, 8, 1).name), "Golfer 30");

  // Vacancy rows before the golfers take slots too: 21 rows need 6 groups.
  TestHome other;
  State& s2 = other.started();
  put_cup(s2, 5);
  std::string with_cells = "Name,Gender\r\n";
  for (int i = 1; i <= 20; ++i) with_cells += ",M\r\n";
  with_cells += "Last One,F\r\n";
  std::ofstream(other.path() / "late.csv") << with_cells;
  other.ui.files.push_back((other.path() / "late.csv").string());
  EXPECT_TRUE(import_tee_sheet(s2, 1));
  EXPECT_EQ(s2.header.group_count, 6);
  EXPECT_EQ(std::string(golfer_at(s2, 6, 0).name), "Last One");
  EXPECT_EQ(other.ui.last_message()->text, "A total of 1 golfers were imported into the (Spring Cup) tournament.");
}

TEST(TeeSheetImport, MoreRowsThanTheTournamentHoldsAreRefusedBeforeAnythingIsErased) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  put_golfers(state, {{1, 0, "Keep Me", 100}});
  std::string csv = "Name\r\n";
  for (int i = 1; i <= 801; ++i) csv += "G" + std::to_string(i) + "\r\n";
  std::ofstream(home.path() / "big.csv") << csv;
  home.ui.answer(Button::ok);
  home.ui.files.push_back((home.path() / "big.csv").string());
  EXPECT_FALSE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(
      home.ui.last_message()->text,
      "The spreadsheet holds 801 rows up to its last golfer, but the (Spring Cup) tournament can hold at most 800 "
      "golfers in groups of 4.\n\nThe import was NOT successfully completed.");
  EXPECT_EQ(std::string(golfer_at(state, 1, 0).name), "Keep Me");
  EXPECT_EQ(state.header.group_count, 1);
}

TEST(TeeSheetImport, CancelMissingAndUnreadableFiles) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  home.ui.files.push_back("");
  EXPECT_FALSE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->text, "The import was cancelled as requested.");
  home.ui.files.push_back((home.path() / "none.xlsx").string());
  EXPECT_FALSE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->text,
            "An error was encountered locating the file.\n\nThe import was NOT successfully completed.");
  std::ofstream(home.path() / "junk.xlsx") << "junk";
  home.ui.files.push_back((home.path() / "junk.xlsx").string());
  EXPECT_FALSE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->title, "Spreadsheet Access Error");
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(home.ui.last_message()->text,
            "An error was encountered accessing the Excel spreadsheet.\n\nThe file is not a zip workbook, or it is "
            "damaged (too short).\n\nThe import was NOT successfully completed.");
}

TEST(ScoreDataExport, NineAndEighteenHoleLayouts) {
  EXPECT_EQ(score_data_columns(9),
            (std::vector<std::string>{"Name", "1", "2", "3", "4", "5", "6", "7", "8", "9", "Tot"}));
  EXPECT_EQ(score_data_columns(18).size(), 22u);
  EXPECT_EQ(score_data_columns(18)[19], "F9");

  TestHome home;
  State& state = home.started();
  put_cup(state, 1, 4, 9);
  put_golfers(state, {{1, 0, "Ann Lee", 100}, {1, 1, "No Card", 100}, {1, 2, "Out Early", 100}});
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  for (int h = 0; h < 9; ++h) state.group.entries[0].hole_scores[h] = static_cast<std::int8_t>(4 + h % 2);
  state.group.entries[2].hole_scores[0] = 5;
  state.group.entries[2].disqualified = 1;
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));
  home.ui.files.push_back((home.path() / "scores").string());
  EXPECT_TRUE(export_score_data(state));
  EXPECT_EQ(home.ui.last_message()->text,
            "The Score Data for the Spring Cup tournament was exported to an Excel spreadsheet [" +
                (home.path() / "scores.xlsx").string() + "].");
  Result<SheetTable> read = read_spreadsheet(home.path() / "scores.xlsx");
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  EXPECT_EQ(table.columns, score_data_columns(9));
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0], (std::vector<std::string>{"Ann Lee", "4", "5", "4", "5", "4", "5", "4", "5", "4", "40"}));
}

TEST(ScoreDataExport, EighteenHoleRowsSumTheNines) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  put_golfers(state, {{1, 0, "Ann Lee", 100}});
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  for (int h = 0; h < 18; ++h) state.group.entries[0].hole_scores[h] = static_cast<std::int8_t>(h < 9 ? 4 : 5);
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));
  Rows rows = score_data_rows(state, 18).value();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].size(), 22u);
  EXPECT_EQ(rows[0][10], "5");
  EXPECT_EQ(rows[0][19], "36");
  EXPECT_EQ(rows[0][20], "45");
  EXPECT_EQ(rows[0][21], "81");
}

}  // namespace
}  // namespace quillon::testing
