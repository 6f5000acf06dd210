// "import.txt" and its field reader, and the handicap cells.
#include <gtest/gtest.h>

#include "exchange/imports/handicap_text.h"
#include "exchange/imports/import_file.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

TEST(FieldReader, FieldsEndAtTabCrLfSemicolonAndFF) {
  FieldReader fields("Ann\t12.3\r\nBob;M\xFFx\r\n\t");
  EXPECT_EQ(fields.next(), "Ann");
  EXPECT_EQ(fields.next(), "12.3");
  EXPECT_EQ(fields.next(), "Bob");
  EXPECT_EQ(fields.next(), "M");
  EXPECT_EQ(fields.next(), "x");
  EXPECT_EQ(fields.next(), "EOF");  // an empty field
  EXPECT_EQ(fields.next(), "EOF");  // the end
  FieldReader long_field(std::string(600, 'a'));
  EXPECT_EQ(long_field.next().size(), 499u);
  EXPECT_EQ(long_field.next().size(), 101u);
}

TEST(ImportFile, CellsWithFieldEndsKeepEveryLaterRowInPlace) {
  TestHome home;
  const auto path = home.path() / "import.txt";
  ASSERT_TRUE(write_import_lines(path, {{"Smith; John", "1\t2"}, {"Ann\r\nLee", "x\xFFy"}, {"Next", "3"}}));
  std::string text;
  ASSERT_TRUE(load_fields(path, text));
  EXPECT_EQ(text, "Smith  John\t1 2\r\nAnn  Lee\tx y\r\nNext\t3\r\n");
  FieldReader fields(text);
  for (const char* expected : {"Smith  John", "1 2", "Ann  Lee", "x y", "Next", "3", "EOF"})
    EXPECT_EQ(fields.next(), expected);
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
