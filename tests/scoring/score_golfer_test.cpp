// Scoring of one golfer by format: the card check and the values every format
// stores, with the primary value and handicap preference of the sort key.
#include <gtest/gtest.h>

#include <cstring>

#include "core/fixed_text.h"
#include "core/state.h"
#include "scoring/format_rules.h"
#include "scoring/score_golfer.h"
#include "scoring/sort_key.h"
#include "tests/scoring/scoring_fixture.h"
#include "tournament/field.h"

namespace quillon {
namespace {

using testing::golfer;
using testing::par_golfer;
using testing::scoring_tee;
using testing::TestHome;
using testing::TestTournament;

// Gross 78: double bogeys on holes 1 and 4, bogeys on holes 10 and 18.
GolferEntry card_78(int index_tenths = 0, int division = 1) {
  return par_golfer("Ann Lee", {{1, 6}, {4, 7}, {10, 5}, {18, 5}}, index_tenths, 'M', division);
}

struct Scored {
  // Aligned like the record buffers, so that the assertions' references to its
  // 16-bit fields are aligned too.
  alignas(8) GolferEntry entry{};
  bool scored = false;
  std::string key_head;  // primary value and handicap preference
};

Scored score_in_slot(State& state, int slot, CardMessages messages = CardMessages::quiet) {
  Scored s;
  s.scored = score_golfer(state, slot, messages).is_ok();
  s.entry = state.group.entries[slot - 1];
  const CourseRecord tee = division_tee(state, s.entry.division);
  KeyText key = golfer_sort_key(state.header, tee, state.system, s.entry, 'M', report_type::traditional);
  s.key_head = key.str().substr(0, 5);
  return s;
}

Scored score_alone(Format format, const GolferEntry& g, int holes = 18) {
  TestHome home;
  TestTournament t(home, format, 4, holes);
  t.state.group = GroupBuffer{};
  t.state.group.entries[0] = g;
  return score_in_slot(t.state, 1);
}

struct Expected {
  Format format;
  int index_tenths;  // typed index of the card
  int gross;
  int adjusted;
  int handicap_index;  // after scoring
  int net;  // net, points or to-par total
  const char* key_head;
};

TEST(ScoreGolfer, EachIndividualFormatStoresItsValuesAndKey) {
  const Expected cases[] = {
      {Format::callaway, 0, 78, 78, 70, 71, "07117"},  // Callaway: +0 adjustment, worst hole 7 deducted
      {Format::gross, 104, 78, 78, 104, 68, "07800"},  // Gross Scores ranks by gross
      {Format::net, 104, 78, 78, 104, 68, "06800"},  // Net: course handicap 10
      {Format::stableford_net_par, 0, 78, 78, 0, 30, "86900"},  // 14 pars x 2 + two bogeys x 1
      {Format::stableford_net_bogey, 0, 78, 78, 0, 48, "85100"},  // 14 x 3 + 2 x 2 + 2 x 1
      {Format::daily_equalizer, 0, 78, 77, 60, 72, "07200"},  // Daily Equalizer: 7 capped to 6, -1 + 6 + 1
      {Format::peoria_modified, 0, 78, 78, 30, 75, "07500"},  // Peoria Modified: 1 over x 2.8 = 2.8 -> 3
      {Format::callaway_executive, 0, 78, 78, 70, 71, "07117"},  // Callaway (Executive) at base 70
      {Format::stableford_custom, 0, 78, 78, 0, 48, "85100"},  // custom table 7..0 on the bogey scale
      {Format::system36, 0, 78, 78, 60, 72, "07216"},  // System 36: 36 - 28 - 2
      {Format::best_holes_gross, 0, 78, 0, 0, 6, "25600"},  // Best 18 holes to par
      {Format::best_holes_net, 104, 78, 0, 104, -4, "24600"},  // less 10 strokes on holes 1..10
      {Format::peoria_single, 0, 78, 78, 20, 76, "07600"},  // Peoria Single: 2.4 -> 2
      {Format::peoria_double, 0, 78, 78, 40, 74, "07400"},  // Peoria Double: (1 + 2) x 1.2 = 3.6 -> 4
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE("format " + std::to_string(format_code(e.format)));
    GolferEntry g = card_78(e.index_tenths);
    Scored s = score_alone(e.format, g);
    EXPECT_TRUE(s.scored);
    EXPECT_EQ(s.entry.gross_score, e.gross);
    EXPECT_EQ(s.entry.adjusted_gross, e.adjusted);
    EXPECT_EQ(s.entry.handicap_index, e.handicap_index);
    EXPECT_EQ(s.entry.net_score, e.net);
    EXPECT_EQ(s.key_head, e.key_head);
  }
}

TEST(ScoreGolfer, ScheidUsesItsOwnTables) {
  TestHome home;
  TestTournament t(home, Format::scheid);
  t.state.header.callaway_table_base = 72;
  t.state.header.callaway_max_handicap = 50;
  t.state.group.entries[0] = card_78();
  Scored s = score_in_slot(t.state, 1);
  // i = 6: adjustment -1, one hole (7) deducted.
  EXPECT_EQ(s.entry.handicap_index, 60);
  EXPECT_EQ(s.entry.net_score, 72);
  EXPECT_EQ(s.key_head, "07216");
}

TEST(ScoreGolfer, ComputedHandicapsFillTheScoringBytesOnlyWhereTheyShould) {
  Scored callaway = score_alone(Format::callaway, card_78());
  EXPECT_EQ(callaway.entry.course_hcap, 7);
  EXPECT_EQ(callaway.entry.playing_hcap, 7);
  Scored peoria = score_alone(Format::peoria_modified, card_78());
  EXPECT_EQ(peoria.entry.course_hcap, 0);
  EXPECT_EQ(peoria.entry.playing_hcap, 0);
}

TEST(ScoreGolfer, NetFamilyStoresCourseAndPlayingHandicapsWithTheAllowance) {
  TestHome home;
  TestTournament t(home, Format::net);
  t.state.header.division_allowance[0] = 85;
  t.state.group.entries[0] = par_golfer("Ann Lee", {}, 155);  // 15.5 at slope 113 -> 16, 85 % -> 14
  Scored s = score_in_slot(t.state, 1);
  EXPECT_EQ(s.entry.course_hcap, 16);
  EXPECT_EQ(s.entry.playing_hcap, 14);
  EXPECT_EQ(s.entry.net_score, 58);
  EXPECT_EQ(s.key_head, "05800");
}

TEST(ScoreGolfer, TeamFormatsScoreTheirMembersByNetOrPoints) {
  for (Format format : {Format::best_123_gross, Format::best_balls_gross, Format::best_balls_net, Format::scramble,
                        Format::best_123_net, Format::best_two_gross_net}) {
    SCOPED_TRACE("format " + std::to_string(format_code(format)));
    Scored s = score_alone(format, card_78(104));
    EXPECT_TRUE(s.scored);
    EXPECT_EQ(s.entry.gross_score, 78);
    EXPECT_EQ(s.entry.course_hcap, 10);
    EXPECT_EQ(s.entry.net_score, 68);
  }
  Scored stableford = score_alone(Format::best_balls_stableford, card_78());
  EXPECT_EQ(stableford.entry.net_score, 48);
  Scored callaway_net = score_alone(Format::best_balls_callaway, card_78());
  EXPECT_EQ(callaway_net.entry.handicap_index, 70);
  EXPECT_EQ(callaway_net.entry.net_score, 71);
}

TEST(ScoreGolfer, HiddenFormatsComputeNothing) {
  for (Format format : {Format::best_ball_four_man_gross, Format::best_ball_four_man_net, Format::best_two_net,
                        Format::best_two_gross}) {
    SCOPED_TRACE("format " + std::to_string(format_code(format)));
    GolferEntry g = card_78(104);
    g.gross_score = 90;
    g.net_score = 80;
    Scored s = score_alone(format, g);
    EXPECT_TRUE(s.scored);
    EXPECT_EQ(s.entry.gross_score, 90);
    EXPECT_EQ(s.entry.net_score, 80);
    EXPECT_EQ(s.entry.course_hcap, 0);
  }
}

TEST(ScoreGolfer, NetScoresWithOneCallawayDivisionScoresEachDivisionItsWay) {
  TestHome home;
  TestTournament t(home, Format::net_with_callaway_division);
  t.state.header.division_count = 2;
  t.state.header.callaway_division = 2;
  t.state.group.entries[0] = card_78(104, 1);
  t.state.group.entries[1] = card_78(104, 2);
  Scored net = score_in_slot(t.state, 1);
  EXPECT_EQ(net.entry.net_score, 68);
  EXPECT_EQ(net.entry.handicap_index, 104);
  EXPECT_EQ(net.key_head, "06800");
  Scored callaway = score_in_slot(t.state, 2);
  EXPECT_EQ(callaway.entry.net_score, 71);
  EXPECT_EQ(callaway.entry.handicap_index, 70);
  EXPECT_EQ(callaway.key_head, "07117");
}

TEST(ScoreGolfer, CallawayScrambleScoresTheLowestScorePerHoleIntoTheFirstEntry) {
  TestHome home;
  TestTournament t(home, Format::callaway_scramble, 2);
  t.state.group.entries[0] = card_78();
  t.state.group.entries[1] = par_golfer("Bob Ray", {{3, 2}});
  Scored s = score_in_slot(t.state, 1);
  // Team card: par everywhere but a 2 on hole 3 = 71; i = 1 gives no handicap.
  EXPECT_EQ(s.entry.gross_score, 71);
  EXPECT_EQ(s.entry.handicap_index, 0);
  EXPECT_EQ(s.entry.net_score, 71);
}

TEST(ScoreGolfer, CallawayNineHoleOnANineHoleCourse) {
  TestHome home;
  TestTournament t(home, Format::callaway_nine, 4, 9);
  t.state.header.callaway_table_base = 35;
  t.state.header.callaway_max_handicap = 25;
  t.state.group.entries[0] = golfer("Ann Lee", {6, 4, 3, 7, 4, 4, 3, 5, 4});
  Scored s = score_in_slot(t.state, 1);
  // i = 5: +1.0 adjustment, half the worst hole (7) = 3.5; (35 + 10 + 5) / 10 = 5.
  EXPECT_TRUE(s.scored);
  EXPECT_EQ(s.entry.gross_score, 40);
  EXPECT_EQ(s.entry.handicap_index, 50);
  EXPECT_EQ(s.entry.net_score, 35);
  EXPECT_EQ(s.key_head, "03515");
}

// Reports read their golfers' tees themselves; scoring a card must not swap
// the course buffer under them.
TEST(ScoreGolfer, ScoringLeavesTheCourseBufferAlone) {
  TestHome home;
  TestTournament t(home, Format::net, 4);
  t.state.group.entries[0] = card_78(104);
  std::memset(&t.state.course, 0, sizeof t.state.course);
  set_field_text(t.state.course.course_name, "Elsewhere");
  EXPECT_TRUE(score_golfer(t.state, 1, CardMessages::quiet));
  EXPECT_EQ(t.state.group.entries[0].gross_score, 78);
  EXPECT_EQ(field_text(t.state.course.course_name), "Elsewhere");
}

TEST(ScoreGolfer, AmbroseStoresTheTeamHandicapAndNetInTheFirstEntry) {
  TestHome home;
  TestTournament t(home, Format::ambrose, 3);
  t.state.group.entries[0] = card_78(104);
  t.state.group.entries[1] = golfer("Bob Ray", {}, 155);
  t.state.group.entries[2] = golfer("", {}, 300);  // a vacancy does not count
  EXPECT_TRUE(score_golfer(t.state, 1, CardMessages::quiet));
  const GolferEntry& card = t.state.group.entries[0];
  // (104 + 155) / 2 = 129 tenths -> 13 strokes.
  EXPECT_EQ(card.team_handicap, 13);
  EXPECT_EQ(card.gross_score, 78);
  EXPECT_EQ(card.net_score, 65);
}

TEST(ScoreGolfer, StablefordCustomWithGrossScoresStillStoresTheHandicaps) {
  TestHome home;
  TestTournament t(home, Format::stableford_custom);
  t.state.system.flags |= system_flag::custom_stableford_gross;
  t.state.group.entries[0] = card_78(104);
  Scored s = score_in_slot(t.state, 1);
  EXPECT_EQ(s.entry.net_score, 48);
  EXPECT_EQ(s.entry.course_hcap, 10);
  EXPECT_EQ(s.entry.playing_hcap, 10);
}

TEST(ScoreGolfer, SystemThirtySixPlaysTheEnteredHandicapWhenLowerAndAsked) {
  TestHome home;
  TestTournament t(home, Format::system36);
  header_options::set(t.state.header, header_options::use_entered_handicap, true);
  t.state.group.entries[0] = card_78(50);
  Scored s = score_in_slot(t.state, 1);
  EXPECT_EQ(s.entry.handicap_index, 50);
  EXPECT_EQ(s.entry.net_score, 73);
  EXPECT_EQ(s.key_head, "07315");
}

TEST(ScoreGolfer, CardCheck) {
  TestHome home;
  TestTournament t(home, Format::net);
  GolferEntry missing = card_78(104);
  missing.hole_scores[4] = 0;
  missing.hole_scores[6] = 0;

  // Messages on: the first missing hole is named and nothing is scored.
  t.state.group.entries[0] = missing;
  EXPECT_FALSE(score_golfer(t.state, 1, CardMessages::shown));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].kind, 1);
  EXPECT_EQ(home.ui.messages[0].text, "Golfer [Ann Lee], Hole # [5] :\n Score must be > 0 and <= 15");
  EXPECT_EQ(t.state.group.entries[0].net_score, 0);

