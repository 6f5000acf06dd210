#include "handicap/formats.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillon {
namespace {

// The table is indexed by the stored code: a row out of place would give a
// format another format's name and rules.
TEST(FormatTable, EveryCodeHasItsOwnName) {
  std::set<std::string> names;
  for (int code = 0; code < format_count; ++code) names.insert(format_name(static_cast<Format>(code)));
  EXPECT_EQ(names.size(), static_cast<std::size_t>(format_count));
  EXPECT_STREQ(format_name(Format::ambrose), "Ambrose");
  EXPECT_STREQ(format_name(Format::best_balls_callaway), "Best Ball(s) - Callaway Net");
}

TEST(FormatTable, CodesOutsideTheTableReadAsAnEmptyGrossRow) {
  for (int code : {format_count, format_code(Format::multi_round), 255}) {
    const FormatTraits& t = format_traits(static_cast<Format>(code));
    EXPECT_STREQ(t.name, "") << code;
    EXPECT_EQ(t.kind, HandicapKind::gross) << code;
    EXPECT_FALSE(t.team) << code;
    EXPECT_EQ(t.scoring, Scoring::none) << code;
  }
  EXPECT_FALSE(is_table_format(-1));
  EXPECT_FALSE(is_table_format(format_count));
  EXPECT_TRUE(is_table_format(format_code(Format::best_balls_callaway)));
}

TEST(FormatTable, HiddenTeamFormatsAreValidButNeitherOfferedNorScored) {
  for (Format f : {Format::best_ball_four_man_gross, Format::best_ball_four_man_net, Format::best_two_net,
                   Format::best_two_gross}) {
    EXPECT_TRUE(format_traits(f).team);
    EXPECT_FALSE(is_scored_team_format(f));
    for (Format offered : offered_formats()) EXPECT_NE(offered, f);
  }
  EXPECT_TRUE(is_scored_team_format(Format::scramble));
}

TEST(FormatTable, CallawayDefaultsFallBackToTheStandardSettings) {
  EXPECT_EQ(callaway_defaults(Format::callaway_nine), (CallawayDefaults{25, 35}));
  EXPECT_EQ(callaway_defaults(Format::scheid), (CallawayDefaults{50, 72}));
  EXPECT_EQ(callaway_defaults(Format::net), standard_callaway_defaults);
  EXPECT_FALSE(format_traits(Format::net).callaway_on_choice.has_value());
}

}  // namespace
}  // namespace quillon
