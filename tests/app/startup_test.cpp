#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "core/build_info.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "handicap/formats.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

constexpr const char* update_message = "Your Quillon system has been successfully updated.";

int start(State& state, std::vector<std::string> words = {}) {
  int code = -1;
  EXPECT_TRUE(run_startup(state, parse_startup_words(words), code));
  return code;
}

void put_course(State& state, int slot, const char* name, const char* tee) {
  std::memset(&state.course, 0, sizeof state.course);
  set_field_text(state.course.course_name, name);
  set_field_text(state.course.tee_name, tee);
  state.course.hole_count = 18;
  ASSERT_TRUE(write_record(state, RecordKind::course, slot));
}

TEST(Startup, FirstStartCreatesTheDatabaseAndShowsTheUpdateMessageOnce) {
  TestHome home;
  {
    auto state = home.new_state();
    EXPECT_EQ(start(*state), 0);
    EXPECT_EQ(std::filesystem::file_size(home.path() / "qlwin4.dat"), 15700u);
    EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{update_message});
    EXPECT_EQ(home.ui.messages[0].title, "Quillon - Information");
    EXPECT_EQ(state->system.flags & 0x0003, 0);
    EXPECT_EQ(state->system.schema_date, build_day_number());
    EXPECT_EQ(state->window_title, "Quillon");
  }
  home.ui.messages.clear();
  auto again = home.new_state();
  start(*again);
  EXPECT_TRUE(home.ui.messages.empty());
}

TEST(Startup, BuildDateIsAfterTheLastUpgradeStep) { EXPECT_GT(build_day_number(), day_number(2025, 4, 23)); }

TEST(Startup, UpgradeStepsFollowTheStoredBuildDate) {
  TestHome home;
  auto state = home.new_state();
  start(*state);
  state->system.schema_date = static_cast<std::uint16_t>(day_number(2016, 1, 1));
  state->system.course_change_date = 500;
  state->system.default_include_rating_and_par = 1;
  set_field_text(state->import_settings.import_column[0], "firstname");
  state->import_settings.import_column[3][15] = 7;  // owned by the network exchange
  put_course(*state, 1, "Oak", "White");
  state->course.men_par[0] = 4;
  for (int h = 0; h < 18; ++h) state->course.men_par[h] = (h % 3 == 0) ? 5 : 4;
  state->course.men_rating = 720;
  ASSERT_TRUE(write_record(*state, RecordKind::course, 1));

  EXPECT_TRUE(run_upgrade_steps(*state));
  EXPECT_EQ(state->system.course_change_date, 0);
  EXPECT_EQ(state->system.default_include_rating_and_par, 0);
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(field_text(state->import_settings.import_column[k]).substr(0, 12), "not required");
  EXPECT_EQ(state->import_settings.import_column[3][15], 7);
  ASSERT_TRUE(read_record(*state, RecordKind::course, 1));
  EXPECT_EQ(state->course.men_par_f9, 39);
  EXPECT_EQ(state->course.men_par_b9, 39);
  EXPECT_EQ(state->course.men_total_par, 78);
  EXPECT_EQ(state->system.schema_date, build_day_number());

  // A file already at this build is left alone.
  state->system.course_change_date = 500;
  EXPECT_TRUE(run_upgrade_steps(*state));
  EXPECT_EQ(state->system.course_change_date, 500);
}

TEST(Startup, RepairsCoursesAndDefaults) {
  TestHome home;
  {
    auto state = home.new_state();
    start(*state);
    put_course(*state, 2, "Unassigned", "White");
    put_course(*state, 3, "Oak", "White");
    put_course(*state, 5, "Pine", "Blue");
    put_course(*state, 6, "Elm", " bad");  // damaged and unused
    put_course(*state, 7, "Ash", "\x01x");  // damaged but used by a tournament
    state->tournament_count = 1;
    EXPECT_TRUE(resize_database(*state));
    std::memset(&state->header, 0, sizeof state->header);
    set_field_text(state->header.name, "Club Cup");
    state->header.division_tee[9] = 7;
    ASSERT_TRUE(write_record(*state, RecordKind::tournament, 1));
    state->system.default_course = 40;
    state->system.default_format = 44;  // no format has this code
    ASSERT_TRUE(write_record(*state, RecordKind::system, 1));
  }
  auto state = home.new_state();
  start(*state);
  ASSERT_TRUE(read_record(*state, RecordKind::course, 2));
  EXPECT_TRUE(field_empty(state->course.course_name));
  ASSERT_TRUE(read_record(*state, RecordKind::course, 6));
  EXPECT_TRUE(field_empty(state->course.course_name));
  ASSERT_TRUE(read_record(*state, RecordKind::course, 7));
  EXPECT_EQ(field_text(state->course.course_name), "Ash");
  EXPECT_EQ(state->course_count, 7);
  // Slot 1 is empty, so the first course becomes the default.
  EXPECT_EQ(state->system.default_course, 3);
  EXPECT_EQ(state->system.default_format, format_code(Format::gross));
}

