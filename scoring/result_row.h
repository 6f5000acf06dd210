#pragma once
// One ranked line of the results: a golfer, or a team from its first slot.
#include <memory>
#include <string>

#include "core/records/golfer_entry.h"
#include "scoring/key_digits.h"
#include "scoring/team_scoring.h"

namespace quillon {

struct ResultRow {
  ResultRow() = default;
  // A row of a scored entry; made this way the entry is copied in once,
  // without being cleared first.
  ResultRow(const GolferEntry& scored, int group_number, int slot_number)
      : group(group_number), slot(slot_number), entry(scored) {}

  KeyText key;  // sort key, at most longest_key characters, compared byte-wise
  KeyText gross_key;  // key of the gross list (alternating report only)
  std::string name;  // the golfer's name (a team's first golfer)
  int group = 0;
  int slot = 0;  // 1..group_size
  int field_position = 0;  // order in the field (group, then slot), from 0
  bool manual_winner = false;
  int rank = 0;
  GolferEntry entry{};  // the scored entry (a team's card)
  std::shared_ptr<const TeamScore> team;  // the team row, for team formats
};

}  // namespace quillon
