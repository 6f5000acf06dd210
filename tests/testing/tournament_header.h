#pragma once
// A one-division tournament header on 7 December 2026 (tee 1), with the
// groups asked for: what the kill tests and the benchmarks start from.
#include <string>

#include "core/fixed_text.h"
#include "core/records/tournament_header.h"

namespace quillon::testing {

inline TournamentHeader plain_tournament_header(const std::string& name, int group_size, int group_count) {
  TournamentHeader h{};
  h.date_year = 126;
  h.date_month = 12;
  h.date_day = 7;
  set_field_text(h.name, name);
  h.group_size = static_cast<decltype(h.group_size)>(group_size);
  h.group_count = static_cast<decltype(h.group_count)>(group_count);
  h.division_count = 1;
  h.division_tee[0] = 1;
  return h;
}

}  // namespace quillon::testing
