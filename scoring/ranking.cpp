#include "scoring/ranking.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string_view>

namespace quillon {

void sort_by_key(std::vector<ResultRow>& rows) {
  // The keys are copied side by side and sorted with their positions; the rows
  // then follow by exchanges in place. Rows are large: comparing through them
  // misses the cache, and a second list of them would double the memory.
  struct Entry {
    std::uint64_t head;  // the first eight key bytes, most significant first
    std::array<char, 52> key;
    std::uint8_t length;
    std::uint32_t position;
  };
  std::vector<Entry> entries(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Entry& e = entries[i];
    e.length = static_cast<std::uint8_t>(std::min(rows[i].key.size(), e.key.size()));
    e.key.fill(0);
    std::memcpy(e.key.data(), rows[i].key.data(), e.length);
    e.head = 0;
    for (int b = 0; b < 8; ++b) e.head = e.head << 8 | static_cast<unsigned char>(e.key[b]);
    e.position = static_cast<std::uint32_t>(i);
  }
  // Most keys differ in their first eight bytes (result, handicap, first
  // tie-break digits), so the whole text is compared only when those match.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    if (a.head != b.head) return a.head < b.head;
    return std::string_view(a.key.data(), a.length) < std::string_view(b.key.data(), b.length);
  });
  // Place i takes row entries[i].position: follow each cycle of the permutation.
  std::vector<std::uint32_t> source(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) source[i] = entries[i].position;
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
