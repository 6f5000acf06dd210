// Tee sheets from every producer, and sheets that must never shift or erase
// a field: each is imported whole or refused with its reason before the
// erase question, leaving the field as it was.
#include <gtest/gtest.h>

#include <fstream>

#include "core/text.h"
#include "exchange/imports/tee_sheet_import.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

std::vector<std::string> field_of(State& state, int groups) {
  std::vector<std::string> field;
  for (int g = 1; g <= groups; ++g)
    for (int s = 0; s < 4; ++s) {
      GolferEntry e = golfer_at(state, g, s);
      field.push_back(e.name[0] ? format_text(120, "%s|%d|%d|%c|%u|%d", e.name, e.handicap_index, e.division, e.gender,
                                              e.entry_flags, e.is_member)
                                : "");
    }
  return field;
}

// A cup of one group with one golfer whose field an import may replace.
void put_kept_field(State& state) {
  put_cup(state, 1);
  put_golfers(state, {{1, 0, "Keep Me", 100}});
}

void expect_field_kept(State& state) {
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.group_count, 1);
  EXPECT_EQ(std::string(golfer_at(state, 1, 0).name), "Keep Me");
}

bool erase_question_asked(const TestHome& home) {
  for (const auto& m : home.ui.messages)
    if (m.text.find("will cause all existing golfers") != std::string::npos) return true;
  return false;
}

TEST(TeeSheetBorders, EveryProducerGivesTheSameField) {
  for (const char* name :
       {"producers/openpyxl.xlsx", "producers/xlsxwriter.xlsx", "producers/xlsxwriter_constant_memory.xlsx",
        "producers/gnumeric.xlsx", "producers/gnumeric_2007.xlsx", "producers/gnumeric.ods",
        "producers/libreoffice.ods", "producers/libreoffice.xlsx", "producers/sheetjs.xlsx", "producers/sheetjs.ods",
        "producers/sheetjs_formulas.xlsx", "producers/xlwt.xls", "producers/crlf_in_cell.csv", "producers/utf16.csv",
        "producers/semicolon_decimal_comma.csv"}) {
    SCOPED_TRACE(name);
    TestHome home;
    State& state = home.started();
    put_kept_field(state);
    home.ui.answer(Button::ok);
    home.ui.files.push_back(fixture(name).string());
    EXPECT_TRUE(import_tee_sheet(state, 1));
    EXPECT_EQ(home.ui.last_message()->text,
              "A total of 5 golfers were imported into the (Spring Cup) tournament.\n\n1 name(s) held characters "
              "that Quillon cannot store; each such character was replaced by '?'.");
    ASSERT_EQ(state.header.group_count, 2);  // 6 rows in groups of 4
    EXPECT_EQ(field_of(state, 2), (std::vector<std::string>{
                                      "Jos\xE9 Mu\xF1oz|124|1|M|0|1",
                                      "S\xF8ren O'Brien|84|1|M|1|0",
                                      "Strau\xDF, Anna|-12|2|F|0|1",  // "+1.2" is plus 1.2
                                      "Mary Ann Wilson|360|1|F|0|0",  // both lines of the cell
                                      "",
                                      "?ukasz Nowak|200|1|M|0|0",
                                      "",
                                      "",
                                  }));
  }
}

TEST(TeeSheetBorders, LongCellsTabsAndAGolferNamedEofShiftNothing) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  const std::string long_name(600, 'L');
  std::ofstream(home.path() / "shift.csv", std::ios::binary) << "Name,Handicap,Gender,Division,PowerCart,Member\r\n"
                                                             << long_name << ",10.0,M,1,No,No\r\n"
                                                             << "EOF,12.0,F,2,Yes,Yes\r\n"
                                                             << "\"Tab\there\",5.0,M,1,No,Yes\r\n"
                                                             << "Last One,7.0,F,1,No,No\r\n";
  home.ui.files.push_back((home.path() / "shift.csv").string());
  EXPECT_TRUE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->text,
            "A total of 4 golfers were imported into the (Spring Cup) tournament.\n\n1 name(s) were longer than 25 "
            "characters and were shortened.");
  EXPECT_EQ(field_of(state, 1), (std::vector<std::string>{std::string(25, 'L') + "|100|1|M|0|0", "EOF|120|2|F|1|1",
                                                          "Tab here|50|1|M|0|1", "Last One|70|1|F|0|0"}));
}

