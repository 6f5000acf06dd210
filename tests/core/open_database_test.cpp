// A file in the database's place that cannot be a database is not opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/database.h"
#include "core/database_startup.h"
#include "tests/testing/files.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

// Opens the home's database as start-up does; returns the messages shown.
std::vector<std::string> open_messages(TestHome& home, bool expect_open) {
  home.ui.messages.clear();
  auto state = home.new_state();
  EXPECT_EQ(open_or_create_database(*state).is_ok(), expect_open);
  EXPECT_EQ(state->db.is_open(), expect_open);
  return home.ui.message_texts();
}

std::vector<std::string> refused_because(const std::string& why) {
  return {"Error Opening Quillon database\n\n" + why + "\n\nThe file has been left unchanged."};
}

TEST(OpeningTheDatabase, AFileThatCannotBeADatabaseIsRefusedAndLeftAlone) {
  const auto refused = refused_because("The file is too short to hold the system record.");
  TestHome home;
  std::filesystem::path db = home.path() / "qlwin4.dat";

  std::ofstream(db, std::ios::binary) << std::string(100, 'x');
  EXPECT_EQ(open_messages(home, false), refused);
  EXPECT_EQ(testing::file_contents(db), std::string(100, 'x'));

  std::filesystem::resize_file(db, 0);
  EXPECT_EQ(open_messages(home, false), refused);
  EXPECT_EQ(std::filesystem::file_size(db), 0u);

  // A whole file of zeros has no course slots.
  std::filesystem::resize_file(db, 15700);
  std::ofstream(db, std::ios::binary) << std::string(15700, '\0');
  EXPECT_EQ(open_messages(home, false),
            refused_because("The number of course slots recorded in the database (0) is not one this program sets "
                            "(50 to 2450 in steps of 50); the database appears to be damaged."));

  // A real database cut short inside its course slots.
  std::filesystem::remove(db);
  home.started();
  std::filesystem::resize_file(db, 15399);
  EXPECT_EQ(open_messages(home, false),
            refused_because("The database file is 15399 bytes long, shorter than the 15700 bytes its 50 course "
                            "slots need; the file appears to be damaged or cut short."));
  EXPECT_EQ(std::filesystem::file_size(db), 15399u);

  // Course slots complete, desktop message missing: the layout without one.
  std::filesystem::resize_file(db, 15400);
  EXPECT_TRUE(open_messages(home, true).empty());
  std::filesystem::resize_file(db, 15700);
  EXPECT_TRUE(open_messages(home, true).empty());
}

}  // namespace
}  // namespace quillon
