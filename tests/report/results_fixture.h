#pragma once
// A results tournament on the scoring tee (par 72, slope 113, so that course
// handicaps equal the indexes), golfers made from par cards, and readers of
// the report page it produces.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "report/report_page.h"
#include "tests/scoring/scoring_fixture.h"
#include "tests/testing/html_table.h"
#include "tests/testing/report_page_reading.h"
#include "tournament/header_options.h"

namespace quillon::testing {

class ResultsPageTest : public ::testing::Test {
 protected:
  // A tournament of `format` with tie-break "None", so that equal results
  // share a rank; colour reports.
  TestTournament& start(Format format, int group_size = 4) {
    tournament_ = std::make_unique<TestTournament>(home, format, group_size);
    tournament_->change_header([](TournamentHeader& h) { header_options::set_tie_break(h, 3); });
    st().system.flags |= system_flag::color_reports;
    return *tournament_;
  }
  State& st() { return tournament_->state; }

  // A par card whose first hole makes the gross `gross` (hole 1 is a par 4).
  static GolferEntry card(const std::string& name, int gross, int index_tenths = 0, int division = 1) {
    return par_golfer(name, {{1, 4 + gross - 72}}, index_tenths, 'M', division);
  }

  std::string page_text() { return report_page_text(st()); }

  // The page's tables without the tournament information block, and their data rows.
  std::vector<HtmlTable> tables() { return report_tables(page_text()); }
  std::vector<HtmlRow> data_rows() { return testing::data_rows(tables()); }

  // The page's lines; every line must end with CR LF.
  std::vector<std::string> page_lines() { return crlf_lines(page_text()); }

  // The lines between the first line equal to `from` and the next `to`, both included.
  std::vector<std::string> lines_between(const std::string& from, const std::string& to) {
    return lines_from_to(page_lines(), from, to);
  }

  std::vector<std::string> lines_starting(const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& l : page_lines())
      if (l.rfind(prefix, 0) == 0) found.push_back(l);
    return found;
  }

  TestHome home;
  std::unique_ptr<TestTournament> tournament_;
};

}  // namespace quillon::testing
