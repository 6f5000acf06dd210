// Flights by handicap index: sizes both ways, stable order, the overlap
// warning, disqualified golfers and the refusal for team formats.
#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "core/text.h"
#include "tests/scoring/scoring_fixture.h"
#include "tournament/flights.h"
#include "tournament/header_options.h"

namespace quillon {
namespace {

using testing::TestHome;

TEST(FlightSizes, EightyOneGolfersInFourFlightsBothWays) {
  EXPECT_EQ(flight_sizes(81, 4, false), (std::vector<int>{21, 20, 20, 20}));
  EXPECT_EQ(flight_sizes(81, 4, true), (std::vector<int>{20, 20, 20, 21}));
  EXPECT_EQ(flight_sizes(10, 4, true), (std::vector<int>{2, 2, 3, 3}));
}

class FlightsTest : public ::testing::Test {
 protected:
  FlightsTest() : state(home.started()) {
    state.course = testing::scoring_tee();
    EXPECT_TRUE(write_record(state, RecordKind::course, 1));
    state.course_count = 1;
  }

  // Tournament 1 with golfers of these indexes (tenths), four to a group.
  void field(const std::vector<int>& indexes, Format format = Format::net) {
    state.header = testing::scoring_header(format);
    header_options::set(state.header, header_options::auto_assign, true);
    state.header.group_count = static_cast<std::uint8_t>((indexes.size() + 3) / 4);
    ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
    state.tournament_count = 1;
    for (std::size_t i = 0; i < indexes.size(); i += 4) {
      state.group = GroupBuffer{};
      for (std::size_t s = 0; s < 4 && i + s < indexes.size(); ++s) {
        GolferEntry& e = state.group.entries[s];
        set_field_text(e.name, format_text(16, "G%02d", static_cast<int>(i + s)));
        e.handicap_index = static_cast<std::int16_t>(indexes[i + s]);
        e.division = 9;
      }
      ASSERT_TRUE(write_record(state, RecordKind::group, static_cast<int>(i / 4) + 1));
    }
  }

  // Divisions of the golfers in field order.
  std::vector<int> divisions() {
    EXPECT_TRUE(read_record(state, RecordKind::tournament, 1));
    std::vector<int> out;
    for (int g = 1; g <= state.header.group_count; ++g) {
      EXPECT_TRUE(read_record(state, RecordKind::group, g));
      for (int s = 0; s < 4; ++s)
        if (state.group.entries[s].name[0]) out.push_back(state.group.entries[s].division);
    }
    return out;
  }

  TestHome home;
  State& state;
};

TEST_F(FlightsTest, EightyOneGolfersFromLastFlightToFirst) {
  std::vector<int> indexes;
  for (int i = 0; i < 81; ++i) indexes.push_back(i * 3);
  field(indexes);
  home.ui.dialog(DialogScript{{{"flights", " 4"}, {"extra", "From last flight to first"}}});
  ASSERT_TRUE(reorganize_flights_by_index(state));
  std::vector<int> d = divisions();
  EXPECT_EQ(std::count(d.begin(), d.end(), 1), 20);
  EXPECT_EQ(std::count(d.begin(), d.end(), 4), 21);
  EXPECT_EQ(d[19], 1);
  EXPECT_EQ(d[20], 2);
  EXPECT_EQ(state.header.division_count, 4);
  EXPECT_FALSE(header_options::has(state.header, header_options::auto_assign));
  EXPECT_EQ(state.system.default_flight_count, 4);
  EXPECT_TRUE(state.system.flags & system_flag::extra_golfers_last);
  EXPECT_EQ(home.ui.last_message()->text,
            "Reorganization Complete.\n\nTo view a list of golfers sorted by Handicap Index and Division select "
            "'Print' / 'Golfer List' / 'By Handicap'.");
}

TEST_F(FlightsTest, OverlapWarningNamesBothFlightsAndADisqualifiedGolferKeepsItsDivision) {
  field({123, 50, 123, 200, 10});
  ASSERT_TRUE(read_record(state, RecordKind::group, 2));
  state.group.entries[0].disqualified = 1;  // G04, index 1.0
  ASSERT_TRUE(write_record(state, RecordKind::group, 2));
  home.ui.dialog(DialogScript{{{"flights", "2"}}});
  ASSERT_TRUE(reorganize_flights_by_index(state));
  // Four golfers: 5.0 and 12.3 (G00, first in group order) in flight 1, 12.3 (G02) and 20.0 in flight 2.
  EXPECT_EQ(divisions(), (std::vector<int>{1, 1, 2, 2, 9}));
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Warning");
  EXPECT_EQ(home.ui.messages[0].text,
            "The Handicap Index 12.3 overlaps between divisions 1 and 2.\n\nTo view a list of golfers sorted by "
            "Handicap Index and Division select 'Print' / 'Golfer List' / 'By Handicap'.");
}

TEST_F(FlightsTest, ScrambleIsRefusedAndCancelChangesNothing) {
  field({10, 20}, Format::scramble);
  EXPECT_FALSE(reorganize_flights_by_index(state));
  EXPECT_EQ(home.ui.last_message()->text,
            "Reorganization of flights based on Handicap Index is not possible for Scramble, Ambrose, or Team "
            "events.");
  field({10, 20});
  home.ui.dialog(DialogScript{{}, true, false});
  EXPECT_FALSE(reorganize_flights_by_index(state));
  EXPECT_EQ(divisions(), (std::vector<int>{9, 9}));
  EXPECT_EQ(state.header.division_count, 1);
}

}  // namespace
}  // namespace quillon
