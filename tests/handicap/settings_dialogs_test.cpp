#include <gtest/gtest.h>

#include "core/database.h"
#include "handicap/callaway_settings.h"
#include "handicap/formats.h"
#include "handicap/stableford_settings.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

const std::string official_header =
    "The following differences were found between your current settings and the 'Official Callaway Handicap "
    "System':\n";

void official_settings(TournamentHeader& h, Format format) {
  h.format = static_cast<std::uint8_t>(format);
  h.callaway_max_handicap = 51;
  h.callaway_table_base = 70;
  h.max_hole_score_index = 5;
  h.peoria_holes[0] = 18;
  h.peoria_holes[1] = 17;
}

TEST(CallawaySettings, ListsFollowTheFormatAndOkStoresIntoTheHeader) {
  testing::TestHome home;
  State& state = home.started();
  official_settings(state.header, Format::callaway);
  CallawaySettingsModel model(state);
  EXPECT_EQ(model.title(), "Callaway Handicap Computation Settings");
  EXPECT_EQ(model.help_topic(), Help::callaway);
  EXPECT_EQ(model.find("table_base")->options.front(), "50");
  EXPECT_EQ(model.find("table_base")->options.back(), "75");
  EXPECT_EQ(model.find("max_handicap")->options.front(), "40");
  EXPECT_EQ(model.find("max_handicap")->options.back(), "70");
  EXPECT_EQ(field_value_text(*model.find("table_base")), "70");
  EXPECT_EQ(field_value_text(*model.find("max_score")), "double par");
  EXPECT_EQ(model.text("excluded_hole1"), "18");
  EXPECT_EQ(model.text("excluded_hole2"), "17");

  home.ui.dialog({.sets = {{"table_base", "60"},
                           {"max_handicap", "45"},
                           {"max_score", "2 over par"},
                           {"excluded_hole1", "9"},
                           {"excluded_hole2", "10"}}});
  EXPECT_TRUE(configure_callaway(state));
  EXPECT_EQ(state.header.callaway_table_base, 60);
  EXPECT_EQ(state.header.callaway_max_handicap, 45);
  EXPECT_EQ(state.header.max_hole_score_index, 2);
  EXPECT_EQ(state.header.peoria_holes[0], 9);
  EXPECT_EQ(state.header.peoria_holes[1], 10);

  home.ui.dialog({.sets = {{"table_base", "55"}}, .cancel = true});
  EXPECT_FALSE(configure_callaway(state));
  EXPECT_EQ(state.header.callaway_table_base, 60);
}

TEST(CallawaySettings, NineHoleFormatAndValuesOutsideTheLists) {
  testing::TestHome home;
  State& state = home.started();
  set_format(state.header, Format::callaway_nine);
  state.header.callaway_table_base = 70;  // not offered for 9 holes: the default 35
  state.header.callaway_max_handicap = 30;
  state.header.max_hole_score_index = 9;
  state.header.peoria_holes[0] = 9;
  state.header.peoria_holes[1] = 0;
  CallawaySettingsModel model(state);
  EXPECT_EQ(model.find("table_base")->options.front(), "25");
  EXPECT_EQ(model.find("table_base")->options.back(), "40");
  EXPECT_EQ(model.find("max_handicap")->options.front(), "20");
  EXPECT_EQ(model.find("max_handicap")->options.back(), "35");
  EXPECT_EQ(field_value_text(*model.find("table_base")), "35");
  EXPECT_EQ(field_value_text(*model.find("max_handicap")), "30");
  EXPECT_EQ(field_value_text(*model.find("max_score")), "double par");
  EXPECT_FALSE(model.find("excluded_hole2")->enabled);
  // Only the first hole is checked and stored.
  EXPECT_TRUE(model.accept());
  EXPECT_EQ(state.header.callaway_table_base, 35);
  EXPECT_EQ(state.header.peoria_holes[0], 9);
  EXPECT_EQ(state.header.peoria_holes[1], 0);

  EXPECT_EQ(callaway_defaults(Format::callaway_scramble).table_base, 54);
  EXPECT_EQ(callaway_defaults(Format::callaway_executive).table_base, 60);
  EXPECT_EQ(callaway_defaults(Format::scheid).max_handicap, 50);
  EXPECT_EQ(callaway_defaults(Format::scheid).table_base, 72);
  EXPECT_EQ(callaway_defaults(Format::best_balls_callaway).max_handicap, 51);
}

TEST(CallawaySettings, ExcludedHolesOutsideTheCourseAreRefused) {
  testing::TestHome home;
  State& state = home.started();
  official_settings(state.header, Format::callaway);
  for (const char* bad : {"19", "0", "x"}) {
    home.ui.messages.clear();
    CallawaySettingsModel model(state);
    EXPECT_TRUE(model.set("table_base", "65"));
    EXPECT_TRUE(model.set("excluded_hole2", bad));
    EXPECT_FALSE(model.accept()) << bad;
    ASSERT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages[0].text, "The holes excluded from deduction must be between 1 and 18");
    EXPECT_EQ(home.ui.messages[0].kind, 1);
    EXPECT_EQ(model.text("excluded_hole1"), "17");
    EXPECT_EQ(model.text("excluded_hole2"), "18");
    EXPECT_EQ(state.header.callaway_table_base, 70);  // nothing stored
    EXPECT_EQ(state.header.peoria_holes[1], 17);
  }
}

