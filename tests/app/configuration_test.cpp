#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "core/reporting_name.h"
#include "core/system_configuration.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

std::vector<std::string> formats() {
  std::vector<std::string> names;
  for (int i = 0; i <= 30; ++i) names.push_back("Format " + std::to_string(i));
  return names;
}

TEST(SystemConfiguration, ListsFollowTheDatabase) {
  TestHome home;
  State& state = home.started();
  state.course_count = 120;
  state.system.course_slot_count = 175;
  SystemConfigurationModel model(state, formats());
  const Field* slots = model.find("course_slot_count");
  ASSERT_NE(slots, nullptr);
  EXPECT_EQ(slots->options.front(), " 150");
  EXPECT_EQ(slots->options[1], " 175");  // the current value, not a multiple of 50
  EXPECT_EQ(slots->options[2], " 200");
  EXPECT_EQ(slots->options.back(), "2450");
  EXPECT_EQ(slots->index, 1);
  EXPECT_EQ(model.find("tee_time_interval")->options.size(), 22u);
  EXPECT_EQ(model.find("tee_time_interval")->options[1], " 4.0");
  EXPECT_EQ(field_value_text(*model.find("tee_time_interval")), " 7.0");
  EXPECT_EQ(model.find("purge_reminder_limit")->options.size(), 18u);
  EXPECT_EQ(field_value_text(*model.find("purge_reminder_limit")), " 250");
  EXPECT_EQ(field_value_text(*model.find("distances")), "Yards");
  EXPECT_EQ(field_value_text(*model.find("print_reports")), "Color");
}

TEST(SystemConfiguration, OkWritesWhatChanged) {
  TestHome home;
  {
    State& state = home.started();
    SystemConfigurationModel model(state, formats());
    ASSERT_TRUE(model.set("tee_time_interval", " 7.5").is_ok());
    ASSERT_TRUE(model.set("distances", "Metres").is_ok());
    ASSERT_TRUE(model.set("default_tie_break", "None").is_ok());
    ASSERT_TRUE(model.set("purge_reminder_limit", "#5").is_ok());
    ASSERT_TRUE(model.set("desktop_message", "Greens are hollow-tined this week.").is_ok());
    ASSERT_TRUE(model.set("include_rating_and_par", "1").is_ok());
    EXPECT_FALSE(model.set("default_format", "Format 99").is_ok());
    EXPECT_TRUE(model.accept());
    EXPECT_FALSE(state.exit_requested);
  }
  State& state = home.started();
  EXPECT_EQ(state.system.tee_time_interval, 8);
  EXPECT_EQ(state.system.flags & system_flag::yards, 0);
  EXPECT_EQ(state.system.default_tie_break, 3);
  EXPECT_EQ(state.system.purge_reminder_limit, 300);
  EXPECT_EQ(state.system.default_include_rating_and_par, 1);
  EXPECT_EQ(field_text(state.desktop_message.text), "Greens are hollow-tined this week.");
}

TEST(SystemConfiguration, CourseSlotChangeMovesTournamentsAndRestarts) {
  TestHome home;
  State& state = home.started();
  state.tournament_count = 2;
  EXPECT_TRUE(resize_database(state));
  std::memset(&state.header, 0, sizeof state.header);
  set_field_text(state.header.name, "Spring Medal");
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 2));

  SystemConfigurationModel model(state, formats());
  ASSERT_TRUE(model.set("course_slot_count", " 100").is_ok());
  EXPECT_TRUE(model.accept());
  EXPECT_TRUE(state.exit_requested);
  EXPECT_EQ(home.ui.last_message()->text,
            "A configuration item has been changed which requires that Quillon be restarted.\n\nQuillon will "
            "automatically shut down after you click OK.");
  EXPECT_TRUE(std::filesystem::exists(home.path() / "qlwin4db.sav"));
  EXPECT_EQ(std::filesystem::file_size(home.path() / "qlwin4db.sav"), 15700u + 2 * 147400u);
  EXPECT_EQ(std::filesystem::file_size(home.path() / "qlwin4.dat"), 30700u + 2 * 147400u);

  State& again = home.started();
  EXPECT_EQ(again.system.course_slot_count, 100);
  ASSERT_TRUE(read_record(again, RecordKind::tournament, 2));
  EXPECT_EQ(field_text(again.header.name), "Spring Medal");
  EXPECT_EQ(again.tournament_count, 2);
}

