#include "courses/course_dialog.h"

#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

void type(DialogModel& dialog, const Sets& sets) {
  for (const auto& [name, value] : sets) ASSERT_TRUE(dialog.set(name, value).is_ok()) << name;
}

TEST(CourseDialog, AddModeDefaults) {
  TestHome home;
  State& state = home.started();
  CourseDialogModel eighteen(state, 18, course_mode::add, 1);
  EXPECT_EQ(eighteen.title(), "Course Maintenance (18 hole)");
  EXPECT_EQ(eighteen.help_topic(), Help::course_maintenance);
  EXPECT_EQ(eighteen.focus(), "course_name");
  EXPECT_EQ(eighteen.text("tee_name"), "White");
  for (const char* slope :
       {"men_slope", "men_slope_f9", "men_slope_b9", "women_slope", "women_slope_f9", "women_slope_b9"})
    EXPECT_EQ(eighteen.text(slope), "113") << slope;
  EXPECT_EQ(eighteen.text("men_hcp_hole.1"), "1");
  EXPECT_EQ(eighteen.text("men_hcp_hole.9"), "17");
  EXPECT_EQ(eighteen.text("women_hcp_hole.10"), "2");
  EXPECT_EQ(eighteen.text("women_hcp_hole.18"), "18");
  EXPECT_EQ(eighteen.text("men_rating"), "");
  EXPECT_TRUE(eighteen.checked("active"));
  EXPECT_FALSE(eighteen.checked("home_course"));
  EXPECT_TRUE(eighteen.checked("active_season.1"));
  EXPECT_TRUE(eighteen.checked("active_season.24"));
  EXPECT_EQ(eighteen.text("distance_caption"), "Yards");
  EXPECT_EQ(eighteen.find("hole_length.18")->group, "hole.18");

  state.system.flags = static_cast<std::uint16_t>(state.system.flags & ~0x0004);
  CourseDialogModel nine(state, 9, course_mode::add, 1);
  EXPECT_EQ(nine.title(), "Course Maintenance (9 hole)");
  EXPECT_EQ(nine.text("distance_caption"), "Metres");
  EXPECT_EQ(nine.text("men_hcp_hole.1"), "1");
  EXPECT_EQ(nine.text("men_hcp_hole.9"), "9");
  EXPECT_EQ(nine.find("men_par.10"), nullptr);
  EXPECT_FALSE(nine.find("men_rating_f9")->visible);
  EXPECT_FALSE(nine.find("women_slope_b9")->visible);
}

TEST(CourseDialog, TypingAids) {
  TestHome home;
  State& state = home.started();
  CourseDialogModel dialog(state, 18, course_mode::add, 1);
  EXPECT_TRUE(dialog.set("course_name", "Royal Windermere Golf Clu"));  // 25 characters
  EXPECT_EQ(dialog.focus(), "course_abbrev");
  EXPECT_TRUE(dialog.set("course_abbrev", "RWG"));
  EXPECT_EQ(dialog.focus(), "course_abbrev");
  EXPECT_TRUE(dialog.set("course_abbrev", "RWGCL"));
  EXPECT_EQ(dialog.focus(), "tee_name");
  EXPECT_TRUE(dialog.set("tee_name", "Championship Bk"));
  EXPECT_EQ(dialog.focus(), "men_rating");

  EXPECT_TRUE(dialog.set("men_rating", "71.5"));
  EXPECT_EQ(dialog.text("men_rating_f9"), "35.8");
  EXPECT_EQ(dialog.text("men_rating_b9"), "35.8");
  EXPECT_TRUE(dialog.set("women_rating", "62.0"));
  EXPECT_EQ(dialog.text("women_rating_f9"), "31.0");

  EXPECT_TRUE(dialog.set("men_slope", "128"));
  EXPECT_EQ(dialog.text("men_slope_f9"), "128");
  EXPECT_EQ(dialog.text("men_slope_b9"), "128");
  EXPECT_EQ(dialog.focus(), "women_rating");
  EXPECT_TRUE(dialog.set("women_slope", "156"));
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"Women's Slope must be between 55 and 155"});
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(dialog.text("women_slope_f9"), "113");
  EXPECT_EQ(dialog.focus(), "women_slope");
  EXPECT_TRUE(dialog.set("women_slope", "12"));  // not yet three digits: nothing happens
  EXPECT_EQ(home.ui.messages.size(), 1u);

  // The nine ratings are proposed only while a course is added.
  CourseDialogModel change(state, 18, course_mode::change, 1, par_four_course("Oak", "White"));
  EXPECT_TRUE(change.set("men_rating", "71.5"));
  EXPECT_EQ(change.text("men_rating_f9"), "36.0");
  EXPECT_TRUE(change.set("men_slope", "130"));
  EXPECT_EQ(change.text("men_slope_b9"), "130");
  EXPECT_TRUE(change.set("men_slope", "54"));  // two digits typed so far: no check yet
  EXPECT_TRUE(change.set("men_slope", "540"));
  EXPECT_EQ(home.ui.message_texts().back(), "Men's Slope must be between 55 and 155");
  EXPECT_EQ(change.text("men_slope_f9"), "130");
}

