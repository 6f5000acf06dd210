// The results page of a multi-round event: days matched by name, a golfer
// missing a day, the stroke, Stableford and alternating tables.
#include <gtest/gtest.h>

#include "report/results_report_commands.h"
#include "scoring/event_results.h"
#include "scoring/format_rules.h"
#include "tests/report/report_fixture.h"

namespace quillon {
namespace {

// Par of the fixture's course, with `over` strokes more on hole 3.
GolferEntry card(const char* name, int over, int index = 0) {
  GolferEntry e{};
  set_field_text(e.name, name);
  e.gender = 'M';
  e.division = 1;
  e.handicap_index = static_cast<std::int16_t>(index);
  for (int h = 0; h < 18; ++h) e.hole_scores[h] = static_cast<std::int8_t>(h == 0 ? 5 : (h == 1 ? 3 : 4));
  e.hole_scores[2] = static_cast<std::int8_t>(e.hole_scores[2] + over);
  return e;
}

class EventResultsTest : public testing::ReportTest {
 protected:
  // Three days of `format`; Ann and Bob play all three, Cid misses day 2 and
  // plays well on the other two; Dee plays only day 2 (not in day 1's field).
  void three_days(int format) {
    add_courses();
    const char* names[] = {"Day one", "Day two", "Day three"};
    for (int t = 1; t <= 3; ++t) {
      make_tournament(t, names[t - 1], 1, static_cast<Format>(format));
      put_golfer(1, 1, card("Ann", t == 2 ? 1 : 0, 100));
      put_golfer(1, 2, card("Bob", 2, 50));
      if (t != 2) put_golfer(1, 3, card("Cid", -1));
      if (t == 2) put_golfer(1, 4, card("Dee", -2));
    }
    std::memset(&s.header, 0, sizeof s.header);
    set_field_text(s.header.name, "Club Championship");
    s.header.format = multi_round_format;
    s.header.round_tournaments[0] = 1;
    s.header.round_tournaments[1] = 2;
    s.header.round_tournaments[2] = 3;
    s.header.results_limit = 400;
    s.header.date_year = 126;
    s.header.date_month = 12;
    s.header.date_day = 7;
    s.header.division_tee[0] = 1;
    s.header.group_size = 4;
    ASSERT_TRUE(write_record(s, RecordKind::tournament, 4));
    s.tournament_count = 4;
    home.ui.select(SelectionKind::tournament, "4");
  }

