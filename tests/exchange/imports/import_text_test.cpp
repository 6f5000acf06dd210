// "import.txt" and its field reader, and the handicap cells.
#include <gtest/gtest.h>

#include <fstream>

#include "exchange/imports/handicap_text.h"
#include "exchange/imports/import_file.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

TEST(FieldReader, EveryLineMustHaveAllItsFieldsAndEmptyFieldsStayEmpty) {
  TestHome home;
  const auto path = home.path() / "import.txt";
  auto write = [&](const std::string& text) { std::ofstream(path, std::ios::binary) << text; };
  write("Ann\t12.3\t\r\nEOF\t\tM\r\n");
  auto lines = read_import_lines(path, 3);
  ASSERT_TRUE(lines) << lines.status().reason();
  // An empty field is empty, and "EOF" is a name like any other.
  EXPECT_EQ(*lines, (std::vector<ImportLine>{{"Ann", "12.3", ""}, {"EOF", "", "M"}}));

  write("Ann\t12.3\r\nBob\t1\t2\t3\r\n");
  EXPECT_EQ(read_import_lines(path, 3).status().reason(), "line 1 has 2 fields instead of 3");
  write("Ann\t12.3\tM\r\nBob\t1\tM");
  EXPECT_EQ(read_import_lines(path, 3).status().reason(), "line 2 does not end with CR LF");
  write("Ann;Lee\t12.3\tM\r\n");
  EXPECT_EQ(read_import_lines(path, 3).status().reason(), "line 1 has a field that is too long or holds a field end");
  write(std::string(500, 'a') + "\t1\tM\r\n");
  EXPECT_FALSE(read_import_lines(path, 3));
}

TEST(ImportFile, CellsWithFieldEndsKeepEveryLaterRowInPlace) {
  TestHome home;
  const auto path = home.path() / "import.txt";
  const std::string long_cell(700, 'b');
  ASSERT_TRUE(write_import_lines(path, {{"Smith; John", "1\t2"},
                                        {"Ann\r\nLee", "x\xFFy"},
                                        {long_cell + "\tTail", ""},
                                        {"EOF", "3"},
                                        {"Mary\nAnn\rWilson", "4"}}));
  auto lines = read_import_lines(path, 2);
  ASSERT_TRUE(lines) << lines.status().reason();
  EXPECT_EQ(*lines, (std::vector<ImportLine>{{"Smith  John", "1 2"},
                                             {"Ann Lee", "x y"},
                                             {std::string(499, 'b'), ""},
                                             {"EOF", "3"},
                                             {"Mary Ann Wilson", "4"}}));
  EXPECT_EQ(import_cell(std::string(700, 'b')).size(), 499u);
}

TEST(HandicapText, TeeSheetCells) {
  auto index = [](const char* text, char gender) { return tee_sheet_index(*parse_handicap_text(text), gender); };
  EXPECT_EQ(index("+2.3", 'M'), -23);
  EXPECT_EQ(index(" 8.4", 'M'), 84);
  EXPECT_EQ(index("12.35", 'F'), 123);
  EXPECT_EQ(index("62", 'M'), 364);
  EXPECT_EQ(index("62", 'F'), 404);
  EXPECT_EQ(index("50.0", 'F'), 500);
  EXPECT_EQ(index("99.9", 'M'), 364);
  EXPECT_EQ(index("-1.5", 'M'), -15);
  EXPECT_TRUE(handicap_cell_readable("+10.0"));
  EXPECT_FALSE(handicap_cell_readable("+10.1"));
  EXPECT_FALSE(handicap_cell_readable("-12"));
  EXPECT_FALSE(handicap_cell_readable(""));
  EXPECT_FALSE(handicap_cell_readable("abc"));
  EXPECT_FALSE(handicap_cell_readable("1.2.3"));
  // A decimal comma, as European spreadsheet programs write it, is a decimal point.
  EXPECT_EQ(handicap_cell_text(" 12,4 "), "12.4");
  EXPECT_EQ(handicap_cell_text("+1,2"), "+1.2");
  EXPECT_EQ(handicap_cell_text("36.0"), "36.0");
  EXPECT_EQ(handicap_cell_text("1,2,3"), std::nullopt);
  EXPECT_EQ(handicap_cell_text("1.2,3"), std::nullopt);
  EXPECT_EQ(handicap_cell_text("12.4 kg"), std::nullopt);
}

TEST(HandicapText, MemberListCells) {
  auto index = [](const char* text, char gender, bool halve) {
    return member_list_index(parse_handicap_text(text), gender, halve);
  };
  EXPECT_EQ(index("12.34", 'M', false), 123);
  EXPECT_EQ(index("12.35", 'M', false), 124);
  EXPECT_EQ(index("+1.2", 'M', false), -12);
  EXPECT_EQ(index("12.3", 'M', true), 61);
  EXPECT_EQ(index("62", 'F', false), 404);
  EXPECT_EQ(member_list_index(std::nullopt, 'M', false), 364);
  EXPECT_EQ(member_list_index(std::nullopt, 'F', true), 202);
}

}  // namespace
}  // namespace quillon::testing
