#pragma once
// A started test database with two courses and a small tournament built
// through the record buffers, and a reader of the report page it produces.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "handicap/formats.h"
#include "report/report_page.h"
#include "tests/testing/html_table.h"
#include "tests/testing/report_page_reading.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : s(home.started()) { s.system.flags |= system_flag::color_reports; }

  // Slot 1: Pine Hills, Blue, 18 holes (par 5 on hole 1, 3 on hole 2, else 4;
  // stroke index = hole number; slope 113). Slot 2: Oak Valley, Red, 9 holes.
  void add_courses() {
    put_course(1, "Pine Hills", "PH", "Blue", 18, 724, 113);
    put_course(2, "Oak Valley", "OV", "Red", 9, 351, 118);
  }

  void put_course(int slot, const char* name, const char* abbrev, const char* tee, int holes, int rating, int slope) {
    std::memset(&s.course, 0, sizeof s.course);
    set_field_text(s.course.course_name, name);
    set_field_text(s.course.course_abbrev, abbrev);
    set_field_text(s.course.tee_name, tee);
    s.course.hole_count = static_cast<std::int8_t>(holes);
    int total = 0;
    for (int h = 0; h < holes; ++h) {
      int par = h == 0 ? 5 : (h == 1 ? 3 : 4);
      s.course.men_par[h] = s.course.women_par[h] = static_cast<std::int8_t>(par);
      s.course.men_hcp_hole[h] = s.course.women_hcp_hole[h] = static_cast<std::int8_t>(h + 1);
      total += par;
    }
    s.course.men_total_par = s.course.women_total_par = static_cast<std::int8_t>(total);
    s.course.men_rating = static_cast<std::int16_t>(rating);
    s.course.women_rating = static_cast<std::int16_t>(rating + 40);
    s.course.men_slope = static_cast<std::uint8_t>(slope);
    s.course.women_slope = static_cast<std::uint8_t>(slope);
    ASSERT_TRUE(write_record(s, RecordKind::course, slot));
    if (slot > s.course_count) s.course_count = slot;
  }

  // Tournament slot t on course 1: Net Scores, one division, groups of 4 from
  // 08:00 every 7.5 minutes; on slope 113 course handicaps equal the indexes.
  void make_tournament(int t, const char* name, int groups, Format format = Format::net) {
    std::memset(&s.header, 0, sizeof s.header);
    s.header.date_year = 126;
    s.header.date_month = 12;
    s.header.date_day = 7;
    set_field_text(s.header.name, name);
    set_format(s.header, format);
    s.header.division_count = 1;
    for (auto& tee : s.header.division_tee) tee = 1;
    for (auto& a : s.header.division_allowance) a = 100;
    s.header.group_size = 4;
    s.header.group_count = static_cast<std::uint8_t>(groups);
    s.header.groups_per_tee_time = 1;
    s.header.first_tee_hour = 8;
    s.header.tee_interval_index = 8;
    s.header.last_tee_hour = 8;
    s.header.last_tee_minute = 15;
    s.header.default_gender = 'M';
    ASSERT_TRUE(write_record(s, RecordKind::tournament, t));
    std::memset(&s.group, 0, sizeof s.group);
    for (int g = 1; g <= groups; ++g) ASSERT_TRUE(write_record(s, RecordKind::group, g));
    if (t > s.tournament_count) s.tournament_count = t;
  }

  GolferEntry golfer(const char* name, int index, char gender = 'M', int division = 1) {
    GolferEntry e{};
    set_field_text(e.name, name);
    e.handicap_index = static_cast<std::int16_t>(index);
    e.gender = gender;
    e.division = static_cast<std::int8_t>(division);
    return e;
  }

  void put_golfer(int group, int row, const GolferEntry& e) {
    ASSERT_TRUE(read_record(s, RecordKind::group, group));
    s.group.entries[row - 1] = e;
    ASSERT_TRUE(write_record(s, RecordKind::group, group));
  }

  std::string page_text() const { return report_page_text(s); }

  // The error shown when the report page could not be made in the home folder.
  std::string page_not_created_message() const {
    return "The HTML report file [qlwin4.html], could not be created in the current folder [" + home.path().string() +
           "].  Either the file already exists and is write protected or you do not have permission to create files "
           "in that folder";
  }

  // The page's tables without the tournament information block.
  std::vector<HtmlTable> tables() const { return report_tables(page_text()); }

  // The page's lines; every line must end with CR LF.
  std::vector<std::string> page_lines() const { return crlf_lines(page_text()); }

  // The lines between the first line equal to `from` and the next `to`, both included.
  std::vector<std::string> lines_between(const std::string& from, const std::string& to) const {
    return lines_from_to(page_lines(), from, to);
  }

  TestHome home;
  State& s;
};

}  // namespace quillon::testing