  std::vector<std::string> names(const EventResults& r) {
    std::vector<std::string> out;
    for (const ResultRow& row : r.rows) out.push_back(row.name);
    return out;
  }
};

TEST_F(EventResultsTest, AGolferMissingADayIsPlacedAfterThoseWhoPlayedEveryDay) {
  three_days(2);
  read_record(s, RecordKind::tournament, 4);
  EventResults r = build_event_results(s, report_type::traditional, 0);
  ASSERT_TRUE(r.produced);
  EXPECT_EQ(s.current_tournament, 4);
  EXPECT_EQ(field_text(s.header.name), "Club Championship");
  EXPECT_EQ(r.day_count, 3);
  // Ann: net 71+62+61... with index 10.0 she receives 10 strokes a day.
  EXPECT_EQ(names(r), (std::vector<std::string>{"Ann", "Bob", "Cid"}));
  const EventGolfer& ann = r.golfer_of(r.rows[0]);
  EXPECT_EQ(ann.days_played, 3);
  EXPECT_EQ(ann.gross_total(), 72 + 73 + 72);
  EXPECT_EQ(ann.value_total(), 62 + 63 + 62);
  const EventGolfer& cid = r.golfer_of(r.rows[2]);
  EXPECT_EQ(cid.days_played, 2);
  EXPECT_FALSE(cid.days[1].played);
  EXPECT_EQ(cid.value_total(), 71 + 71);
  EXPECT_EQ(r.rows[2].rank, 3);
}

TEST_F(EventResultsTest, TraditionalPageHasADayColumnEachAndTheTotals) {
  three_days(2);
  run_results_report_command(s, 1607);
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  std::string page = page_text();
  EXPECT_NE(page.find("<h2><font color=#006545>Traditional Results - Net Scores</font></h2>"), std::string::npos);
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=650 border=0>"), std::string::npos);
  EXPECT_NE(page.find("<TR align=middle bgColor=#006545><TH width=1></TH><TH align=middle><font color=#ffffff>Rank"
                      "</font></TH><TH align=middle width=30><font color=#ffffff>&nbsp</font></TH><TH align=middle>"
                      "<font color=#ffffff>Golfer</font></TH><TH align=middle><font color=#ffffff>R1</font></TH>"
                      "<TH align=middle><font color=#ffffff>R2</font></TH><TH align=middle><font color=#ffffff>R3"
                      "</font></TH><TH align=middle><font color=#ffffff>Gross</font></TH><TH align=middle>"
                      "<font color=#ffffff>Strokes</font></TH><TH align=middle><font color=#ffffff>Net</font></TH>"
                      "</TR>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<tr align=middle><td></td><td>1</td><td></td><td align=left>Ann</td><td>62</td><td>63</td>"
                      "<td>62</td><td>217</td><td>30</td><td>187</td></tr>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<tr align=middle><td></td><td>3</td><td></td><td align=left>Cid</td><td>71</td>"
                      "<td>&nbsp</td><td>71</td><td>142</td><td>0</td><td>142</td></tr>"),
            std::string::npos);
  EXPECT_EQ(page.find("Dee"), std::string::npos);
  EXPECT_NE(page.find("07-Dec-2026 - Pine Hills - Division : All"), std::string::npos);
}

TEST_F(EventResultsTest, StablefordTableTotalsPoints) {
  three_days(3);
  run_results_report_command(s, 1607);
  std::string page = page_text();
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=590 border=0>"), std::string::npos);
  EXPECT_NE(page.find("<font color=#ffffff>Rank  </font>"), std::string::npos);
  EXPECT_NE(page.find("<font color=#ffffff>Tot</font>"), std::string::npos);
  // Ann with 10 strokes scores 46, 45, 46 points (36 at net par plus 10).
  EXPECT_NE(page.find("<tr align=middle><td></td><td>1</td><td align=left>Ann</td><td>46</td><td>45</td><td>46</td>"
                      "<td>137</td></tr>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<td align=left>Cid</td><td>37</td><td>&nbsp</td><td>37</td><td>74</td></tr>"),
            std::string::npos);
}

TEST_F(EventResultsTest, MixedFormatsAndTheAlternatingListWithItsLimit) {
  three_days(2);
  read_record(s, RecordKind::tournament, 2);
  s.header.format = 0;  // Callaway on day 2
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  read_record(s, RecordKind::tournament, 4);
  s.header.results_limit = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 4));

  run_results_report_command(s, 1609);
  EXPECT_NE(page_text().find("Alphabetical Results - Multiple Formats</font></h2>"), std::string::npos);

  run_results_report_command(s, 1615);
  std::string page = page_text();
  EXPECT_NE(page.find("<h2><font color=#006545>Alternating Gross & Net Results<br># of gross positions limited to 1"
                      "</font></h2>"),
            std::string::npos)
      << page;
  EXPECT_NE(page.find("<tr align=middle><td></td><td>1</td><td>G</td><td align=left>"), std::string::npos);
  EXPECT_NE(page.find("<tr align=middle><td></td><td>2</td><td>N</td><td align=left>"), std::string::npos);
}

TEST_F(EventResultsTest, TheLastDaysManualWinnerLeadsAndAScrambleDayStopsTheReport) {
  three_days(2);
  read_record(s, RecordKind::tournament, 3);
  read_record(s, RecordKind::group, 1);
  s.group.entries[1].entry_flags |= entry_flag::manual_winner;  // Bob
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));
  run_results_report_command(s, 1607);
  std::string page = page_text();
  EXPECT_NE(page.find("Traditional Results - Net Scores<br>Winner selected by committee</font></h2>"),
            std::string::npos);
  EXPECT_LT(page.find("<td align=left>Bob</td>"), page.find("<td align=left>Ann</td>"));

  read_record(s, RecordKind::tournament, 2);
  s.header.format = 13;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  home.ui.opened_pages.clear();
  run_results_report_command(s, 1607);
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_EQ(home.ui.last_message()->text,
            "Best Ball, Scramble, and 'Net Scores with 1 Callaway Division' tournaments can not be included in "
            "multiple day events.");
}

}  // namespace
}  // namespace quillon
