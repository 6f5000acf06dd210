// The records an upload to the Parlink Network would send, worked out
// without asking and without a server.
#include <gtest/gtest.h>

#include <cstring>

#include "core/dates.h"
#include "exchange/network/net_parlink_upload.h"
#include "tests/exchange/support/net_fixture.h"

namespace quillon {
namespace {

class ParlinkPlan : public ::testing::Test {
 protected:
  void SetUp() override {
    state = &home.started();
    testing::put_course(*state, 1, testing::make_course("Pine Hills", "Blue", 18, 712, 128));
    testing::TournamentSpec field;
    field.group_size = 2;
    field.golfers = {testing::member("Lee, Ann", "A17", 'F', 18), testing::member("Cox, Cy", "", 'M', 18),
                    testing::member("Day, Di", "D4", 'M', 18, 3)};
    testing::put_tournament(*state, 1, field);
    data.version = 2024;
    data.letter = 'a';
    data.courses = {testing::make_course("Oak", "Red", 18, 700, 120),
                    testing::make_course("Pine Hills", "Blue", 18, 712, 128)};
  }
  ParlinkScoreRecord record(const std::string& records, int k) {
    ParlinkScoreRecord r;
    std::memcpy(&r, records.data() + k * sizeof r, sizeof r);
    return r;
  }

  testing::TestHome home{DateTime{2025, 3, 10, 9, 0, 0}};
  State* state = nullptr;
  ParlinkCourseData data;
};

TEST_F(ParlinkPlan, MembersWithAnIdAcrossGroupsAndTheStateLeftAlone) {
  std::memset(&state->header, 0, sizeof state->header);
  state->current_tournament = 0;
  Result<std::string> records = plan_parlink_upload(*state, 1, data, true);
  ASSERT_TRUE(records) << records.status().reason();
  ASSERT_EQ(records->size(), 2 * sizeof(ParlinkScoreRecord));
  ParlinkScoreRecord ann = record(*records, 0);
  ParlinkScoreRecord di = record(*records, 1);
  EXPECT_EQ(std::string(ann.name), "Lee, Ann");
  EXPECT_EQ(std::string(di.name), "Day, Di");  // from the second group
  EXPECT_EQ(ann.gross, 72);
  EXPECT_EQ(di.gross, 54);
  EXPECT_EQ(di.course_number, 2);
  EXPECT_EQ(ann.tournament_day, day_number(125, 3, 5));
  EXPECT_EQ(ann.upload_day, day_number(125, 3, 10));
  EXPECT_EQ(ann.flags, 0x4001);
  EXPECT_EQ(record(*plan_parlink_upload(*state, 1, data, false), 0).flags, 0x0001);
  // Read as values: the buffers and the current tournament did not move.
  EXPECT_EQ(state->header.name[0], 0);
  EXPECT_EQ(state->current_tournament, 0);
}

TEST_F(ParlinkPlan, AnUnknownVersionOrCourseIsRefusedWithTheMessage) {
  data.version = 2022;
  Result<std::string> old = plan_parlink_upload(*state, 1, data, false);
  ASSERT_FALSE(old);
  EXPECT_EQ(old.status().reason(),
            "Quillon for Windows 2025.a cannot exchange scores with an Parlink Network (2022.a) system.  One or both "
            "of the systems must be updated.");
  data.version = 2025;
  data.courses.pop_back();
  Result<std::string> unknown = plan_parlink_upload(*state, 1, data, false);
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.status().reason(),
            "The course for division 1 (Pine Hills - Blue) could not be located in the course database on the Parlink "
            "Network.  The scores for this tournament cannot be uploaded.");
}

}  // namespace
}  // namespace quillon