TEST(CallawaySettings, ComparisonWithTheOfficialSystem) {
  testing::TestHome home;
  State& state = home.started();
  official_settings(state.header, Format::callaway);
  {
    CallawaySettingsModel model(state);
    EXPECT_TRUE(model.set("excluded_hole1", "17"));
    EXPECT_TRUE(model.set("excluded_hole2", "18"));
    EXPECT_TRUE(model.press("compare"));
    ASSERT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages[0].title, "Handicap Configuration");
    EXPECT_EQ(home.ui.messages[0].text, official_header + "\nNone.\n\nA total of 0 differences were found.\n");
  }
  {
    CallawaySettingsModel model(state);
    EXPECT_TRUE(model.set("max_handicap", "45"));
    EXPECT_TRUE(model.set("table_base", "60"));
    EXPECT_TRUE(model.set("max_score", "None"));
    EXPECT_TRUE(model.set("excluded_hole1", "9"));
    EXPECT_EQ(model.comparison_text(),
              official_header +
                  "\n1. You have set the maximum handicap to 45.  The 'Official Callaway Handicap System' uses a "
                  "maximum handicap of 51.\n"
                  "\n2. You have set the handicap table base to 60.  The 'Official Callaway Handicap System' uses a "
                  "handicap table base of 70.\n"
                  "\n3. You have set the maximum score per hole to None.  The 'Official Callaway Handicap System' "
                  "uses a maximum score of 'double par'.\n"
                  "\n4. You have specified that holes 9 and 17 cannot be deducted.  The 'Official Callaway Handicap "
                  "System' specified that 17th and 18th holes cannot be deducted.\n"
                  "\n\nA total of 4 differences were found.\n");
  }
  set_format(state.header, Format::callaway_nine);
  EXPECT_EQ(CallawaySettingsModel(state).comparison_text(),
            "Since a 9 hole version of the 'Official Callaway Handicap System' does not exist, it is not possible to "
            "perform a comparison.");
  set_format(state.header, Format::callaway_scramble);
  EXPECT_EQ(CallawaySettingsModel(state).comparison_text(),
            "Since a Scramble format of the 'Official Callaway Handicap System' does not exist, it is not possible "
            "to perform a comparison.");
}

TEST(StablefordSettings, OkWritesTheTableAndTheFlag) {
  testing::TestHome home;
  State& state = home.started();
  StablefordSettingsModel model(state);
  EXPECT_EQ(model.title(), "Custom Stableford Configuration");
  EXPECT_EQ(model.help_topic(), Help::stableford);
  EXPECT_EQ(model.find("points.0")->label, "< Dbl Eagle");
  EXPECT_EQ(model.find("points.7")->label, "Others");
  EXPECT_EQ(model.text("points.0"), "7");
  EXPECT_EQ(model.text("points.7"), "0");
  EXPECT_FALSE(model.checked("use_gross"));

  home.ui.dialog({.sets = {{"points.0", "12"}, {"points.5", " 1 "}, {"points.7", "-2"}, {"use_gross", "1"}}});
  EXPECT_TRUE(custom_stableford_configuration(state));
  state.system = SystemRecord{};
  ASSERT_TRUE(read_record(state, RecordKind::system, 1));
  EXPECT_EQ(state.system.stableford_points[0], 12);
  EXPECT_EQ(state.system.stableford_points[1], 6);
  EXPECT_EQ(state.system.stableford_points[5], 1);
  EXPECT_EQ(state.system.stableford_points[7], -2);
  EXPECT_TRUE(state.system.flags & system_flag::custom_stableford_gross);

  home.ui.dialog({.sets = {{"use_gross", "0"}}});
  EXPECT_TRUE(custom_stableford_configuration(state));
  EXPECT_FALSE(state.system.flags & system_flag::custom_stableford_gross);
}

TEST(StablefordSettings, PointsThatAreNoWholeNumberInRangeAreRefused) {
  testing::TestHome home;
  State& state = home.started();
  for (const char* bad : {"", "x", "2.5", "100", "-"}) {
    home.ui.messages.clear();
    StablefordSettingsModel model(state);
    EXPECT_TRUE(model.set("points.0", "9"));
    EXPECT_TRUE(model.set("points.3", bad));
    EXPECT_FALSE(model.accept()) << bad;
    ASSERT_EQ(home.ui.messages.size(), 1u);
    EXPECT_EQ(home.ui.messages[0].text, "The points for \"Birdie\" must be a whole number from -99 to 99.");
    EXPECT_EQ(model.focus(), "points.3");
    EXPECT_EQ(state.system.stableford_points[0], 7);  // nothing stored
  }
}

}  // namespace
}  // namespace quillon
