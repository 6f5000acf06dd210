#pragma once
// Whether a file's length fits the layout its system record describes. The
// start-up checks this before it writes anything, so that one damaged byte of
// the system record (the number of course slots, the desktop message flag)
// makes the start refuse the file instead of trimming or overwriting data it
// would misplace.
#include <cstdint>
#include <string>

#include "core/records/system_record.h"
#include "core/status.h"

namespace quillon {

inline constexpr int course_slot_step = 50;

// The part of the file after the last whole tournament block, by the layout
// the system record describes (length 0 when there is none or the record's
// slot count cannot be).
struct PartialBlock {
  std::int64_t offset = 0;
  std::int64_t length = 0;
};
PartialBlock partial_block(const SystemRecord& system, std::int64_t file_length);

// Whether a file of that length fits the layout its system record describes
// (also at most 998 tournaments); the failure's reason is in the user's words.
// The start-up and the backup's check and restore use this one rule. A partial last block that is
// all zero bytes (`partial_block_zero`, as a crash while the file grew leaves
// it) fits: it is a free slot, which the start-up trims.
Status check_layout_fits(const SystemRecord& system, std::int64_t file_length, bool partial_block_zero = false);

// Whether `length` bytes make whole golfer entries after a tournament header:
// the only partial blocks this program writes.
bool partial_block_fits(std::int64_t length);

}  // namespace quillon