  // Messages off: refused silently for every format but Gross Scores.
  home.ui.messages.clear();
  Status quiet = score_golfer(t.state, 1, CardMessages::quiet);
  EXPECT_FALSE(quiet);
  EXPECT_EQ(quiet.reason(), "Golfer [Ann Lee], Hole # [5] :\n Score must be > 0 and <= 15");
  EXPECT_TRUE(home.ui.messages.empty());

  // A score above 15 counts as not entered.
  GolferEntry too_high = card_78();
  too_high.hole_scores[8] = 16;
  t.state.group.entries[0] = too_high;
  EXPECT_FALSE(score_golfer(t.state, 1, CardMessages::shown));
  EXPECT_EQ(home.ui.messages.back().text, "Golfer [Ann Lee], Hole # [9] :\n Score must be > 0 and <= 15");
}

TEST(ScoreGolfer, GrossScoresKeepTheTypedTotalOfAnIncompleteCard) {
  TestHome home;
  TestTournament t(home, Format::gross);
  GolferEntry g = card_78(104);
  g.hole_scores[17] = 0;
  g.gross_score = 80;
  g.net_score = 70;
  g.course_hcap = 10;
  t.state.group.entries[0] = g;
  EXPECT_TRUE(score_golfer(t.state, 1, CardMessages::quiet));
  const GolferEntry& s = t.state.group.entries[0];
  EXPECT_EQ(s.gross_score, 80);
  EXPECT_EQ(s.adjusted_gross, 80);
  EXPECT_EQ(s.net_score, 70);
  EXPECT_EQ(s.hole_scores[0], 6);  // the stored holes are not wiped

  // With messages on the same card is refused.
  EXPECT_FALSE(score_golfer(t.state, 1, CardMessages::shown));
}

TEST(ScoreGolfer, TheSumOfTheHolesBeatsATypedGross) {
  for (Format format : {Format::gross, Format::net, Format::stableford_net_par, Format::callaway}) {
    SCOPED_TRACE("format " + std::to_string(format_code(format)));
    GolferEntry g = card_78();
    g.gross_score = 85;
    EXPECT_EQ(score_alone(format, g).entry.gross_score, 78);
  }
}

TEST(ScoreGolfer, AGenderOtherThanMOrFPlaysTheTournamentDefault) {
  TestHome home;
  TestTournament t(home, Format::net);
  // Women's slope 140 so that the block used shows in the course handicap.
  CourseRecord tee = scoring_tee();
  tee.women_slope = 140;
  t.state.course = tee;
  EXPECT_TRUE(write_record(t.state, RecordKind::course, 1));
  t.state.header.default_gender = 'F';
  GolferEntry g = card_78(100);
  g.gender = 0;
  t.state.group.entries[0] = g;
  EXPECT_TRUE(score_golfer(t.state, 1, CardMessages::quiet));
  EXPECT_EQ(t.state.group.entries[0].course_hcap, 12);  // 100 x 140 / 113 = 123 -> 12
}

}  // namespace
}  // namespace quillon
