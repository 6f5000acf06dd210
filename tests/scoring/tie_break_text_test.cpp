// The explanation printed under a results table, line by line.
#include <gtest/gtest.h>

#include "scoring/tie_break.h"
#include "scoring/tie_break_text.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon {
namespace {

using Lines = std::vector<std::string>;

const char* const opening = "<TABLE cellSpacing=0 cellPadding=0 width=550 border=0><tr><td align=middle>";

Lines explanation(Format format, int method, int holes = 18, int cap_index = 5) {
  TournamentHeader h = testing::scoring_header(format);
  header_options::set_tie_break(h, method);
  h.max_hole_score_index = static_cast<std::int8_t>(cap_index);
  return print_tie_break_explanation(h, holes);
}

Lines framed(Lines text) {
  text.insert(text.begin(), opening);
  text.push_back("</td></tr></table>");
  text.push_back("<br>");
  return text;
}

const Lines net_strokes = {"When Handicap Strokes were allocated in computing a net hole score,",
                           "strokes were allocated in order of precedence using the Handicap Holes",
                           "as defined in the course database."};
const Lines stableford_strokes = {"When Handicap Strokes were allocated in computing Stableford points,",
                                  "strokes were allocated in order of precedence using the Handicap Holes",
                                  "as defined in the course database."};

Lines join(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TieBreakText, CountBackFromEighteen) {
  EXPECT_EQ(explanation(Format::callaway, tie_break_method::count_back, 18, 1),
            framed(join({"Scores in excess of 1 over par have been eliminated from the Adjusted",
                         "Gross Score (Adj). The Net Score has been computed by subtracting the",
                         "calculated Handicap from the Adjusted Gross score.",
                         "In the case of ties, the golfer with the lower handicap has been given",
                         "preference.  Remaining ties have been broken by examining the accumulated",
                         "net scores after 17 holes.  If any ties still existed, net scores were",
                         "examined after 16 holes, 15 holes, etc, until all ties had been broken."},
                        net_strokes)));
  EXPECT_EQ(explanation(Format::gross, tie_break_method::count_back, 9),
            framed({"Ties have been broken using the 'Countback from 18' method by examining the accumulated gross "
                    "scores after",
                    "8 holes.  If any ties still existed, gross scores were examined after",
                    "7 holes, 6 holes, etc, until all ties had been broken."}));
  EXPECT_EQ(explanation(Format::net, tie_break_method::count_back),
            framed(join({"Ties have been broken using the 'Countback from 18' method by examining the accumulated "
                         "net scores after",
                         "17 holes.  If any ties still existed, gross scores were examined after",
                         "16 holes, 15 holes, etc, until all ties had been broken."},
                        net_strokes)));
  EXPECT_EQ(explanation(Format::stableford_net_par, tie_break_method::count_back),
            framed(join({"Ties have been broken using the 'Countback from 18' method by examining the accumulated "
                         "Stableford points after",
                         "18 holes.  If any ties still existed, points were examined after",
                         "17 holes, 16 holes, etc, until all ties had been broken."},
                        stableford_strokes)));
  EXPECT_EQ(explanation(Format::system36, tie_break_method::count_back),
            framed({"In the case of ties, the golfer with the lower handicap has been given preference.",
                    "Any remaining ties have been broken using the 'Countback from 18' method by examining the "
                    "accumulated net scores after",
                    "17 holes.  If any ties still existed, gross scores were examined after",
                    "16 holes, 15 holes, etc, until all ties had been broken."}));
}

TEST(TieBreakText, LastNineSixThreeOne) {
  EXPECT_EQ(explanation(Format::callaway_nine, tie_break_method::last_9631, 9, 5),
            framed(join({"Scores in excess of double par have been eliminated from the Adjusted",
                         "Gross Score (Adj). The Net Score has been computed by subtracting the",
                         "calculated Handicap from the Adjusted Gross score.",
                         "In the case of ties, the golfer with the lower handicap has been given",
                         "preference.  If any ties still existed, ties were broken by examining",
                         "the accumulated net scores over the final 9 holes, final 6 holes,",
                         "final 3 holes and the final 1 hole.  If any ties still existed they", "were not broken."},
                        net_strokes)));
  EXPECT_EQ(explanation(Format::best_balls_gross, tie_break_method::last_9631),
            framed({"Ties have been broken using the 'Last 9631' method by examining the accumulated gross scores "
                    "over the",
                    "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
                    "If any ties still existed they were not broken."}));
  EXPECT_EQ(explanation(Format::best_balls_net, tie_break_method::last_9631),
            framed({"Ties have been broken using the 'Last 9631' method by examining the accumulated net scores "
                    "over the final 9 holes,",
                    "final 6 holes, final 3 holes and the final 1 hole.  If any ties still existed they were",
                    "not broken. When Handicap Strokes were allocated in computing a net hole score, strokes were",
                    "allocated in order of precedence using the Handicap Holes as defined in the course database."}));
  EXPECT_EQ(explanation(Format::stableford_custom, tie_break_method::last_9631),
            framed(join({"Ties have been broken using the 'Last 9631' method by examining the accumulated "
                         "Stableford points over",
                         "the final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
                         "If any ties still existed they were not broken."},
                        stableford_strokes)));
  EXPECT_EQ(explanation(Format::system36, tie_break_method::last_9631),
            framed({"In the case of ties, the golfer with the lower handicap has been given preference.  Any "
                    "remaining ties",
                    "have been broken using the 'Last 9631' method by examining the accumulated net scores over the",
                    "final 9 holes, final 6 holes, final 3 holes and the final 1 hole.",
                    "If any ties still existed they were not broken."}));
}

TEST(TieBreakText, AustralianCountBack) {
  EXPECT_EQ(explanation(Format::scheid, tie_break_method::australian, 18, 0),
            framed(join({"Scores in excess of None have been eliminated from the Adjusted",
                         "Gross Score (Adj). The Net Score has been computed by subtracting the",
                         "calculated Handicap from the Adjusted Gross score.  In the case of",
                         "ties, the golfer with the lower handicap has been given preference.",
                         "If any ties still existed, ties have been broken by examining the",
                         "accumulated net scores over the final 9 holes, final 6 holes, and",
                         "the final 3 holes.  If any ties still existed they were broken by",
                         "examining the net scores for the last hole, 2nd last hole, 3rd last,",
                         "4th last, etc until all ties were broken."},
                        net_strokes)));
  EXPECT_EQ(explanation(Format::scramble, tie_break_method::australian),
            framed({"Ties have been broken using the 'Australian Count-Back' method by examining the accumulated "
                    "gross scores over the",
                    "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
                    "existed they were broken by examining the gross scores for the last hole,",
                    "2nd last hole, 3rd last, 4th last, etc until all ties were broken."}));
  EXPECT_EQ(explanation(Format::ambrose, tie_break_method::australian),
            framed({"Ties have been broken 'Australian Count-Back' method by examining the accumulated net scores "
                    "over the final 9 holes,",
                    "final 6 holes, and the final 3 holes.  If any ties still existed they were broken by",
                    "examining the net scores for the last hole, 2nd last hole, 3rd last, 4th last, etc until",
                    "all ties were broken. When Handicap Strokes were allocated in computing a net hole score,",
                    "strokes were allocated in order of precedence using the Handicap Holes",
                    "as defined in the course database."}));
  EXPECT_EQ(explanation(Format::stableford_net_bogey, tie_break_method::australian),
            framed(join({"Ties have been broken 'Australian Count-Back' method by examining the accumulated "
                         "Stableford points over",
                         "the final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
                         "existed they were broken by examining the points for the last hole,",
                         "2nd last hole, 3rd last, 4th last, etc until all ties were broken."},
                        stableford_strokes)));
  EXPECT_EQ(explanation(Format::system36, tie_break_method::australian),
            framed({"In the case of ties, the golfer with the lower handicap has been given preference.",
                    "Any remaining ties have been broken 'Australian Count-Back' method by examining the accumulated "
                    "net scores over the",
                    "final 9 holes, final 6 holes, and the final 3 holes.  If any ties still",
                    "existed they were broken by examining the net scores for the last hole,",
                    "2nd last hole, 3rd last, 4th last, etc until all ties were broken."}));
}

TEST(TieBreakText, NoTextForNoneOrFormatsOutsideTheGroups) {
  EXPECT_TRUE(explanation(Format::net, tie_break_method::none).empty());
  for (Format format : {Format::net_with_callaway_division, Format::best_ball_four_man_gross, Format::best_holes_gross,
                        Format::best_holes_net, Format::best_balls_callaway})
    EXPECT_TRUE(explanation(format, tie_break_method::count_back).empty());
}

TEST(TieBreakText, TheCurrentTournamentUsesTheHolesOfItsFirstDivisionsCourse) {
  testing::TestHome home;
  testing::TestTournament t(home, Format::gross, 4, 9);
  Lines lines = print_tie_break_explanation(t.state);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2], "8 holes.  If any ties still existed, gross scores were examined after");
}

}  // namespace
}  // namespace quillon
