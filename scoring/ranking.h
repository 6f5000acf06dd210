#pragma once
// Ordering of the results rows: by key, ranks with shared places, the manual
// winner, the alphabetical order and the alternating gross and net places.
#include <cstddef>
#include <vector>

#include "scoring/result_row.h"

namespace quillon {

// Ascending by key, byte-wise; equal keys keep their order.
void sort_by_key(std::vector<ResultRow>& rows);

// Rank 1 for the first row; every further row takes its position (from 1)
// when its key differs from the row before, else that row's rank (1, 2, 2, 4).
void assign_ranks(std::vector<ResultRow>& rows);

// Moves the first flagged row after the top one to the top and ranks again.
// Returns whether a row was moved.
bool move_manual_winner(std::vector<ResultRow>& rows);

// By name, byte-wise; each row keeps its rank, equal names their order. With
// `winner_on_top` the first row (a manual winner already moved there) stays first.
void sort_by_name(std::vector<ResultRow>& rows, bool winner_on_top = false);

struct AlternatingPlace {
  bool gross = false;  // a gross place ("%d G") or a net place ("%d N")
  int place = 0;  // 1, 2, ... within its list
  std::size_t row = 0;  // index into the net-ranked rows
};

// Places alternate gross and net, gross first; a row placed in one list is
// struck from the other; after `gross_limit` gross places all places are net.
// `rows` are in net order; their gross keys decide the gross order (equal
// keys in field order).
std::vector<AlternatingPlace> alternate_gross_and_net(const std::vector<ResultRow>& rows, int gross_limit);

}  // namespace quillon