TEST(TeeSheetBorders, SheetsWithNothingToImportAreRefusedBeforeTheEraseQuestion) {
  struct Case {
    std::string file;
    std::string text;  // the CSV to write, or empty for a fixture
    std::string reason;
  };
  const std::string access = "An error was encountered accessing the Excel spreadsheet.\n\n";
  const std::string not_completed = "\n\nThe import was NOT successfully completed.";
  const std::string refused = "The spreadsheet cannot be imported: ";
  const std::string nothing_changed = ".\n\nThe import was NOT successfully completed; nothing was changed.";
  const std::vector<Case> cases = {
      {"no_name.csv", "Golfer,Handicap\r\nAnn Lee,12.0\r\n",
       refused + "the sheet has no column named \"Name\" in its first row, so no golfer can be read" + nothing_changed},
      {"hostile/formula_names.xlsx", "",
       refused + "no row of the sheet has a name in its Name column" + nothing_changed},
      {"bad_index.csv", "Name;Handicap;Gender\r\nAnn Lee;12,4;F\r\nBob Stone;12,4,5;M\r\n",
       refused + "row 3, column B (\"Handicap\"): \"12,4,5\" is not a handicap index" + nothing_changed},
      {"bad_division.csv", "Name,Handicap,Division\r\nAnn Lee,12.0,two\r\n",
       refused + "row 2, column C (\"Division\"): \"two\" is not a division number" + nothing_changed},
      {"quote.csv", "Name,Handicap\r\n\"Ann Lee,12.0\r\nBob Stone,8.0\r\n",
       access + "The quote that opens a cell on line 2 is never closed, so the rest of the file would be one cell." +
           not_completed},
      {"hostile/far_column.xlsx", "",
       access + "The worksheet has a value in column XFD, beyond the 64 columns a sheet may hold." + not_completed},
      {"hostile/address_overflow.xlsx", "", access + "Not a cell address: A2147483648." + not_completed},
      {"hostile/deflate_bomb.xlsx", "",
       access +
           "The part xl/worksheets/sheet1.xml would unpack to 33 MB, more than the 32 MB a spreadsheet of golfers "
           "may hold." +
           not_completed},
      {"hostile/row_repeat.ods", "",
       access + "The worksheet has a value in row 5001, beyond the 5000 rows a sheet may hold." + not_completed},
      {"hostile/column_repeat.ods", "",
       access + "The worksheet has a value in column BM, beyond the 64 columns a sheet may hold." + not_completed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TestHome home;
    State& state = home.started();
    put_kept_field(state);
    std::filesystem::path path = fixture(c.file);
    if (!c.text.empty()) {
      path = home.path() / c.file;
      std::ofstream(path, std::ios::binary) << c.text;
    }
    home.ui.files.push_back(path.string());
    EXPECT_FALSE(import_tee_sheet(state, 1));
    EXPECT_EQ(home.ui.last_message()->kind, 1);
    EXPECT_EQ(home.ui.last_message()->text, c.reason);
    EXPECT_FALSE(erase_question_asked(home));
    expect_field_kept(state);
  }
}

TEST(TeeSheetBorders, EmptyRepeatsToTheSheetsEndAreOnlyCounted) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  home.ui.files.push_back(fixture("hostile/empty_repeats.ods").string());
  EXPECT_TRUE(import_tee_sheet(state, 1));
  EXPECT_EQ(home.ui.last_message()->text, "A total of 1 golfers were imported into the (Spring Cup) tournament.");
  EXPECT_EQ(field_of(state, 1), (std::vector<std::string>{"Ann Lee|120|1|M|0|0", "", "", ""}));
}

TEST(TeeSheetBorders, CancellingTheEraseQuestionAfterReadingChangesNothing) {
  TestHome home;
  State& state = home.started();
  put_kept_field(state);
  home.ui.files.push_back(fixture("producers/openpyxl.xlsx").string());
  home.ui.answer(Button::cancel);
  EXPECT_FALSE(import_tee_sheet(state, 1));  // stopped by the answer
  EXPECT_TRUE(erase_question_asked(home));
  expect_field_kept(state);
}

}  // namespace
}  // namespace quillon::testing
