// The same tee sheet as every spreadsheet program and library a club may use
// writes it (fixtures/producers, made by make_producer_fixtures.py): each is
// read cell for cell, or refused with a reason that says why.
#include <gtest/gtest.h>

#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

const char* const readable_producers[] = {"producers/openpyxl.xlsx",
                                          "producers/xlsxwriter.xlsx",
                                          "producers/xlsxwriter_constant_memory.xlsx",
                                          "producers/gnumeric.xlsx",
                                          "producers/gnumeric_2007.xlsx",
                                          "producers/gnumeric.ods",
                                          "producers/libreoffice.ods",
                                          "producers/libreoffice.xlsx",
                                          "producers/sheetjs.xlsx",
                                          "producers/sheetjs.ods",
                                          "producers/sheetjs_formulas.xlsx",
                                          "producers/xlwt.xls",
                                          "producers/crlf_in_cell.csv",
                                          "producers/utf16.csv",
                                          "producers/windows_1252.csv",
                                          "producers/semicolon_decimal_comma.csv"};

TEST(ProducerFiles, EveryProducerGivesTheSameCells) {
  for (const char* name : readable_producers) {
    SCOPED_TRACE(name);
    Result<SheetTable> read = read_spreadsheet(fixture(name));
    ASSERT_TRUE(read) << read.status().reason();
    const SheetTable& table = *read;
    EXPECT_EQ(table.columns, (std::vector<std::string>{"GroupNum", "TeeTime", "Name", "Handicap", "Gender", "Division",
                                                       "PowerCart", "Member"}));
    ASSERT_EQ(table.rows.size(), 6u);
    const int n = table.column("Name");
    const int h = table.column("Handicap");
    const bool cp1252 = std::string(name).find("1252") != std::string::npos;
    const bool comma = std::string(name).find("decimal_comma") != std::string::npos;
    EXPECT_EQ(table.cell(0, n), "Jos\u00e9 Mu\u00f1oz");
    EXPECT_EQ(table.cell(0, h), comma ? "12,4" : "12.4");
    EXPECT_EQ(table.cell(1, n), "S\u00f8ren O'Brien");
    EXPECT_EQ(table.cell(1, h), "8.4");
    EXPECT_EQ(table.cell(1, table.column("PowerCart")), "Yes");
    EXPECT_EQ(table.cell(2, n), "Strau\u00df, Anna");
    EXPECT_EQ(table.cell(2, h), "+1.2");
    EXPECT_EQ(table.cell(2, table.column("Division")), "2");
    // Both lines of the cell, with the line break its producer wrote.
    std::string two_lines = table.cell(3, n);
    EXPECT_TRUE(two_lines == "Mary\nAnn Wilson" || two_lines == "Mary\r\nAnn Wilson") << two_lines;
    EXPECT_EQ(table.cell(3, h), "36");
    EXPECT_EQ(table.cell(4, n), "");
    EXPECT_EQ(table.cell(5, n), cp1252 ? "Lukasz Nowak" : "\u0141ukasz Nowak");
    EXPECT_EQ(table.cell(5, h), "20");
    EXPECT_EQ(table.cell(5, table.column("TeeTime")), "08:10");
  }
}

TEST(ProducerFiles, OlderExcelFormatsAreRefusedSayingWhy) {
  struct Case {
    const char* file;
    const char* reason;
  };
  for (const Case& c : {Case{"producers/sheetjs_biff5.xls",
                             "the workbook is in the Excel 5.0/95 (BIFF5) format, which is too old to be read; open "
                             "it in a spreadsheet program and save it as an .xlsx workbook"},
                        Case{"producers/sheetjs_biff2.xls",
                             "the workbook is in the Excel 2.x (BIFF2) format, which is too old to be read; open it "
                             "in a spreadsheet program and save it as an .xlsx workbook"},
                        Case{"producers/sheetjs_biff8.xls",
                             "the workbook is stored in the small-file area (mini stream) of its compound document, "
                             "which the .xls reader (FreeXL) cannot read (FreeXL error -24); open it in a spreadsheet "
                             "program and save it as an .xlsx workbook"}}) {
    SCOPED_TRACE(c.file);
    Result<SheetTable> read = read_spreadsheet(fixture(c.file));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.status().reason(), c.reason);
  }
}

}  // namespace
}  // namespace quillon::testing
