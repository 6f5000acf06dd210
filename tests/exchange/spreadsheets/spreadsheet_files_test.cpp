// Reading and writing workbooks: the four readable formats give the same
// table, exported workbooks read back with our reader and with openpyxl, and
// a write that fails leaves the file that was there.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/text.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "exchange/spreadsheets/spreadsheet_writer.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/testing/file_size_limit.h"
#include "tests/testing/files.h"

namespace quillon::testing {
namespace {

const std::vector<std::string> fixture_columns = {"GroupNum", "TeeTime",  "Name",      "Handicap",
                                                  "Gender",   "Division", "PowerCart", "Member"};

TEST(SpreadsheetReader, TheFourFormatsGiveTheSameTable) {
  for (const char* name : {"tee_sheet.xlsx", "tee_sheet.xls", "tee_sheet.ods", "tee_sheet.csv"}) {
    SCOPED_TRACE(name);
    Result<SheetTable> read = read_spreadsheet(fixture(name));
    ASSERT_TRUE(read) << read.status().reason();
    const SheetTable& table = *read;
    EXPECT_EQ(table.columns, fixture_columns);
    ASSERT_EQ(table.rows.size(), 8u);
    const int n = table.column("NAME");
    const int h = table.column("handicap");
    EXPECT_EQ(table.cell(0, n), "Alan Brooks");
    // LibreOffice keeps the leading blank of " 8.4" as a <text:s/> element, xlwt and the CSV as a blank.
    EXPECT_EQ(trimmed(table.cell(0, h)), "8.4");
    EXPECT_EQ(table.cell(1, h), "+2.3");
    EXPECT_EQ(table.cell(2, n), "");
    EXPECT_EQ(table.cell(3, n), "Zo\u00eb \u00c4ngstr\u00f6m");
    EXPECT_EQ(table.cell(3, h), "62");
    EXPECT_EQ(table.cell(4, n), "Smith; John");
    EXPECT_EQ(table.cell(4, h), "12.3");
    EXPECT_EQ(table.cell(5, n), "\u0141ukasz Nowak");
    EXPECT_EQ(table.cell(7, table.column("member")), "No");
    EXPECT_EQ(table.column("Active"), -1);
    EXPECT_EQ(table.cell(0, -1), "");
  }
}

TEST(SpreadsheetReader, LibreOfficeStylesAreTakenWithoutCrashing) {
  Result<SheetTable> read = read_spreadsheet(fixture("tee_sheet_styled.ods"));
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  ASSERT_EQ(table.rows.size(), 8u);
  EXPECT_EQ(table.cell(4, table.column("Name")), "Smith; John");
  EXPECT_EQ(table.cell(1, table.column("Handicap")), "2.3");  // LibreOffice took "+2.3" for a number
}

TEST(SpreadsheetReader, AForeignOrDamagedFileIsAFailure) {
  TestHome home;
  std::ofstream(home.path() / "notes.xlsx") << "this is no workbook";
  std::ofstream(home.path() / "notes.xls") << "this is no workbook either";
  EXPECT_FALSE(read_spreadsheet(home.path() / "notes.xlsx"));
  EXPECT_FALSE(read_spreadsheet(home.path() / "notes.xls"));
  EXPECT_FALSE(read_spreadsheet(home.path() / "notes.txt"));
  EXPECT_FALSE(read_spreadsheet(home.path() / "missing.csv"));
}

// The reader itself answers with a Status, also when it refuses: the program
// reads in a child process that would catch an exception, other callers not.
TEST(SpreadsheetReader, TheCsvReadersRefusalIsAStatusNotAnException) {
  TestHome home;
  std::ofstream(home.path() / "open.csv", std::ios::binary) << "Name;Index\r\n\"Lee, Ann;12\r\n";
  Status read = Status::ok();
  EXPECT_NO_THROW(read = make_csv_reader()->read_first_sheet(home.path() / "open.csv").status());
  EXPECT_EQ(read.reason(),
            "the quote that opens a cell on line 2 is never closed, so the rest of the file would be one cell");
}

TEST(SpreadsheetReader, CsvQuotesSemicolonsAndSingleByteFiles) {
  TestHome home;
  std::ofstream(home.path() / "quoted.csv", std::ios::binary)
      << "\xEF\xBB\xBFName,Note\r\n\"Smith, John\",\"said \"\"hi\"\"\r\nthen left\"\r\nAnn,\r\n";
  Result<SheetTable> read = read_spreadsheet(home.path() / "quoted.csv");
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  EXPECT_EQ(table.columns, (std::vector<std::string>{"Name", "Note"}));
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.cell(0, 0), "Smith, John");
  EXPECT_EQ(table.cell(0, 1), "said \"hi\"\r\nthen left");
  EXPECT_EQ(table.cell(1, 0), "Ann");