TEST(CourseDialog, RunningTotals) {
  TestHome home;
  State& state = home.started();
  CourseDialogModel dialog(state, 18, course_mode::add, 1);
  EXPECT_TRUE(dialog.find("men_total_par")->enabled);
  type(dialog, {{"men_par_f9", "35"}, {"men_par_b9", "36"}, {"men_total_par", "71"}});
  EXPECT_EQ(dialog.text("total.men_par_f9"), "35");
  EXPECT_EQ(dialog.text("total.men_par"), "71");

  type(dialog, {{"men_par.1", "4"},
                {"men_par.2", "7"},
                {"men_par.9", "5"},
                {"men_par.10", "3"},
                {"women_par.1", "5"},
                {"women_par.18", "6"},
                {"hole_length.1", "385"},
                {"hole_length.10", "410"},
                {"hole_length.11", "90"}});
  EXPECT_EQ(dialog.text("total.men_par_f9"), "9");  // the 7 does not count
  EXPECT_EQ(dialog.text("total.men_par_b9"), "3");
  EXPECT_EQ(dialog.text("total.men_par"), "12");
  EXPECT_EQ(dialog.text("total.women_par_f9"), "5");
  EXPECT_EQ(dialog.text("total.women_par_b9"), "6");
  EXPECT_EQ(dialog.text("total.women_par"), "11");
  EXPECT_EQ(dialog.text("total.length_f9"), "385");
  EXPECT_EQ(dialog.text("total.length_b9"), "500");
  EXPECT_EQ(dialog.text("total.length"), "885");
  EXPECT_FALSE(dialog.find("men_total_par")->enabled);

  // Each side follows its own holes: ladies' pars alone total up on screen and
  // in the record, while the men's typed totals stay as typed.
  CourseDialogModel ladies(state, 9, course_mode::add, 1);
  type(ladies, {{"course_name", "Elm"}, {"course_abbrev", "ELM"}, {"men_par_f9", "35"}, {"men_total_par", "35"}});
  for (int h = 1; h <= 9; ++h) type(ladies, {{"women_par." + std::to_string(h), h == 9 ? "5" : "4"}});
  EXPECT_EQ(ladies.text("total.women_par"), "37");
  EXPECT_EQ(ladies.text("total.men_par"), "35");
  EXPECT_FALSE(ladies.find("women_total_par")->enabled);
  EXPECT_TRUE(ladies.find("men_total_par")->enabled);
  type(ladies, {{"men_rating", "35.0"}});
  for (int h = 1; h <= 9; ++h) type(ladies, {{"men_par." + std::to_string(h), "4"}});
  type(ladies, {{"men_par.1", ""}});  // the men's par of hole 1 taken away again
  EXPECT_EQ(ladies.text("total.men_par"), "35");
  EXPECT_FALSE(ladies.accept());
  EXPECT_EQ(home.ui.message_texts().back(),
            "Hole # 1, invalid value for Men's par.  Valid values for par are 3, 4, 5, and 6");
  type(ladies, {{"men_par.1", "4"}, {"men_rating", ""}, {"women_rating", ""}, {"women_rating", "37.0"}});
  for (int h = 1; h <= 9; ++h) type(ladies, {{"men_par." + std::to_string(h), ""}});
  ASSERT_TRUE(ladies.accept()) << home.ui.message_texts().back();
  EXPECT_EQ(ladies.record().women_total_par, 37);
  EXPECT_EQ(ladies.record().men_total_par, 35);
}

