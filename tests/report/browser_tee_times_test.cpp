// The tee-time page as a real browser shows it: headless Chromium renders the
// page produced by command 1602; the rows' text is read back from its DOM and
// a screenshot is kept in the build folder ("report-artefacts/tee_times.png").
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/scripted_ui.h"
#include "report/field_report_commands.h"
#include "tests/report/browser_page.h"
#include "tests/report/club_field.h"

namespace quillon::testing {
namespace {

using BrowserTeeTimes = ClubField;

TEST_F(BrowserTeeTimes, ChromiumShowsTheRowsAsWritten) {
  if (!std::filesystem::exists(chromium)) GTEST_SKIP() << "no " << chromium;
  EXPECT_TRUE(run_field_report_command(s, 1602));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  std::filesystem::path page = home.ui.opened_pages[0];
  std::filesystem::path profile = home.path() / "chromium-profile";

  std::string dom = run_and_read(chromium_command(profile, "--dump-dom", page));
  ASSERT_NE(dom.find("</table>"), std::string::npos) << "no page from the browser: " << dom;
  // The typed name stays text: the browser made no script element of it.
  EXPECT_EQ(dom.find("<script"), std::string::npos);
  std::string text = visible_text(dom);
  EXPECT_NE(text.find(" Quillon for Windows Tournament Information Club Championship 07-Dec-2026 - Pine Hills "
                      "Tee Times "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" Group Time Tee Golfer Index / Crs Hcp Group Time Tee Golfer Index / Crs Hcp "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 001 Blue Smith & Sons 12.4 / 12 002 Blue Brown, Ann 20.0 / 20 "), std::string::npos) << text;
  EXPECT_NE(text.find(" 08:00 Blue <script>alert(1)</scrip 5.0 / 5 08:07:30 Blue Zed, Zoe 0.0 / 0 "), std::string::npos)
      << text;
  EXPECT_NE(text.find(" Blue adams, Jim +2.0 /+2 "), std::string::npos) << text;
  EXPECT_NE(text.find(" Tolvane Systems Inc. 1200 Fairway Drive, Suite 4, Lakeside Tel : 555-0142 "), std::string::npos)
      << text;

  std::filesystem::path artefacts = std::filesystem::current_path() / "report-artefacts";
  std::filesystem::create_directories(artefacts);
  std::filesystem::path shot = artefacts / "tee_times.png";
  std::filesystem::remove(shot);
  run_and_read(chromium_command(profile, "--window-size=1000,700 --screenshot='" + shot.string() + "'", page));
  ASSERT_TRUE(std::filesystem::exists(shot));
  EXPECT_GT(std::filesystem::file_size(shot), 1000u);
}

}  // namespace
}  // namespace quillon::testing
