// A report page that cannot be written whole is not shown as done, and a link
// planted under the page's name is not written through.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "report/report_page.h"
#include "report/report_writer.h"
#include "tests/testing/file_size_limit.h"
#include "tests/testing/files.h"
#include "tests/testing/test_home.h"

namespace quillon {
namespace {

using testing::TestHome;

TEST(ReportPageFailure, AFullDiskLeavesNoPageAndTheUserIsTold) {
  TestHome home;
  State& state = home.started();
  prepare_report_page(state);
  {
    ReportWriter w;
    ASSERT_TRUE(open_report_page(state, w));
    {
      testing::FileSizeLimit limit(1000);  // the page would be 20000 bytes
      for (int i = 0; i < 200; ++i) w.report_line("<tr><td>Row %03d of the results page</td></tr>", i);
      w.close();
    }
    EXPECT_TRUE(w.failed());
  }
  EXPECT_FALSE(std::filesystem::exists(report_page_path(state)));
  home.ui.messages.clear();
  EXPECT_FALSE(show_report_page(state));
  ASSERT_EQ(home.ui.messages.size(), 1u);
  EXPECT_EQ(home.ui.messages[0].title, "Quillon - Error");
  EXPECT_EQ(home.ui.messages[0].text,
            "The HTML report file [qlwin4.html], could not be created in the current folder [" + home.path().string() +
                "].  Either the file already exists and is write protected or you do not have permission to create "
                "files in that folder");
}

TEST(ReportPageFailure, APlantedLinkIsNotFollowed) {
  TestHome home;
  State& state = home.started();
  const auto victim = home.path() / "elsewhere.txt";
  std::ofstream(victim) << "not Quillon's";
  std::filesystem::create_symlink(victim, report_page_path(state));
  ReportWriter w;
  EXPECT_FALSE(open_report_page(state, w));
  EXPECT_EQ(testing::file_contents(victim), "not Quillon's");

  // The report command's own first step removes the link, and the page is
  // then made in its place.
  prepare_report_page(state);
  ASSERT_TRUE(open_report_page(state, w));
  w.line("<html>");
  w.close();
  EXPECT_FALSE(w.failed());
  EXPECT_EQ(testing::file_contents(report_page_path(state)), "<html>\r\n");
  EXPECT_EQ(testing::file_contents(victim), "not Quillon's");
}

}  // namespace
}  // namespace quillon
