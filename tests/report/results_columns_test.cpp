// Fixed column widths of the TV results tables: spanning captions give one
// width per column, and the widths fill the table exactly.
#include <gtest/gtest.h>

#include "report/results_columns.h"
#include "scoring/format_rules.h"
#include "tests/scoring/scoring_fixture.h"

namespace quillon::testing {
namespace {

TEST(ResultsColumns, WidthsPerLayoutFillTheTable) {
  TournamentHeader h = scoring_header(Format::net);
  std::vector<HeaderCell> holes = results_header_cells(ResultsLayout::hole_by_hole, h, report_type::hole_by_hole);
  std::vector<int> widths = results_column_widths(holes, 590);
  // lead, rank, name, 9 holes, Out, 9 holes, In, Tot, Net
  std::vector<int> expected = {1, 40, 160};
  for (int i = 0; i < 21; ++i) expected.push_back(17);
  expected.push_back(32);
  EXPECT_EQ(widths, expected);

  std::vector<HeaderCell> net = results_header_cells(ResultsLayout::net_allowance, h, report_type::traditional);
  EXPECT_EQ(results_column_widths(net, 590), (std::vector<int>{1, 40, 160, 64, 64, 64, 64, 64, 69}));
  EXPECT_EQ(fixed_table_lines(net, 590),
            (std::vector<std::string>{
                "<TABLE cellSpacing=0 cellPadding=0 width=590 border=0 style=\"table-layout:fixed\">",
                "<col width=1><col width=40><col width=160><col width=64><col width=64><col width=64><col width=64>"
                "<col width=64><col width=69>"}));
}

}  // namespace
}  // namespace quillon::testing
