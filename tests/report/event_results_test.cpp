// The results page of a multi-round event: days matched by name, a golfer
// missing a day, the stroke, Stableford and alternating tables.
#include <gtest/gtest.h>

#include "report/results_report_commands.h"
#include "scoring/event_results.h"
#include "scoring/format_rules.h"
#include "tests/report/report_fixture.h"

namespace quillon {
namespace {

using testing::RowTexts;

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
  void three_days(Format format) {
    add_courses();
    const char* names[] = {"Day one", "Day two", "Day three"};
    for (int t = 1; t <= 3; ++t) {
      make_tournament(t, names[t - 1], 1, format);
      put_golfer(1, 1, card("Ann", t == 2 ? 1 : 0, 100));
      put_golfer(1, 2, card("Bob", 2, 50));
      if (t != 2) put_golfer(1, 3, card("Cid", -1));
      if (t == 2) put_golfer(1, 4, card("Dee", -2));
    }
    std::memset(&s.header, 0, sizeof s.header);
    set_field_text(s.header.name, "Club Championship");
    set_format(s.header, Format::multi_round);
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

  // The data rows of the results table (the tie-break explanation follows in a table of its own).
  std::vector<testing::HtmlRow> results_rows() const {
    std::vector<testing::HtmlTable> list = tables();
    return list.empty() ? std::vector<testing::HtmlRow>{} : testing::data_rows({list[0]});
  }

  std::vector<std::string> names(const EventResults& r) {
    std::vector<std::string> out;
    for (const ResultRow& row : r.rows) out.push_back(row.name);
    return out;
  }
};

TEST_F(EventResultsTest, AGolferMissingADayIsPlacedAfterThoseWhoPlayedEveryDay) {
  three_days(Format::net);
  ASSERT_TRUE(read_record(s, RecordKind::tournament, 4));
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
  three_days(Format::net);
  EXPECT_TRUE(run_results_report_command(s, 1607));
  ASSERT_EQ(home.ui.opened_pages.size(), 1u);
  std::string page = page_text();
  EXPECT_NE(page.find("<h2><font color=#006545>Traditional Results - Net Scores</font></h2>"), std::string::npos);
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=650 border=0>"), std::string::npos);
  std::vector<testing::HtmlTable> list = tables();
  testing::HtmlRow head = testing::header_row(list);
  EXPECT_EQ(texts(head), (RowTexts{"", "Rank", "", "Golfer", "R1", "R2", "R3", "Gross", "Strokes", "Net"}));
  EXPECT_EQ(aligns(head),
            (RowTexts{"", "middle", "middle", "middle", "middle", "middle", "middle", "middle", "middle", "middle"}));
  EXPECT_EQ(head.cells[0].attributes["width"], "1");
  EXPECT_EQ(head.cells[2].attributes["width"], "30");
  EXPECT_TRUE(has_heading_look(head));
  std::vector<testing::HtmlRow> rows = results_rows();
  EXPECT_EQ(texts(rows), (std::vector<RowTexts>{{"", "1", "", "Ann", "62", "63", "62", "217", "30", "187"},
                                                {"", "2", "", "Bob", "69", "69", "69", "222", "15", "207"},
                                                {"", "3", "", "Cid", "71", "", "71", "142", "0", "142"}}));
  ASSERT_EQ(rows.size(), 3u);
  const RowTexts name_left = {"", "", "", "left", "", "", "", "", "", ""};
  EXPECT_EQ(aligns(rows[0]), name_left);
  EXPECT_EQ(aligns(rows[2]), name_left);
  EXPECT_EQ(page.find("Dee"), std::string::npos);
  EXPECT_NE(page.find("07-Dec-2026 - Pine Hills - Division : All"), std::string::npos);
}

TEST_F(EventResultsTest, StablefordTableTotalsPoints) {
  three_days(Format::stableford_net_par);
  EXPECT_TRUE(run_results_report_command(s, 1607));
  std::string page = page_text();
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=590 border=0>"), std::string::npos);
  EXPECT_NE(page.find("<font color=#ffffff>Rank  </font>"), std::string::npos);
  EXPECT_NE(page.find("<font color=#ffffff>Tot</font>"), std::string::npos);
  // Ann with 10 strokes scores 46, 45, 46 points (36 at net par plus 10).
  std::vector<RowTexts> rows = texts(results_rows());
  ASSERT_EQ(rows.size(), 3u) << page;
  EXPECT_EQ(rows[0], (RowTexts{"", "1", "Ann", "46", "45", "46", "137"}));
  EXPECT_EQ(RowTexts(rows[2].begin() + 2, rows[2].end()), (RowTexts{"Cid", "37", "", "37", "74"}));
  EXPECT_EQ(aligns(results_rows()[0]), (RowTexts{"", "", "left", "", "", "", ""}));
}

TEST_F(EventResultsTest, MixedFormatsAndTheAlternatingListWithItsLimit) {
  three_days(Format::net);
  ASSERT_TRUE(read_record(s, RecordKind::tournament, 2));
  set_format(s.header, Format::callaway);  // on day 2
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  ASSERT_TRUE(read_record(s, RecordKind::tournament, 4));
  s.header.results_limit = 1;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 4));

  EXPECT_TRUE(run_results_report_command(s, 1609));
  EXPECT_NE(page_text().find("Alphabetical Results - Multiple Formats</font></h2>"), std::string::npos);

