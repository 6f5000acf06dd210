#pragma once
// "Maintain Golfer Scores" like a score card: per golfer row the name, the
// holes in two lines of nine (1..9 over 10..18) with the nine totals beside
// them, the card total, division, Skins, DQ and the Gross, handicap and net
// figures. Each hole cell is framed in the green of its score against par.
// Scramble and Ambrose get the team card: one row with headed holes.
#include <QLineEdit>
#include <map>
#include <string>

#include "shell/form_dialog.h"
#include "tournament/score_entry.h"

class QGridLayout;

namespace quillon::shell {

class ScoreDialog : public FormDialog {
  Q_OBJECT

 public:
  ScoreDialog(ScoreEntryModel& model, HelpTopicFn show_help, QWidget* parent);
  ~ScoreDialog() override;

  QLineEdit* hole_cell(int row, int hole) const;
  // The green (of 255) the cell is framed with; 0 when it is not framed.
  int cell_green(int row, int hole) const;

 protected:
  void refresh_extras() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* top_row();
  void golfer_rows(QGridLayout* grid, std::vector<QWidget*>& tab_order);
  void team_row(QGridLayout* grid, std::vector<QWidget*>& tab_order);
  // Hole cells of one line of nine, from grid row `row`.
  void place_holes(QGridLayout* grid, int grid_row, int row, int first_hole, std::vector<QWidget*>& tab_order);
  void place_figures(QGridLayout* grid, int grid_row, int rows_spanned, int row);

  ScoreEntryModel& scores_;
  std::map<QObject*, std::pair<int, int>> cells_;  // hole cell -> row, hole
  std::map<QObject*, int> greens_;  // the frame each cell shows now
};

}  // namespace quillon::shell
