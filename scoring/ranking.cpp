#include "scoring/ranking.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string_view>

namespace quillon {

void sort_by_key(std::vector<ResultRow>& rows) {
  // The keys are copied side by side and sorted with their positions; each row
  // then moves once. Rows are large, and comparing through them misses the cache.
  struct Entry {
    std::array<char, 52> key;
    std::uint8_t length;
    std::uint32_t position;
  };
  std::vector<Entry> entries(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Entry& e = entries[i];
    e.length = static_cast<std::uint8_t>(std::min(rows[i].key.size(), e.key.size()));
    std::memcpy(e.key.data(), rows[i].key.data(), e.length);
    e.position = static_cast<std::uint32_t>(i);
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::string_view(a.key.data(), a.length) < std::string_view(b.key.data(), b.length);
  });
  std::vector<ResultRow> sorted;
  sorted.reserve(rows.size());
  for (const Entry& e : entries) sorted.push_back(std::move(rows[e.position]));
  rows = std::move(sorted);
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

void sort_by_name(std::vector<ResultRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const ResultRow& a, const ResultRow& b) { return a.name < b.name; });
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
