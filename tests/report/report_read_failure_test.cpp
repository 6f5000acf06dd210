// A report whose database read fails stops with the read error and shows no page.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/database.h"
#include "report/course_list_report.h"
#include "report/field_report_commands.h"
#include "report/report_page.h"
#include "tests/courses/course_fixtures.h"
#include "tests/report/club_field.h"
#include "tests/testing/read_failure.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

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
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(state)));
}

using ReportOnAField = ClubField;

// The tee times read the field group by group while the page is written: the
// page made after a group could not be read is not shown.
TEST_F(ReportOnAField, ATeeTimesPageWrittenPastAFailedReadIsNotShown) {
  home.ui.messages.clear();
  // The selection reads the header twice and its course once; then the report reads.
  s.db.fail_reads_after(2 * tournament_header_size + course_record_size);
  Status reported = run_field_report_command(s, 1602);
  s.db.fail_reads_after(std::nullopt);

  EXPECT_FALSE(reported);
  EXPECT_FALSE(reported.needs_telling());
  ASSERT_FALSE(home.ui.messages.empty());
  EXPECT_EQ(home.ui.messages.front().text, testing::injected_read_error);
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_FALSE(std::filesystem::exists(report_page_path(s)));
}

}  // namespace
}  // namespace quillon::testing