  EXPECT_TRUE(run_results_report_command(s, 1615));
  std::string page = page_text();
  EXPECT_NE(page.find("<h2><font color=#006545>Alternating Gross & Net Results<br># of gross positions limited to 1"
                      "</font></h2>"),
            std::string::npos)
      << page;
  std::vector<testing::HtmlRow> rows = results_rows();
  ASSERT_GE(rows.size(), 2u) << page;
  for (const testing::HtmlRow& row : rows) ASSERT_GE(row.cells.size(), 4u);
  // One gross place, then the net places; the rank, its kind and the name lead each row.
  std::vector<RowTexts> places;
  for (const testing::HtmlRow& row : rows) {
    RowTexts cells = texts(row);
    places.push_back(RowTexts(cells.begin(), cells.begin() + 4));
    EXPECT_EQ(aligns(row)[3], "left");
  }
  EXPECT_EQ(places, (std::vector<RowTexts>{{"", "1", "G", "Ann"}, {"", "1", "N", "Bob"}, {"", "2", "N", "Cid"}}));
}

TEST_F(EventResultsTest, TheDivisionsOfTheDaysAreOfferedAndOneFiltersThePage) {
  three_days(Format::net);
  for (int t = 1; t <= 3; ++t) {
    ASSERT_TRUE(read_record(s, RecordKind::tournament, t));
    s.header.division_count = 2;
    ASSERT_TRUE(write_record(s, RecordKind::tournament, t));
    ASSERT_TRUE(read_record(s, RecordKind::group, 1));
    s.group.entries[1].division = 2;  // Bob
    ASSERT_TRUE(write_record(s, RecordKind::group, 1));
  }
  home.ui.select(SelectionKind::division, "2");
  EXPECT_TRUE(run_results_report_command(s, 1607));
  std::string page = page_text();
  EXPECT_NE(page.find("07-Dec-2026 - Pine Hills - Division : 2"), std::string::npos) << page;
  std::vector<RowTexts> rows = texts(results_rows());
  EXPECT_EQ(rows, (std::vector<RowTexts>{{"", "1", "", "Bob", "69", "69", "69", "222", "15", "207"}}));

  home.ui.select(SelectionKind::division, "0");
  EXPECT_TRUE(run_results_report_command(s, 1607));
  EXPECT_NE(page_text().find("07-Dec-2026 - Pine Hills - Division : All"), std::string::npos);
  EXPECT_EQ(results_rows().size(), 3u);
}

TEST_F(EventResultsTest, TheTournamentInformationTablesAre450Wide) {
  three_days(Format::net);
  EXPECT_TRUE(run_results_report_command(s, 1607));
  std::string page = page_text();
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=3 width=450 border=0>"), std::string::npos);
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=450 border=0>"), std::string::npos);
  EXPECT_EQ(page.find("width=470 border=0>"), std::string::npos);
}

TEST_F(EventResultsTest, AlternatingStablefordShowsGrossForGrossPlacesAndPointsForNetPlaces) {
  three_days(Format::stableford_net_par);
  EXPECT_TRUE(run_results_report_command(s, 1615));
  std::string page = page_text();
  EXPECT_NE(page.find("<TABLE cellSpacing=0 cellPadding=0 width=590 border=0>"), std::string::npos);
  std::vector<testing::HtmlTable> list = tables();
  RowTexts head = texts(testing::header_row(list));
  EXPECT_EQ(head, (RowTexts{"", "Rank", "", "Golfer", "R1", "R2", "R3", "Tot"}));
  std::vector<RowTexts> rows = texts(results_rows());
  ASSERT_EQ(rows.size(), 3u) << page;
  for (const RowTexts& row : rows) EXPECT_EQ(row.size(), head.size());
  // Gross and net places alternate: Ann leads by gross (72 + 73 + 72), Bob
  // takes the first net place with his points, Cid the second gross place
  // with his two rounds of 71.
  EXPECT_EQ(rows[0], (RowTexts{"", "1", "G", "Ann", "72", "73", "72", "217"}));
  EXPECT_EQ(RowTexts(rows[1].begin(), rows[1].begin() + 4), (RowTexts{"", "1", "N", "Bob"}));
  EXPECT_EQ(rows[2], (RowTexts{"", "2", "G", "Cid", "71", "", "71", "142"}));
  int bob_points = 0;
  for (int d = 4; d < 7; ++d) bob_points += std::stoi(rows[1][static_cast<std::size_t>(d)]);
  EXPECT_EQ(rows[1][7], std::to_string(bob_points));
  EXPECT_LT(bob_points, 46 + 45 + 46);
}

TEST_F(EventResultsTest, TheLastDaysManualWinnerLeadsAndAScrambleDayStopsTheReport) {
  three_days(Format::net);
  ASSERT_TRUE(read_record(s, RecordKind::tournament, 3));
  ASSERT_TRUE(read_record(s, RecordKind::group, 1));
  s.group.entries[1].entry_flags |= entry_flag::manual_winner;  // Bob
  ASSERT_TRUE(write_record(s, RecordKind::group, 1));
  EXPECT_TRUE(run_results_report_command(s, 1607));
  std::string page = page_text();
  EXPECT_NE(page.find("Traditional Results - Net Scores<br>Winner selected by committee</font></h2>"),
            std::string::npos);
  std::vector<testing::HtmlRow> rows = results_rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(texts(rows[0])[3], "Bob");
  EXPECT_EQ(aligns(rows[0])[3], "left");

  ASSERT_TRUE(read_record(s, RecordKind::tournament, 2));
  set_format(s.header, Format::scramble);
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 2));
  home.ui.opened_pages.clear();
  EXPECT_FALSE(run_results_report_command(s, 1607));
  EXPECT_TRUE(home.ui.opened_pages.empty());
  EXPECT_EQ(home.ui.last_message()->text,
            "Best Ball, Scramble, and 'Net Scores with 1 Callaway Division' tournaments can not be included in "
            "multiple day events.");
}

}  // namespace
}  // namespace quillon
