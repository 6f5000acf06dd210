#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

#include "app/application.h"
#include "app/demo.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

std::string read_page(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every page a report command writes says that it is Windows-1252, is laid
// out at a phone's own width, writes its spaces as "&nbsp;" with the
// semicolon, and holds its accented names as character references.
TEST(ReportPages, EveryPageDeclaresItselfAndWritesCompleteEntities) {
  testing::TestHome home;
  ASSERT_TRUE(prepare_demo_home(home.path(), home.clock));
  State& state = home.started();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  set_field_text(state.group.entries[0].name, "Jos\xE9 \xC1lvarez");
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));

  const int commands[] = {1602, 1605, 1606, 1607, 1608, 1609, 1615, 1616, 1617, 1621, 1622, 1623, 1627, 1636};
  const std::regex unterminated("&nbsp(?!;)");
  for (int command : commands) {
    SCOPED_TRACE(command);
    home.ui.select(SelectionKind::tournament, "1");
    home.ui.select(SelectionKind::division, "0");
    // Questions such as "show the net scores?" are answered No.
    home.ui.answers.clear();
    for (int i = 0; i < 3; ++i) home.ui.answer(Button::no);
    std::filesystem::remove(home.path() / "qlwin4.html");
    EXPECT_TRUE(dispatch_command(state, command));
    std::string page = read_page(home.path() / "qlwin4.html");
    ASSERT_FALSE(page.empty());
    EXPECT_TRUE(
        page.starts_with("<html><head>\r\n<meta charset=\"windows-1252\">\r\n"
                         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"));
    EXPECT_FALSE(std::regex_search(page, unterminated));
    for (char c : page) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "a byte beyond ASCII";
    if (command >= 1602 && command <= 1615) {
      EXPECT_NE(page.find("Jos&#233; &#193;lvarez"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace quillon
