// "Golfer Import Setup".
#include <gtest/gtest.h>

#include "core/native_path.h"
#include "exchange/imports/import_settings_dialog.h"
#include "tests/exchange/support/exchange_fixture.h"

namespace quillon::testing {
namespace {

TEST(ImportSettingsDialog, SourcesFillTheirDefaultsAndOkStoresThem) {
  TestHome home;
  State& state = home.started();
  ImportSettingsModel model(state);
  EXPECT_EQ(model.index("import_source"), 0);
  EXPECT_TRUE(model.set("import_source", "#3").is_ok());
  EXPECT_EQ(model.text("name1"), "firstname");
  EXPECT_EQ(model.text("hc_index"), "handicap");
  EXPECT_EQ(model.text("active"), "not required");
  EXPECT_EQ(home.ui.last_message()->kind, 2);
  EXPECT_TRUE(model.set("name2", "").is_ok());
  EXPECT_TRUE(model.set("gender", "SexOfTheGolfer1").is_ok());  // the 15th character moves on
  EXPECT_EQ(model.focus(), "active");
  ASSERT_TRUE(model.accept());
  ASSERT_TRUE(read_record(state, RecordKind::import_settings, 1));
  EXPECT_EQ(state.import_settings.import_source, 7);
  EXPECT_EQ(std::string(state.import_settings.import_column[1]), "firstname");
  EXPECT_EQ(state.import_settings.import_column[2][0], 0);
  EXPECT_EQ(std::string(state.import_settings.import_column[4], 15), "SexOfTheGolfer1");
  EXPECT_EQ(state.ravelin_path, "");

  ImportSettingsModel back(state);
  EXPECT_EQ(back.index("import_source"), 2);
  EXPECT_TRUE(back.set("import_source", "Ravelin").is_ok());
  EXPECT_EQ(back.text("name1"), "not required");
  EXPECT_EQ(back.text("path"), "c:\\rv4");
  ASSERT_TRUE(back.accept());
  EXPECT_EQ(state.import_settings.import_source, 0);
  EXPECT_EQ(state.ravelin_path, (user_home_folder() / "rv4" / "rvwin4.dat").string());
}

TEST(ImportSettingsDialog, ParlinkWithoutAClubIdGoesBackToRavelin) {
  TestHome home;
  State& state = home.started();
  ImportSettingsModel model(state);
  EXPECT_TRUE(model.set("import_source", "Parlink Network").is_ok());
  EXPECT_EQ(model.index("import_source"), 0);
  EXPECT_EQ(home.ui.last_message()->kind, 1);
  EXPECT_EQ(home.ui.last_message()->text,
            "An Internet Club Id must be entered prior to using the Parlink Network.\n\nTo enter your Internet Club ID "
            "click on the 'Cuplink Network' button on the main window.");

  set_field_text(state.system.club_id, "lakeside");
  ImportSettingsModel with_club(state);
  EXPECT_EQ(with_club.find("import_source")->options[1], "Parlink Network (lakeside)");
  EXPECT_TRUE(with_club.set("import_source", "#2").is_ok());
  EXPECT_EQ(with_club.text("path"), "not required");
}

TEST(ImportSettingsDialog, BrowseTakesTheFolderAndRefusesOneTooLong) {
  TestHome home;
  State& state = home.started();
  ImportSettingsModel model(state);
  home.ui.files.push_back("/srv/rv4/rvwin4.dat");
  EXPECT_TRUE(model.press("browse").is_ok());
  EXPECT_EQ(model.text("path"), "/srv/rv4");
  std::string deep = "/" + std::string(70, 'd') + "/rvwin4.dat";
  home.ui.files.push_back(deep);
  EXPECT_TRUE(model.press("browse").is_ok());
  EXPECT_EQ(model.text("path"), "/srv/rv4");
  EXPECT_EQ(home.ui.last_message()->text, "The folder [/" + std::string(70, 'd') +
                                              "] is longer than the 59 characters the import settings can hold.\n\n"
                                              "Please move the file to a folder with a shorter path.");
}

}  // namespace
}  // namespace quillon::testing