TEST(Startup, StartupWordsAndTheUpdateMarker) {
  StartupWords w = parse_startup_words({"FUP", std::string(100, 'R'), "RECALC", "other"});
  EXPECT_TRUE(w.force_update_message);
  EXPECT_TRUE(w.recalc);
  EXPECT_FALSE(parse_startup_words({"fup"}).force_update_message);

  TestHome home;
  {
    auto state = home.new_state();
    start(*state, {"FUP"});
    EXPECT_NE(state->system.flags & system_flag::upgraded, 0);
  }
  home.ui.messages.clear();
  int shortcuts = 0;
  {
    auto state = home.new_state();
    state->hooks.create_shortcuts = [&] { ++shortcuts; };
    // A marker naming another build: the failed-update page opens and the marker stays.
    std::ofstream(home.path() / "ql_update.dat") << "QLUPD200101.xx";
    start(*state);
    EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{update_message});
    ASSERT_EQ(home.ui.opened_pages.size(), 1u);
    EXPECT_NE(home.ui.opened_pages[0].find("/windows_update_fail/?mode=ql"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(home.path() / "ql_update.dat"));
    EXPECT_EQ(shortcuts, 2);  // before opening the database and after the check
  }
  {
    auto state = home.new_state();
    std::string id = build_identifier;
    std::ofstream(home.path() / "ql_update.dat") << "QLUPD" << id.substr(6, 6) << "xx";
    start(*state);
    EXPECT_FALSE(std::filesystem::exists(home.path() / "ql_update.dat"));
    EXPECT_EQ(home.ui.opened_pages.size(), 1u);
  }
}

TEST(Startup, GettingStartedReminderOnlyForTheDesktop) {
  TestHome home;
  {
    auto state = home.new_state();
    start(*state);  // no question without the desktop's hook
  }
  auto state = home.new_state();
  state->hooks.show_getting_started = true;
  home.ui.answer(Button::yes);
  start(*state);
  ASSERT_EQ(home.ui.messages.size(), 2u);
  EXPECT_EQ(home.ui.messages[1].title, "Quillon - Getting Started");
  EXPECT_EQ(home.ui.messages[1].text,
            "The Getting Started Help topic contains useful information which will help you get started using "
            "Quillon.\n\nThis reminder will be displayed each time you invoke Quillon until you view that Help "
            "Topic.\n\nDo you wish to view that help topic at this time?\n");
  ASSERT_EQ(home.ui.help_shown.size(), 1u);
  EXPECT_EQ(home.ui.help_shown[0].first, "Getting_Started");
  EXPECT_EQ(state->system.getting_started_seen, 1);
}

}  // namespace
}  // namespace quillon

#include "core/native_path.h"

namespace quillon {
namespace {

TEST(Startup, StoredWindowsFoldersMapIntoTheUsersHome) {
  EXPECT_EQ(native_path("c:\\rv4", "/home/pro"), std::filesystem::path("/home/pro/rv4"));
  EXPECT_EQ(native_path("D:\\clubs\\rv4", "/home/pro"), std::filesystem::path("/home/pro/clubs/rv4"));
  EXPECT_EQ(native_path("/srv/ravelin", "/home/pro"), std::filesystem::path("/srv/ravelin"));
  EXPECT_EQ(native_path("data\\rv4", "/home/pro"), std::filesystem::path("data/rv4"));
}

}  // namespace
}  // namespace quillon
