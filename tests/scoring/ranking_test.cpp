// Ranks, the manual winner's move and the alternation of gross and net places.
#include <gtest/gtest.h>

#include "scoring/ranking.h"

namespace quillon {
namespace {

std::vector<ResultRow> rows_with_keys(std::initializer_list<const char*> keys) {
  std::vector<ResultRow> rows;
  int position = 0;
  for (const char* key : keys) {
    ResultRow row;
    row.key = KeyText(key);
    row.gross_key = KeyText(key);
    row.name = std::string("G") + std::to_string(position);
    row.field_position = position++;
    rows.push_back(row);
  }
  return rows;
}

std::vector<int> ranks(const std::vector<ResultRow>& rows) {
  std::vector<int> out;
  for (const auto& r : rows) out.push_back(r.rank);
  return out;
}

std::vector<std::string> names(const std::vector<ResultRow>& rows) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(r.name);
  return out;
}

TEST(Ranking, SortsByteWiseKeepingFieldOrderAndSharesRanks) {
  auto rows = rows_with_keys({"072", "070", "072", "072", "075", "070"});
  sort_by_key(rows);
  assign_ranks(rows);
  EXPECT_EQ(names(rows), (std::vector<std::string>{"G1", "G5", "G0", "G2", "G3", "G4"}));
  EXPECT_EQ(ranks(rows), (std::vector<int>{1, 1, 3, 3, 3, 6}));

  // Keys that differ only after their eighth byte, one a prefix of another.
  auto long_keys = rows_with_keys({"07200959496", "07200959495", "0720095949", "07200959495"});
  sort_by_key(long_keys);
  assign_ranks(long_keys);
  EXPECT_EQ(names(long_keys), (std::vector<std::string>{"G2", "G1", "G3", "G0"}));
  EXPECT_EQ(ranks(long_keys), (std::vector<int>{1, 2, 2, 4}));
}

TEST(Ranking, ManualWinnerTakesTheTopAndTheOthersKeepTheirOrder) {
  auto rows = rows_with_keys({"070", "071", "071", "080"});
  assign_ranks(rows);
  rows[3].manual_winner = true;
  rows[2].manual_winner = false;
  EXPECT_TRUE(move_manual_winner(rows));
  EXPECT_EQ(names(rows), (std::vector<std::string>{"G3", "G0", "G1", "G2"}));
  EXPECT_EQ(ranks(rows), (std::vector<int>{1, 2, 3, 3}));

  auto none = rows_with_keys({"070"});
  EXPECT_FALSE(move_manual_winner(none));
  std::vector<ResultRow> empty;
  EXPECT_FALSE(move_manual_winner(empty));
}

TEST(Ranking, AlphabeticalOrderKeepsRanks) {
  auto rows = rows_with_keys({"070", "071"});
  rows[0].name = "Zoe";
  rows[1].name = "Amy";
  assign_ranks(rows);
  sort_by_name(rows);
  EXPECT_EQ(names(rows), (std::vector<std::string>{"Amy", "Zoe"}));
  EXPECT_EQ(ranks(rows), (std::vector<int>{2, 1}));
}

TEST(Ranking, AlternationStrikesPlacedRowsAndStopsGrossAtTheLimit) {
  auto rows = rows_with_keys({"060", "061", "062", "063", "064"});
  // Gross order: G4, G0, G3, G1, G2.
  const char* gross[] = {"071", "074", "075", "072", "070"};
  for (int i = 0; i < 5; ++i) rows[i].gross_key = KeyText(gross[i]);
  auto places = alternate_gross_and_net(rows, 1);
  std::vector<std::string> text;
  for (const auto& p : places) text.push_back(std::to_string(p.place) + (p.gross ? "G" : "N") + rows[p.row].name);
  EXPECT_EQ(text, (std::vector<std::string>{"1GG4", "1NG0", "2NG1", "3NG2", "4NG3"}));

  places = alternate_gross_and_net(rows, 400);
  text.clear();
  for (const auto& p : places) text.push_back(std::to_string(p.place) + (p.gross ? "G" : "N") + rows[p.row].name);
  EXPECT_EQ(text, (std::vector<std::string>{"1GG4", "1NG0", "2GG3", "2NG1", "3GG2"}));
}

}  // namespace
}  // namespace quillon