  // Semicolons separate, and a file that is not UTF-8 is read as Windows-1252.
  std::ofstream(home.path() / "legacy.csv", std::ios::binary) << "name;handicap\nZo\xEB;12.3\n";
  Result<SheetTable> legacy = read_spreadsheet(home.path() / "legacy.csv");
  ASSERT_TRUE(legacy) << legacy.status().reason();
  EXPECT_EQ(legacy->cell(0, legacy->column("name")), "Zo\u00eb");
  EXPECT_EQ(legacy->cell(0, legacy->column("handicap")), "12.3");
}

void write_sheet(const std::filesystem::path& path, const std::vector<std::vector<std::string>>& rows) {
  auto writer = make_sheet_writer(path);
  ASSERT_TRUE(writer->create(path, "Sheet1", {"Name", "Handicap"}));
  for (const auto& row : rows) ASSERT_TRUE(writer->add(row));
  Status closed = writer->close();
  ASSERT_TRUE(closed) << closed.reason();
}

TEST(SpreadsheetWriter, XlsxAndCsvReadBackCellForCell) {
  TestHome home;
  const std::vector<std::vector<std::string>> rows = {
      {"Zo\u00eb \u00c4ngstr\u00f6m", " 8.4"}, {"", ""}, {"Smith, \"J\"", "+2.3"}};
  for (const char* name : {"out.xlsx", "out.csv"}) {
    SCOPED_TRACE(name);
    write_sheet(home.path() / name, rows);
    Result<SheetTable> read = read_spreadsheet(home.path() / name);
    ASSERT_TRUE(read) << read.status().reason();
    const SheetTable& table = *read;
    EXPECT_EQ(table.columns, (std::vector<std::string>{"Name", "Handicap"}));
    ASSERT_EQ(table.rows.size(), 3u);
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (int c = 0; c < 2; ++c) EXPECT_EQ(table.cell(r, c), rows[r][static_cast<std::size_t>(c)]);
    EXPECT_TRUE(leftover_temporaries(home.path(), name).empty());
  }
}

TEST(SpreadsheetWriter, CsvIsUtf8WithAByteOrderMark) {
  TestHome home;
  write_sheet(home.path() / "out.csv", {{"Jos\u00e9", "12.3"}});
  std::ifstream in(home.path() / "out.csv", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "\xEF\xBB\xBFName,Handicap\r\nJos\u00e9,12.3\r\n");
}

TEST(SpreadsheetReader, Utf16TextWithItsByteOrderMark) {
  TestHome home;
  // "Unicode text": UTF-16 little-endian with its byte-order mark, a character outside the BMP too.
  std::u16string text = u"Name\tHandicap\r\nJos\u00e9 \U0001F3CC\t12,4\r\n";
  std::string le = "\xFF\xFE";
  for (char16_t c : text) {
    le += static_cast<char>(c & 0xFF);
    le += static_cast<char>(c >> 8);
  }
  std::ofstream(home.path() / "le.csv", std::ios::binary) << le;
  std::string be = "\xFE\xFF";
  for (std::size_t i = 2; i < le.size(); i += 2) be += std::string{le[i + 1], le[i]};
  std::ofstream(home.path() / "be.csv", std::ios::binary) << be;
  for (const char* name : {"le.csv", "be.csv"}) {
    SCOPED_TRACE(name);
    Result<SheetTable> read = read_spreadsheet(home.path() / name);
    ASSERT_TRUE(read) << read.status().reason();
    const SheetTable& table = *read;
    EXPECT_EQ(table.columns, (std::vector<std::string>{"Name", "Handicap"}));
    EXPECT_EQ(table.rows, (std::vector<std::vector<std::string>>{{"Jos\u00e9 \U0001F3CC", "12,4"}}));
  }
}

TEST(SpreadsheetWriter, OpenpyxlReadsTheExportedWorkbook) {
  TestHome home;
  write_sheet(home.path() / "out.xlsx", {{"Zo\u00eb", "12.3"}, {"Ann Lee", "+2.3"}});
  std::string script =
      "/usr/bin/python3 -c \"import openpyxl,sys; ws=openpyxl.load_workbook(sys.argv[1]).worksheets[0]; "
      "print(ws.title); [print('|'.join('' if c is None else str(c) for c in r)) for r in "
      "ws.iter_rows(values_only=True)]\" '" +
      (home.path() / "out.xlsx").string() + "'";
  std::FILE* pipe = popen(script.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, pipe)) out += buf;
  ASSERT_EQ(pclose(pipe), 0);
  EXPECT_EQ(out, "Sheet1\nName|Handicap\nZo\u00eb|12.3\nAnn Lee|+2.3\n");
}

TEST(SpreadsheetWriter, AWriteThatFailsIsReportedAndKeepsTheOldFile) {
  TestHome home;
  std::vector<std::vector<std::string>> many(400, {"A golfer with a long enough name", "12.3"});
  for (const char* name : {"out.xlsx", "out.csv"}) {
    SCOPED_TRACE(name);
    const auto path = home.path() / name;
    std::ofstream(path) << "the old file";
    auto writer = make_sheet_writer(path);
    Status status = Status::ok();
    {
      FileSizeLimit limit(2000);
      status = writer->create(path, "Sheet1", {"Name", "Handicap"});
      for (const auto& row : many)
        if (status) status = writer->add(row);
      if (status) status = writer->close();
    }
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.reason().empty());
    std::ifstream in(path);
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, "the old file");
    EXPECT_TRUE(leftover_temporaries(home.path(), name).empty());
  }
}

}  // namespace
}  // namespace quillon::testing
