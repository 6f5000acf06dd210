// Refresh Imported Handicaps.
#include <gtest/gtest.h>

#include "exchange/imports/golfer_sources.h"
#include "exchange/imports/handicap_refresh.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/exchange/support/ravelin_file.h"

namespace quillon::testing {
namespace {

TEST(HandicapRefresh, MembersOfTheSameNameKeepTheirOwnIndexes) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  put_golfers(state, {{1, 0, "Lee, Ann", 100, 'F', 1, true},
                      {1, 1, "Lee, Ann", 200, 'F', 1, true},
                      {1, 2, "Guest Gail", 150, 'F', 1, false},
                      {1, 3, "Stone, Bob", 90, 'M', 1, true}});
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  set_field_text(state.group.entries[0].member_id, "A1");
  set_field_text(state.group.entries[1].member_id, "A2");
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));

  std::vector<SourceMember> members = {{"Lee, Ann", "A2", 210}, {"Lee, Ann", "A1", 105}, {"Stone, Bob", "B7", 90}};
  RefreshCounts counts;
  ASSERT_TRUE(refresh_from_members(state, members, true, counts));
  EXPECT_EQ(counts.members_found, 3);
  EXPECT_EQ(counts.matched, 3);
  EXPECT_EQ(counts.changed, 2);
  EXPECT_EQ(golfer_at(state, 1, 0).handicap_index, 105);
  EXPECT_EQ(golfer_at(state, 1, 1).handicap_index, 210);
  EXPECT_EQ(golfer_at(state, 1, 2).handicap_index, 150);
  EXPECT_EQ(std::string(golfer_at(state, 1, 3).member_id), "B7");  // matched by name, takes the ID
}

TEST(HandicapRefresh, TheNameDecidesAndAMemberIdTypedByHandDoesNotStopTheRefresh) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1);
  put_golfers(state, {{1, 0, "Stone, Bob", 90, 'M', 1, true}, {1, 1, "Cox, Cy", 120, 'M', 1, true}});
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  set_field_text(state.group.entries[0].member_id, "typed-9");  // not the source's ID
  set_field_text(state.group.entries[1].member_id, "C3");
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));

  // The source's member C3 is now called otherwise: the ID alone does not match.
  std::vector<SourceMember> members = {{"Stone, Bob", "B7", 75}, {"Cox, Cyril", "C3", 130}};
  RefreshCounts counts;
  ASSERT_TRUE(refresh_from_members(state, members, true, counts));
  EXPECT_EQ(counts.members_found, 2);
  EXPECT_EQ(counts.matched, 1);
  EXPECT_EQ(counts.changed, 1);
  EXPECT_EQ(golfer_at(state, 1, 0).handicap_index, 75);
  EXPECT_EQ(std::string(golfer_at(state, 1, 0).member_id), "typed-9");  // a stored ID is kept
  EXPECT_EQ(golfer_at(state, 1, 1).handicap_index, 120);
}

TEST(HandicapRefresh, FromTheRavelinDatabaseWithItsSummary) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 1, 4, 9);
  RavelinFile file;
  file.flight(1, "Men", 0);
  file.flight(2, "Nine", 4);
  file.member({"A1", "Lee", "Ann", 150, 'F', 1});
  file.member({"B2", "Stone", "Bob", 1000, 'M', 2});
  file.save(home.path() / "rvwin4.dat");
  state.ravelin_path = "rvwin4.dat";
  put_golfers(state, {{1, 0, "Lee, Ann", 100, 'F', 1, true},
                      {1, 1, "Stone, Bob", 90, 'M', 1, true},
                      {1, 2, "Nobody, Ned", 90, 'M', 1, true}});
  EXPECT_TRUE(refresh_imported_handicaps(state));
  EXPECT_EQ(home.ui.last_message()->text,
            "A total of 3 members were found in the tournament.\n2 of 3 members were located in the handicap "
            "database.\nFor the 2 members located in the handicap database, 2 handicap(s) had changed and were "
            "updated.");
  EXPECT_EQ(golfer_at(state, 1, 0).handicap_index, 75);  // 18-hole index on 9 holes: (150 + 1) / 2
  EXPECT_EQ(golfer_at(state, 1, 1).handicap_index, 182);  // no index, 9-hole system: 182
  EXPECT_EQ(std::string(golfer_at(state, 1, 0).member_id), "A1");
}

}  // namespace
}  // namespace quillon::testing
