#pragma once
// A tournament on an 18-hole course (par 5, 3, then 4s; stroke index = hole
// number) with golfers placed directly into groups, and a stand-in for the
// results engine, for the score entry tests.
#include <gtest/gtest.h>

#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "handicap/formats.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/score_card.h"
#include "tournament/score_entry.h"
#include "tournament/tournament_commands.h"

namespace quillon::testing {

// Gross = the sum of the holes, net = gross less the whole strokes of the
// index; an incomplete card is not scored.
inline CardScorer summing_scorer(int holes) {
  return [holes](State& state, int slot) {
    GolferEntry& e = state.group.entries[slot - 1];
    int gross = 0;
    for (int h = 0; h < holes; ++h) {
      if (e.hole_scores[h] < 1) return Status::failed("hole " + std::to_string(h + 1) + " has no score");
      gross += e.hole_scores[h];
    }
    e.gross_score = static_cast<std::int16_t>(gross);
    e.adjusted_gross = static_cast<std::int16_t>(gross);
    e.net_score = static_cast<std::int16_t>(gross - e.handicap_index / 10);
    return Status::ok();
  };
}

struct ScoreEntryTest : ::testing::Test {
  TestHome home;
  State& state = home.started();

  void SetUp() override { make_tournament(18); }

  void make_tournament(int holes) {
    put_course(state, 1, "Pine Valley", "PV", "Blue", holes);
    for (int h = 0; h < holes; ++h) state.course.men_hcp_hole[h] = static_cast<std::int8_t>(h + 1);
    EXPECT_TRUE(write_record(state, RecordKind::course, 1));
    home.ui.dialog({{{"name", "Club Cup"}, {"format", "Net Scores"}}, false, false});
    ASSERT_EQ(add_tournament(state), 1);
    state.header.include_rating_and_par = 0;
    EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  }

  void set_format(Format format, int group_size = 4) {
    quillon::set_format(state.header, format);
    state.header.group_size = static_cast<std::int8_t>(group_size);
    EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
  }

  void put_golfer(int group, int row, const char* name, int index, char gender = 'M') {
    if (group > state.header.group_count) {
      state.header.group_count = static_cast<std::uint8_t>(group);
      EXPECT_TRUE(write_record(state, RecordKind::tournament, 1));
    }
    ASSERT_TRUE(read_record(state, RecordKind::group, group));
    GolferEntry& e = state.group.entries[row - 1];
    set_field_text(e.name, name);
    e.handicap_index = static_cast<std::int16_t>(index);
    e.gender = gender;
    e.division = 1;
    EXPECT_TRUE(write_record(state, RecordKind::group, group));
  }

  GolferEntry stored(int group, int row) {
    EXPECT_TRUE(read_record(state, RecordKind::group, group));
    return state.group.entries[row - 1];
  }

  // Types the holes from `first` on, one value each.
  static void type_holes(ScoreEntryModel& w, int row, const std::vector<std::string>& values, int first = 1) {
    for (std::size_t i = 0; i < values.size(); ++i)
      ASSERT_TRUE(w.set(ScoreEntryModel::hole_field(row, first + static_cast<int>(i)), values[i]).is_ok());
  }
};

}  // namespace quillon::testing
