// A report whose database read fails stops with the read error and shows no page.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/database.h"
#include "report/course_list_report.h"
#include "report/report_page.h"
#include "tests/courses/course_fixtures.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

const std::string read_error = "The Quillon database could not be read (read: Input/output error).";

TEST(ReportReadFailure, TheCourseListStopsAtTheFirstUnreadableCourse) {
  TestHome home;
  State& state = home.started();
  put_course(state, 1, "Oak", "White");
  put_course(state, 2, "Pine", "Blue");
  home.ui.messages.clear();

  state.db.fail_reads_after(course_record_size);  // the first course, not the second
  Status reported = run_report(state, print_course_list);
  state.db.fail_reads_after(std::nullopt);

  EXPECT_FALSE(reported);
  EXPECT_FALSE(reported.needs_telling());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{read_error});
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(state)));
}

}  // namespace
}  // namespace quillon::testing
