// Score cards as drawn on the page grid: the preview's sheet, the printed pages.
#include <gtest/gtest.h>

#include "report/score_cards.h"
#include "tests/report/print_fixture.h"
#include "tournament/formats.h"

namespace quillon::testing {
namespace {

class ScoreCards : public PrintTest {
 protected:
  // Runs the command with the dots answer and the preview answer.
  const Drawing& preview(CardsPer per, Button dots, Button preview_answer = Button::ok) {
    home.ui.answer(dots);
    home.ui.answer(preview_answer);
    EXPECT_TRUE(print_score_cards(s, per, false));
    EXPECT_EQ(home.ui.previews.size(), 1u);
    return home.ui.previews.back().drawing;
  }
  // The stroke dots: small filled squares.
  static std::vector<DrawOp> dots(const Drawing& d) {
    std::vector<DrawOp> found;
    for (const auto& op : d.ops)
      if (op.kind == DrawKind::fill) found.push_back(op);
    return found;
  }
};

TEST_F(ScoreCards, CrossOverCardsStartOnHoleOneAndTen) {
  set_start_type(static_cast<int>(StartType::crossover));
  fill_group(1, 4);
  fill_group(2, 4);
  const Drawing& d = preview(CardsPer::group, Button::no);
  EXPECT_EQ(home.ui.previews[0].title, "Tournament Score Cards");
  // Cards of a group of four take 20 rows; the start stands on the card's row 3.
  EXPECT_EQ(text_at(d, 3, 56), " 08:00 Hole #1");
  EXPECT_EQ(text_at(d, 23, 56), " 08:00 Hole #10");
  EXPECT_EQ(text_at(d, 43, 56), "08:07:30 Hole #1");
  EXPECT_EQ(text_at(d, 3, 76), "001");
  EXPECT_EQ(text_at(d, 23, 76), "002");
  EXPECT_EQ(text_at(d, 2, 2), "Tournament : Spring Cup");
  EXPECT_EQ(text_at(d, 2, 57), "07-Dec-2026");
  EXPECT_EQ(text_at(d, 2, 75), "Group");
  EXPECT_EQ(text_at(d, 3, 2), "Course     : Pine Hills (Blue)");
  // The report ends on the preview with its closing line.
  EXPECT_EQ(text_at(d, 61, 29), "*** End of Report ***");
}

TEST_F(ScoreCards, StartOfEveryStartType) {
  EXPECT_EQ(card_start_text(0, 2, " 08:00", ""), " 08:00 Hole #1");
  EXPECT_EQ(card_start_text(1, 3, " 08:10", ""), " 08:10 Hole #1");
  EXPECT_EQ(card_start_text(1, 4, " 08:10", ""), " 08:10 Hole #10");
  EXPECT_EQ(card_start_text(2, 4, " 09:00", "2B"), " 09:00 Hole #2B");
  EXPECT_EQ(card_start_text(3, 4, " 13:00", "5A"), " 13:00 Hole #5A");
}

TEST_F(ScoreCards, OneCardPerGolferLeavesOutTheVacancy) {
  put_golfer(1, 1, golfer("Ann Lee", 0));
  put_golfer(1, 2, golfer("Bob Ray", 0));
  put_golfer(1, 4, golfer("Cy Dunn", 0));
  const Drawing& d = preview(CardsPer::golfer, Button::no);
  EXPECT_EQ(with_text(d, "Scorer : _________________________    Attested : _________________________").size(), 3u);
  // One golfer line per card of 14 rows: the name on the card's row 8.
  EXPECT_EQ(text_at(d, 8, 2), "Ann Lee");
  EXPECT_EQ(text_at(d, 22, 2), "Bob Ray");
  EXPECT_EQ(text_at(d, 36, 2), "Cy Dunn");
  EXPECT_EQ(text_at(d, 10, 2), "Match + -");
  EXPECT_EQ(text_at(d, 12, 2), "Scorer : _________________________    Attested : _________________________");
}

TEST_F(ScoreCards, CardListsPerGroupAndPerGolfer) {
  fill_group(1, 4);
  put_golfer(2, 2, golfer("Solo", 0));
  CardField field(s);
  EXPECT_EQ(score_card_list(field, CardsPer::group, std::nullopt),
            (std::vector<ScoreCard>{{1, {0, 1, 2, 3}}, {2, {0, 1, 2, 3}}, {3, {0, 1, 2, 3}}}));
  EXPECT_EQ(score_card_list(field, CardsPer::golfer, 2), (std::vector<ScoreCard>{{2, {1}}}));
  EXPECT_EQ(score_card_list(field, CardsPer::group, 2), (std::vector<ScoreCard>{{2, {0, 1, 2, 3}}}));
}

TEST_F(ScoreCards, NineHoleCourseRepeatsItsNine) {
  for (auto& tee : s.header.division_tee) tee = 2;
  ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  fill_group(1, 1);
  const Drawing& d = preview(CardsPer::golfer, Button::no);
  EXPECT_EQ(text_at(d, 3, 2), "Course     : Oak Valley (Red)");
  for (int cell = 0; cell < 18; ++cell) {
    int hole = cell % 9 + 1;
    EXPECT_EQ(text_at(d, 5, hole_cell_column(cell)), std::to_string(hole)) << cell;
    EXPECT_EQ(text_at(d, 6, hole_cell_column(cell)), hole == 1 ? "5" : hole == 2 ? "3" : "4") << cell;
  }
  EXPECT_EQ(text_at(d, 6, 44), "36");
  EXPECT_EQ(text_at(d, 6, 74), "36");
  EXPECT_EQ(text_at(d, 6, 77), "72");  // twice the nine, not the stored 36
  EXPECT_EQ(text_at(d, 5, 2), "Hole");
  EXPECT_EQ(at_row(d, 5)[0].attributes, text_attribute::bold);
}

TEST_F(ScoreCards, HoleRowsParAndDistancesOfEighteenHoles) {
  s.system.flags &= ~system_flag::yards;
  ASSERT_TRUE(read_record(s, RecordKind::course, 1));
  for (int h = 0; h < 18; ++h) s.course.hole_length[h] = static_cast<std::int16_t>(300 + h);
  ASSERT_TRUE(write_record(s, RecordKind::course, 1));
  fill_group(1, 1);
  const Drawing& d = preview(CardsPer::golfer, Button::no);
  EXPECT_EQ(text_at(d, 5, 17), "1");
  EXPECT_EQ(text_at(d, 5, 41), "9");
  EXPECT_EQ(text_at(d, 5, 44), "F9");
  EXPECT_EQ(text_at(d, 5, 47), "10");
  EXPECT_EQ(text_at(d, 5, 71), "18");
  EXPECT_EQ(text_at(d, 5, 74), "B9");
  EXPECT_EQ(text_at(d, 5, 77), "Tot");
  EXPECT_EQ(text_at(d, 6, 2), "Par");
  EXPECT_EQ(text_at(d, 6, 77), "72");
  EXPECT_EQ(text_at(d, 7, 2), "Metres");
  // Small print under each hole cell.
  auto small = with_text(d, "300");
  ASSERT_EQ(small.size(), 1u);
  EXPECT_DOUBLE_EQ(small[0].row, 7.2);
  EXPECT_DOUBLE_EQ(small[0].column, 16.2);
  EXPECT_EQ(small[0].point_size, 6);
  EXPECT_DOUBLE_EQ(with_text(d, "317")[0].column, 70.2);
}

TEST_F(ScoreCards, YardsWhenTheSystemSaysSo) {
  s.system.flags |= system_flag::yards;
  fill_group(1, 1);
  EXPECT_EQ(text_at(preview(CardsPer::golfer, Button::no), 7, 2), "Yards");
}

TEST_F(ScoreCards, DotsForOneAndTwoStrokesAndNoneWhenDeclined) {
  put_golfer(1, 1, golfer("Twenty", 200));  // course handicap 20: two strokes on stroke index 1 and 2
  put_golfer(1, 2, golfer("Scratch", 0));
  const Drawing& d = preview(CardsPer::group, Button::yes);
  // The course handicap stands in the lower part of the golfer's cell, clear of the rule below.
  EXPECT_EQ(text_at(d, 8.7, 12), " 20");
  EXPECT_EQ(text_at(d, 10.7, 12), "  0");
  std::vector<DrawOp> marks = dots(d);
  ASSERT_EQ(marks.size(), 20u);  // 18 holes, two of them twice; none for the scratch golfer
  for (const auto& m : marks) {
    EXPECT_DOUBLE_EQ(m.row, 8.2);  // in the upper corner, below the top rule
    EXPECT_DOUBLE_EQ(m.row2, 8.45);
    EXPECT_NEAR(m.column2 - m.column, 0.45, 1e-9);  // about 3 points square
  }
  EXPECT_DOUBLE_EQ(marks[0].column2, 18.7);  // hole 1: upper right corner, inside the rule at 19 ...
  EXPECT_DOUBLE_EQ(marks[1].column2, 18.075);  // ... and 5 grid units to its left
  EXPECT_DOUBLE_EQ(marks[2].column2, 21.7);
  EXPECT_DOUBLE_EQ(marks[3].column2, 21.075);
  EXPECT_DOUBLE_EQ(marks[4].column2, 24.7);  // hole 3: one stroke
  EXPECT_DOUBLE_EQ(marks[5].column2, 27.7);
}

TEST_F(ScoreCards, APlusCourseHandicapPrintsWithItsPlusSign) {
  put_golfer(1, 1, golfer("Plus", -10));  // index +1.0: course handicap -1, a plus one
  put_golfer(1, 2, golfer("Plus five", -50));
  const Drawing& d = preview(CardsPer::group, Button::no);
  // In the lower part of each golfer's cell, as the scores.
  EXPECT_EQ(text_at(d, 8.7, 12), " +1");
  EXPECT_EQ(text_at(d, 10.7, 12), " +5");
}

TEST_F(ScoreCards, NoDotsWhenDeclined) {
  put_golfer(1, 1, golfer("Twenty", 200));
  EXPECT_TRUE(dots(preview(CardsPer::group, Button::no)).empty());
}

TEST_F(ScoreCards, EnteredScoresAndNineTotals) {
  GolferEntry g = golfer("Player", 0);
  for (int h = 0; h < 18; ++h) g.hole_scores[h] = static_cast<std::int8_t>(h < 9 ? 4 : 5);
  put_golfer(1, 1, g);
  const Drawing& d = preview(CardsPer::golfer, Button::no);
  // Scores stand centred in the lower part of the golfer's two rows.
  const double digit = 0.6 * 10 / 6.75;  // columns of a digit printed at 10 points
  std::vector<DrawOp> scores = at_row(d, 8.7);
  ASSERT_EQ(scores.size(), 18u + 2u + 1u);  // the holes, the nine totals and the course handicap
  EXPECT_EQ(scores[1].text, "4");
  EXPECT_NEAR(scores[1].column, 16 + (3 - digit) / 2, 1e-9);  // hole 1, between the rules at 16 and 19
  EXPECT_EQ(scores[10].text, "5");
  EXPECT_NEAR(scores[10].column, 46 + (3 - digit) / 2, 1e-9);  // hole 10
  EXPECT_EQ(scores[19].text, "36");
  EXPECT_NEAR(scores[19].column, 43 + (3 - 2 * digit) / 2, 1e-9);  // F9
  EXPECT_EQ(scores[20].text, "45");
  EXPECT_NEAR(scores[20].column, 73 + (3 - 2 * digit) / 2, 1e-9);  // B9
}

// Printed in the fixed face at its printed size, a character is six tenths of
// that size wide; a column is 6.75 points. Every text of the hole table must
// keep clear of the column rules on both sides.
TEST_F(ScoreCards, EveryFigureStaysInsideItsCell) {
  GolferEntry g = golfer("Longname Player", 250);  // course handicap 25: dots on every hole, two on some
  for (int h = 0; h < 18; ++h) g.hole_scores[h] = static_cast<std::int8_t>(h % 3 == 0 ? 10 : 5);
  put_golfer(1, 1, g);
  const Drawing& d = preview(CardsPer::golfer, Button::yes);
  std::vector<DrawOp> rules;
  for (const auto& op : d.ops)
    if (op.kind == DrawKind::line && op.column == op.column2) rules.push_back(op);
  // The rules of one card: the table's left edge, the 21 cell rules from column 16 every 3, the right edge.
  std::vector<double> rule_columns;
  for (const auto& rule : rules) rule_columns.push_back(rule.column);
  std::vector<double> expected{1};
  for (int k = 0; k <= 20; ++k) expected.push_back(16 + 3 * k);
  expected.push_back(80);
  EXPECT_EQ(rule_columns, expected);
  constexpr double clearance = 0.15;  // columns, about one point
  int checked = 0;
  for (const auto& op : d.ops) {
    double left = 0, right = 0, top = op.row, bottom = op.row;
    if (op.kind == DrawKind::text) {
      std::size_t lead = op.text.find_first_not_of(' ');
      if (lead == std::string::npos) continue;
      const double width = 0.6 * printed_point_size(op.point_size) / 6.75;
      left = op.column + static_cast<double>(lead) * width;
      right = op.column + static_cast<double>(op.text.size()) * width;
      bottom = op.row + 1;
      EXPECT_LE(right, 80) << "\"" << op.text << "\" runs past the card's right edge";
    } else if (op.kind == DrawKind::fill) {
      left = op.column, right = op.column2, bottom = op.row2;
    } else {
      continue;
    }
    for (const auto& rule : rules) {
      if (bottom <= rule.row || top >= rule.row2) continue;  // not beside this rule
      if (left >= rule.column + clearance || right <= rule.column - clearance) continue;
      if (op.column < 16 && rule.column <= 1) continue;  // labels left of the table stand on their own
      ADD_FAILURE() << "\"" << op.text << "\" at row " << op.row << ", columns " << left << ".." << right
                    << " meets the rule at column " << rule.column;
    }
    ++checked;
  }
  EXPECT_GT(checked, 18 * 3);  // hole numbers, pars, scores and dots at least
}

TEST_F(ScoreCards, OkPrintPrintsTheKindThatWasPreviewed) {
  fill_group(1, 3);  // a vacancy in slot 4
  const Drawing& shown = preview(CardsPer::golfer, Button::no, Button::yes);
  ASSERT_EQ(home.ui.print_jobs.size(), 1u);
  const RecordedPrintJob& job = home.ui.print_jobs[0];
  EXPECT_TRUE(job.finished);
  EXPECT_EQ(with_text(job.drawing, "Match + -").size(), 3u);  // three golfer cards, not three group cards
  EXPECT_EQ(with_text(shown, "Match + -").size(), 3u);
  EXPECT_EQ(job.drawing.page_count(), 1);
  EXPECT_TRUE(with_text(job.drawing, "*** End of Report ***").empty());
}

TEST_F(ScoreCards, PrintedCardsBeginANewPageWhenTheyDoNotFit) {
  make_tournament(1, "Spring Cup", 4);
  home.ui.answer(Button::no);
  home.ui.answer(Button::yes);
  EXPECT_TRUE(print_score_cards(s, CardsPer::group, false));
  const Drawing& d = home.ui.print_jobs.at(0).drawing;
  EXPECT_EQ(d.page_count(), 2);
  EXPECT_EQ(text_at(d, 43, 76, 1), "003");
  EXPECT_EQ(text_at(d, 3, 76, 2), "004");
}

TEST_F(ScoreCards, PreviewSheetLinesComeFromTheCardList) {
  make_tournament(1, "Spring Cup", 1);
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  EXPECT_TRUE(print_score_cards(s, CardsPer::group, false));
  EXPECT_EQ(home.ui.previews.at(0).sheet_lines, 60);  // a small field still gets 60 lines

  CardField field(s);
  std::vector<ScoreCard> ten(10, ScoreCard{1, {0, 1, 2, 3, 4}});
  EXPECT_EQ(score_card_sheet_lines(ten), 10 * 22 + 2);
}

TEST_F(ScoreCards, SelectedGolfersGroupOnly) {
  fill_group(1, 2);
  fill_group(2, 2);
  home.ui.select(SelectionKind::golfer, "G2 Golfer 2");
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  EXPECT_TRUE(print_score_cards(s, CardsPer::group, true));
  const Drawing& d = home.ui.previews.at(0).drawing;
  EXPECT_EQ(with_text(d, "002").size(), 1u);
  EXPECT_TRUE(with_text(d, "001").empty());
}

}  // namespace
}  // namespace quillon::testing
