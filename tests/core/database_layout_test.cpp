// The one layout rule the start-up and the backup's check and restore share.
#include <gtest/gtest.h>

#include "core/database.h"
#include "core/database_layout.h"

namespace quillon {
namespace {

TEST(DatabaseLayout, AtMost998TournamentsFit) {
  SystemRecord system{};
  system.course_slot_count = 50;
  const std::int64_t base = tournament_base_for(50);
  EXPECT_TRUE(check_layout_fits(system, base + 998LL * tournament_block_size));
  EXPECT_TRUE(check_layout_fits(system, base + 997LL * tournament_block_size + tournament_header_size));
  const std::int64_t too_long = base + 999LL * tournament_block_size;
  EXPECT_EQ(check_layout_fits(system, too_long).reason(),
            "The database file is " + std::to_string(too_long) +
                " bytes long, which makes 999 tournaments; this program keeps at most 998, so the file appears to be "
                "damaged.");
  // A last block of a header and whole golfer entries still counts.
  EXPECT_FALSE(check_layout_fits(system, base + 998LL * tournament_block_size + tournament_header_size));
}

}  // namespace
}  // namespace quillon