TEST(SystemConfiguration, AFailedCourseSlotChangeStillSavesTheOtherSettings) {
  TestHome home;
  {
    State& state = home.started();
    std::filesystem::create_directory(home.path() / "qlwin4db.sav");  // the copy cannot be written
    SystemConfigurationModel model(state, formats());
    ASSERT_TRUE(model.set("course_slot_count", " 100").is_ok());
    ASSERT_TRUE(model.set("default_tie_break", "Australian Count Back").is_ok());
    ASSERT_TRUE(model.set("print_reports", "Black & White").is_ok());
    home.ui.messages.clear();
    EXPECT_TRUE(model.accept());
    EXPECT_FALSE(state.exit_requested);
    EXPECT_EQ(home.ui.message_texts(),
              std::vector<std::string>{
                  "A error was encountered making a backup copy of the database.  The requested change to the "
                  "number of courses to be stored was NOT successfully completed.\n\ncannot replace " +
                  (home.path() / "qlwin4db.sav").string() + ": Is a directory"});
  }
  State& state = home.started();
  EXPECT_EQ(state.system.course_slot_count, 50);
  EXPECT_EQ(state.system.default_tie_break, 2);
  EXPECT_EQ(state.system.flags & system_flag::color_reports, 0);
  EXPECT_EQ(std::filesystem::file_size(home.path() / "qlwin4.dat"), 15700u);
}

TEST(SystemConfiguration, BackgroundImageChoice) {
  TestHome home;
  State& state = home.started();
  SystemConfigurationModel model(state, formats());
  home.ui.files = {"", (home.path() / "QLWIN4.BMP").string(), (home.path() / "missing.bmp").string(),
                   (home.path() / "fairway.bmp").string()};
  std::ofstream(home.path() / "fairway.bmp") << "BM image";
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(model.press("select_background").is_ok());
  EXPECT_EQ(home.ui.message_texts(),
            (std::vector<std::string>{"The background image change was cancelled as requested.",
                                      "The selected file 'qlwin4.bmp' is already the current background image file",
                                      "An error was encountered locating the selected bitmap image file."}));
  EXPECT_EQ(std::filesystem::file_size(home.path() / "qlwin4.bmp"), 8u);
  ASSERT_TRUE(model.press("reset_background").is_ok());
  EXPECT_FALSE(std::filesystem::exists(home.path() / "qlwin4.bmp"));
}

TEST(ReportingName, TitleFormsAndTyping) {
  TestHome home;
  State& state = home.started();
  {
    ReportingNameModel model(state);
    ASSERT_TRUE(model.set("reporting_name", "Lakeside Golf Club").is_ok());
    EXPECT_EQ(model.focus(), "reporting_name");
    ASSERT_TRUE(model.set("reporting_name", "Lakeside Golf & Country C").is_ok());  // the 25th character
    EXPECT_EQ(model.focus(), "ok");
    ASSERT_TRUE(model.set("reporting_name", "Lakeside Golf & Country Club").is_ok());
    EXPECT_EQ(model.text("reporting_name"), "Lakeside Golf & Country C");
    ASSERT_TRUE(model.set("use_as_heading", "1").is_ok());
    EXPECT_TRUE(model.accept());
  }
  EXPECT_EQ(state.window_title, "Quillon for Windows 2025a, - Lakeside Golf & Country C");
  EXPECT_EQ(state.system.heading_mode, 'H');
  {
    ReportingNameModel model(state);
    ASSERT_TRUE(model.press("reset").is_ok());
    EXPECT_EQ(model.text("reporting_name"), "");
    EXPECT_TRUE(model.accept());
  }
  EXPECT_EQ(state.window_title, "Quillon for Windows 2025a");
  EXPECT_EQ(state.system.heading_mode, ' ');
}

}  // namespace
}  // namespace quillon
