// Sheets made to harm the reader: bounds that refuse a sheet before it is
// allocated, a cell address past every worksheet, and a parser that crashes,
// loops or swallows memory in its child process while the program goes on.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include "exchange/spreadsheets/isolated_read.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

TEST(CellAddress, A1FormsAndAddressesPastEveryWorksheet) {
  std::uint64_t row = 9;
  std::uint64_t column = 9;
  ASSERT_TRUE(parse_cell_address("B12", row, column));
  EXPECT_EQ(row, 11u);
  EXPECT_EQ(column, 1u);
  ASSERT_TRUE(parse_cell_address("$c$3", row, column));
  EXPECT_EQ(row, 2u);
  EXPECT_EQ(column, 2u);
  ASSERT_TRUE(parse_cell_address("XFD1048576", row, column));
  EXPECT_EQ(row, 1048575u);
  EXPECT_EQ(column, 16383u);
  for (const char* bad : {"A2147483648", "A1048577", "XFE1", "AAAAAAAAAAAAAAA1", "A0", "1A", "A", "", "A1B", "$$A1"})
    EXPECT_FALSE(parse_cell_address(bad, row, column)) << bad;
  EXPECT_EQ(column_letters(0), "A");
  EXPECT_EQ(column_letters(25), "Z");
  EXPECT_EQ(column_letters(26), "AA");
  EXPECT_EQ(column_letters(16383), "XFD");
}

TEST(HostileSheets, ClaimsBeyondTheBoundsAreRefusedWithTheirReason) {
  struct Case {
    const char* file;
    const char* reason;
  };
  for (const Case& c : {
           Case{"hostile/far_column.xlsx",
                "the worksheet has a value in column XFD, beyond the 64 columns a sheet may hold"},
           Case{"hostile/address_overflow.xlsx", "not a cell address: A2147483648"},
           Case{"hostile/deflate_bomb.xlsx",
                "the part xl/worksheets/sheet1.xml would unpack to 33 MB, more than the 32 MB a spreadsheet of golfers "
                "may hold"},
           Case{"hostile/row_repeat.ods",
                "the worksheet has a value in row 5001, beyond the 5000 rows a sheet may hold"},
           Case{"hostile/column_repeat.ods",
                "the worksheet has a value in column BM, beyond the 64 columns a sheet may hold"},
       }) {
    SCOPED_TRACE(c.file);
    Result<SheetTable> read = read_spreadsheet(fixture(c.file));
    ASSERT_FALSE(read);
    EXPECT_EQ(read.status().reason(), c.reason);
  }
  Result<SheetTable> read = read_spreadsheet(fixture("hostile/empty_repeats.ods"));
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  EXPECT_EQ(table.columns, (std::vector<std::string>{"Name", "Handicap"}));
  EXPECT_EQ(table.rows, (std::vector<std::vector<std::string>>{{"Ann Lee", "12.0"}}));
}

TEST(HostileSheets, LongCellsAreCutAndAnUnclosedQuoteIsRefused) {
  TestHome home;
  std::ofstream(home.path() / "long.csv", std::ios::binary) << "Name\r\n" << std::string(5000, 'x') << "\r\nB\r\n";
  Result<SheetTable> read = read_spreadsheet(home.path() / "long.csv");
  ASSERT_TRUE(read) << read.status().reason();
  const SheetTable& table = *read;
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0][0], std::string(max_cell_bytes, 'x'));
  EXPECT_EQ(table.rows[1][0], "B");
  std::ofstream(home.path() / "quote.csv", std::ios::binary) << "Name\r\nA\r\n\"B\r\nC\r\n";
  Result<SheetTable> quote = read_spreadsheet(home.path() / "quote.csv");
  EXPECT_EQ(quote.status().reason(),
            "the quote that opens a cell on line 3 is never closed, so the rest of the file would be one cell");
}

TEST(IsolatedRead, ACrashingLoopingOrGreedyParserEndsOnlyItsChild) {
  Result<SheetTable> crashed = read_in_child([]() -> Result<SheetTable> {
    std::abort();  // as a library does on a fault it finds in itself
  });
  EXPECT_EQ(crashed.status().reason(), std::string("the reader stopped on a fault (") + strsignal(SIGABRT) + ")");

  Result<SheetTable> looped = read_in_child(
      []() -> Result<SheetTable> {
        volatile unsigned long spins = 0;
        while (true) {
          spins = spins + 1;
        }
      },
      ChildLimits{256u << 20, 1});
  EXPECT_EQ(looped.status().reason(), "reading it took longer than 1 seconds");

  Result<SheetTable> slept = read_in_child(
      []() -> Result<SheetTable> {
        std::this_thread::sleep_for(std::chrono::seconds(60));
        return SheetTable{};
      },
      ChildLimits{256u << 20, 1});
  EXPECT_EQ(slept.status().reason(), "reading it took longer than 1 seconds");

  if (child_memory_limited()) {
    Result<SheetTable> greedy = read_in_child(
        []() -> Result<SheetTable> {
          SheetTable t;
          for (int k = 0; k < 64; ++k) t.rows.emplace_back(1, std::string(64u << 20, 'x'));
          return t;
        },
        ChildLimits{256u << 20, 20});
    EXPECT_EQ(greedy.status().reason(), "reading it needs more memory than a spreadsheet of golfers may");
  }
}

TEST(IsolatedRead, TheAnswerComesBackWholeAndADamagedOneIsRefused) {
  SheetTable sent;
  sent.columns = {"Name", "Handicap"};
  sent.rows = {{"Jos\u00e9", "12.4"}, {}, {"Tab\there", "", "third"}};
  Result<SheetTable> got = read_in_child([&]() -> Result<SheetTable> { return sent; });
  ASSERT_TRUE(got) << got.status().reason();
  EXPECT_EQ(got->columns, sent.columns);
  EXPECT_EQ(got->rows, sent.rows);
  Result<SheetTable> refused =
      read_in_child([]() -> Result<SheetTable> { return Status::failed("the reader's own reason"); });
  EXPECT_EQ(refused.status().reason(), "the reader's own reason");

  std::string bytes = encode_sheet_answer(sent);
  for (std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{7}, bytes.size() - 1}) {
    SCOPED_TRACE(cut);
    EXPECT_EQ(decode_sheet_answer(std::string_view(bytes).substr(0, cut)).status().reason(),
              "the reader's answer is damaged");
  }
  EXPECT_EQ(decode_sheet_answer(bytes + "x").status().reason(), "the reader's answer is damaged");
  std::string huge_count = bytes.substr(0, 1) + std::string("\xFF\xFF\xFF\x7F", 4);
  EXPECT_EQ(decode_sheet_answer(huge_count).status().reason(), "the reader's answer is damaged");
  Result<SheetTable> whole = decode_sheet_answer(bytes);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->rows, sent.rows);
}

}  // namespace
}  // namespace quillon::testing
