#include "scoring/ranking.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string_view>

namespace quillon {

namespace {

// A row's place in the sort: its key's first eight bytes as one number, so
// that most comparisons need no byte loop, then the rest of the key, then the
// row's present position (equal keys keep their order).
struct SortItem {
  std::uint64_t head;
  std::uint32_t row;
};

std::uint64_t key_head(const KeyText& key) {
  std::string_view text = key.view();
  std::uint64_t head = 0;
  for (std::size_t i = 0; i < 8; ++i) head = (head << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  return head;
}

// The order of the rows by key, equal keys in their present order.
std::vector<std::uint32_t> key_order(const std::vector<ResultRow>& rows) {
  std::vector<SortItem> items(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) items[i] = {key_head(rows[i].key), static_cast<std::uint32_t>(i)};
  std::sort(items.begin(), items.end(), [&](const SortItem& a, const SortItem& b) {
    if (a.head != b.head) return a.head < b.head;
    int order = rows[a.row].key.view().compare(rows[b.row].key.view());
    return order != 0 ? order < 0 : a.row < b.row;
  });
  std::vector<std::uint32_t> order(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) order[i] = items[i].row;
  return order;
}

}  // namespace

void sort_by_key(std::vector<ResultRow>& rows) {
  // Rows are large: they are not moved while sorting but follow the sorted
  // order once, by exchanges in place.
  std::vector<std::uint32_t> source = key_order(rows);
  // Place i takes row source[i]: follow each cycle of the permutation.
  for (std::size_t start = 0; start < rows.size(); ++start) {
    if (source[start] == start) continue;
    ResultRow held = std::move(rows[start]);
    std::size_t place = start;
    while (source[place] != start) {
      std::size_t from = source[place];
      rows[place] = std::move(rows[from]);
      source[place] = static_cast<std::uint32_t>(place);
      place = from;
    }
    rows[place] = std::move(held);
    source[place] = static_cast<std::uint32_t>(place);
  }
}

void assign_ranks(std::vector<ResultRow>& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    rows[i].rank = (i > 0 && rows[i].key == rows[i - 1].key) ? rows[i - 1].rank : static_cast<int>(i) + 1;
}

bool move_manual_winner(std::vector<ResultRow>& rows) {
  auto winner = std::find_if(rows.begin() + std::min<std::size_t>(1, rows.size()), rows.end(),
                             [](const ResultRow& r) { return r.manual_winner; });
  if (winner == rows.end()) return false;
  std::rotate(rows.begin(), winner, winner + 1);
  assign_ranks(rows);
  return true;
}

void sort_by_name(std::vector<ResultRow>& rows, bool winner_on_top) {
  auto first = rows.begin() + (winner_on_top && !rows.empty() ? 1 : 0);
  std::stable_sort(first, rows.end(), [](const ResultRow& a, const ResultRow& b) { return a.name < b.name; });
}

std::vector<AlternatingPlace> alternate_gross_and_net(const std::vector<ResultRow>& rows, int gross_limit) {
  const std::size_t n = rows.size();
  std::vector<std::size_t> gross_order(n);
  std::iota(gross_order.begin(), gross_order.end(), 0);
  std::sort(gross_order.begin(), gross_order.end(), [&](std::size_t a, std::size_t b) {
    if (rows[a].gross_key != rows[b].gross_key) return rows[a].gross_key < rows[b].gross_key;
    return rows[a].field_position < rows[b].field_position;
  });

  std::vector<bool> placed(n, false);
  std::vector<AlternatingPlace> places;
  std::size_t next_gross = 0;
  std::size_t next_net = 0;
  int gross_places = 0;
  int net_places = 0;
  bool gross_turn = true;
  while (places.size() < n) {
    while (next_gross < n && placed[gross_order[next_gross]]) ++next_gross;
    while (next_net < n && placed[next_net]) ++next_net;
    bool gross = gross_turn && gross_places < gross_limit && next_gross < n;
    std::size_t row = gross ? gross_order[next_gross] : next_net;
    placed[row] = true;
    places.push_back({gross, gross ? ++gross_places : ++net_places, row});
    gross_turn = !gross_turn;
  }
  return places;
}

}  // namespace quillon
