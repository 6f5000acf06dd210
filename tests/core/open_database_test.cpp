// A file in the database's place that cannot be a database is not opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/database.h"
#include "core/database_startup.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Opens the home's database as start-up does; returns the messages shown.
std::vector<std::string> open_messages(TestHome& home, bool expect_open) {
  home.ui.messages.clear();
  auto state = home.new_state();
  EXPECT_EQ(open_or_create_database(*state).is_ok(), expect_open);
  EXPECT_EQ(state->db.is_open(), expect_open);
  return home.ui.message_texts();
}

TEST(OpeningTheDatabase, AFileThatCannotBeADatabaseIsRefusedAndLeftAlone) {
  const std::vector<std::string> refused{"Error Opening Quillon database"};
  TestHome home;
  std::filesystem::path db = home.path() / "qlwin4.dat";

  std::ofstream(db, std::ios::binary) << std::string(100, 'x');
  EXPECT_EQ(open_messages(home, false), refused);
  EXPECT_EQ(contents(db), std::string(100, 'x'));

  std::filesystem::resize_file(db, 0);
  EXPECT_EQ(open_messages(home, false), refused);
  EXPECT_EQ(std::filesystem::file_size(db), 0u);

  // A whole file of zeros has no course slots.
  std::filesystem::resize_file(db, 15700);
  std::ofstream(db, std::ios::binary) << std::string(15700, '\0');
  EXPECT_EQ(open_messages(home, false), refused);

  // A real database cut short inside its course slots.
  std::filesystem::remove(db);
  home.started();
  std::filesystem::resize_file(db, 15399);
  EXPECT_EQ(open_messages(home, false), refused);
  EXPECT_EQ(std::filesystem::file_size(db), 15399u);

  // Course slots complete, desktop message missing: the layout without one.
  std::filesystem::resize_file(db, 15400);
  EXPECT_TRUE(open_messages(home, true).empty());
  std::filesystem::resize_file(db, 15700);
  EXPECT_TRUE(open_messages(home, true).empty());
}

}  // namespace
}  // namespace quillon
