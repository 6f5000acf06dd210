// The results page and the skins page as headless Chromium renders them: the
// ranked rows' text is read back from its DOM and screenshots are kept in the
// build folder ("report-artefacts/results.png", "report-artefacts/skins.png").
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/scripted_ui.h"
#include "report/results_report_commands.h"
#include "tests/report/browser_page.h"
#include "tests/report/results_fixture.h"

namespace quillon::testing {
namespace {

class BrowserResults : public ResultsPageTest {
 protected:
  void SetUp() override {
    TestTournament& t = start(Format::net);
    GolferEntry smith = card("Smith & Sons", 72, 100);
    smith.in_skins = 1;
    smith.hole_scores[1] = 3;
    t.put(1, 1, smith);
    GolferEntry script = card("<script>alert(1)</script>", 74, 100);
    script.in_skins = 1;
    t.put(1, 2, script);
    t.put(1, 3, card("Carr, Al", 70, 60));
    t.put(1, 4, card("Dunn, Bo", 76, 100));
  }

  // The DOM of the page the command opened; empty when it could not be read.
  std::string rendered_dom() {
    if (home.ui.opened_pages.size() != 1) return "";
    return run_and_read(chromium_command(profile(), "--dump-dom", home.ui.opened_pages[0]));
  }
  std::filesystem::path profile() const { return home.path() / "chromium-profile"; }
};

TEST_F(BrowserResults, RankedRowsAndNotesAsText) {
  if (!std::filesystem::exists(chromium)) GTEST_SKIP() << "no " << chromium;
  EXPECT_TRUE(run_results_report_command(st(), 1607));
  std::string dom = rendered_dom();
  ASSERT_NE(dom.find("</table>"), std::string::npos) << "no page from the browser: " << dom;
  EXPECT_EQ(dom.find("<script"), std::string::npos);
  std::string text = visible_text(dom);
  EXPECT_NE(text.find(" Tournament Information Club Championship 07-Dec-2026 - Quarry Hills Traditional Results - "
                      "Net Scores Rank Golfer Score Handicap Index Course Hcap Hcap Allow Net Hcap Net "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 1 Smith & Sons 71 10.0 10 100% 10 61 "
                      "2 <script>alert(1)</script> 74 10.0 10 100% 10 64 "
                      "2 Carr, Al 70 6.0 6 100% 6 64 "
                      "4 Dunn, Bo 76 10.0 10 100% 10 66 "),
            std::string::npos)
      << text;
  std::filesystem::path shot = keep_screenshot(profile(), home.ui.opened_pages[0], "results.png");
  ASSERT_TRUE(std::filesystem::exists(shot));
  EXPECT_GT(std::filesystem::file_size(shot), 1000u);
}

TEST_F(BrowserResults, SkinsRowsAndParticipationAsText) {
  if (!std::filesystem::exists(chromium)) GTEST_SKIP() << "no " << chromium;
  EXPECT_TRUE(run_results_report_command(st(), 1611));
  std::string dom = rendered_dom();
  ASSERT_NE(dom.find("</table>"), std::string::npos) << "no page from the browser: " << dom;
  EXPECT_EQ(dom.find("<script"), std::string::npos);
  std::string text = visible_text(dom);
  EXPECT_NE(text.find(" Skins Results - Gross Scores Hole Skin Winner Par Score 1 Smith & Sons 4 4 2 Smith & Sons 4 3 "
                      "3 Halved by 2 golfers 3 3 <script>alert(1)</script> Smith & Sons 4 Halved by 2 golfers 5 5 "),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(" 2 of 4 golfers participated in the skins event "), std::string::npos) << text;
  std::filesystem::path shot = keep_screenshot(profile(), home.ui.opened_pages[0], "skins.png", "1000,1400");
  ASSERT_TRUE(std::filesystem::exists(shot));
  EXPECT_GT(std::filesystem::file_size(shot), 1000u);
}

}  // namespace
}  // namespace quillon::testing