TEST(CourseDialog, AcceptStoresTheCompleteCopy) {
  TestHome home;
  State& state = home.started();
  CourseDialogModel dialog(state, 18, course_mode::add, 1);
  type(dialog, men_eighteen(" Oak Hill ", "OH", "Blue"));
  type(dialog, {{"men_slope", "125"},
                {"phone", "555-0100"},
                {"hole_length.3", "512"},
                {"hole_by_hole", "1"},
                {"home_course", "1"},
                {"active_season.2", "0"},
                {"exclude_off_season", "1"}});
  ASSERT_TRUE(dialog.accept());
  EXPECT_TRUE(home.ui.messages.empty());
  const CourseRecord& c = dialog.record();
  EXPECT_EQ(field_text(c.course_name), "Oak Hill");
  EXPECT_EQ(field_text(c.tee_name), "Blue");
  EXPECT_EQ(field_text(c.phone), "555-0100");
  EXPECT_EQ(c.hole_count, 18);
  EXPECT_EQ(c.men_rating, 720);
  EXPECT_EQ(c.men_rating_f9, 360);
  EXPECT_EQ(c.men_slope, 125);
  EXPECT_EQ(c.men_slope_b9, 125);
  EXPECT_EQ(c.men_total_par, 72);
  EXPECT_EQ(c.men_par_b9, 36);
  EXPECT_EQ(c.men_hcp_hole[9], 2);
  EXPECT_EQ(c.hole_length[2], 512);
  EXPECT_EQ(c.women_rating, 0);
  EXPECT_EQ(c.hole_by_hole, 1);
  EXPECT_EQ(c.home_course, 1);
  EXPECT_EQ(c.active, 1);
  EXPECT_EQ(c.exclude_off_season, 1);
  EXPECT_EQ(c.active_season[0], 1);
  EXPECT_EQ(c.active_season[1], 0);
  EXPECT_EQ(c.changed_date, state.today.day_number);
  EXPECT_EQ(field_text(state.course.course_name), "Oak Hill");
}

TEST(CourseDialog, AcceptRefusals) {
  TestHome home;
  State& state = home.started();
  CourseDialogModel empty(state, 18, course_mode::add, 1);
  type(empty, {{"course_name", "Oak"}, {"course_abbrev", "OAK"}});
  EXPECT_FALSE(empty.accept());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"Either Men's or Women's data must be entered."});

  // A slope typed beyond the byte's range is refused, not wrapped into range.
  home.ui.messages.clear();
  CourseDialogModel wide(state, 18, course_mode::add, 1);
  type(wide, men_eighteen("Oak", "OAK", "White"));
  type(wide, {{"men_slope_f9", "311"}});
  EXPECT_FALSE(wide.accept());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{"Men's front 9 Slope must be between 55 and 155"});
  home.ui.messages.clear();
  type(wide, {{"men_slope_f9", "113"}, {"men_rating", "6626"}});
  EXPECT_FALSE(wide.accept());
  EXPECT_EQ(home.ui.message_texts(),
            std::vector<std::string>{"Men's 18 hole Course Rating must be within 10 of Men's 18 hole par"});

  // Pars of a block without a rating may be left out; hole by hole needs a men's par of hole 1.
  home.ui.messages.clear();
  CourseDialogModel women(state, 9, course_mode::add, 1);
  type(women, {{"course_name", "Elm"},
               {"course_abbrev", "ELM"},
               {"women_rating", "35.5"},
               {"hole_by_hole", "1"},
               {"men_par_f9", "35"},
               {"men_total_par", "35"}});
  for (int h = 1; h <= 9; ++h) type(women, {{"women_par." + std::to_string(h), "4"}});
  ASSERT_TRUE(women.accept()) << home.ui.message_texts().front();
  EXPECT_EQ(women.record().women_rating_f9, 355);
  EXPECT_EQ(women.record().women_total_par, 36);
  EXPECT_EQ(women.record().men_total_par, 35);
  EXPECT_EQ(women.record().men_par_f9, 35);
  EXPECT_EQ(women.record().hole_by_hole, 0);
}

}  // namespace
}  // namespace quillon::testing
