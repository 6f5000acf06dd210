#pragma once
// "Tournament Detail Information" in two columns: the event's identity,
// contact and date on the left; format, tie-break and the divisions table on
// the right (one row per division in use); start, tee times and groups below,
// then the settings buttons beside OK and Cancel.
#include <vector>

#include "shell/form_dialog.h"
#include "tournament/tournament_dialog.h"

class QGridLayout;

namespace quillon::shell {

class TournamentDialog : public FormDialog {
  Q_OBJECT

 public:
  TournamentDialog(TournamentDialogModel& model, HelpTopicFn show_help, QWidget* parent);

 private:
  // Adds a caption and its field's widget as one row of a two-column grid.
  QWidget* add_row(QGridLayout* grid, int row, const Field& field, int column = 0);
  QLayout* identity_column();
  QLayout* format_column();
  QLayout* divisions_table();
  QLayout* format_extras();
  QLayout* times_and_groups();
  QLayout* button_row();

  const TournamentForm& form_;
  std::vector<QWidget*> tab_order_;
};

}  // namespace quillon::shell
