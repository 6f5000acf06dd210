#pragma once
// "Course Maintenance": the names, the ratings and slopes as a small table,
// phone and fax, the holes laid out like a score card (holes as columns with
// Out, In and Total; rows Par(M), Par(F), Hcap (M), Hcap (F) and the
// distance), then the check boxes and the half-month season flags.
#include <string>
#include <utility>
#include <vector>

#include "courses/course_dialog.h"
#include "shell/form_dialog.h"

namespace quillon::shell {

class CourseDialog : public FormDialog {
  Q_OBJECT

 public:
  CourseDialog(CourseDialogModel& model, HelpTopicFn show_help, QWidget* parent);

 protected:
  void refresh_extras() override;

 private:
  QLayout* names_row();
  QLayout* ratings_table();
  QLayout* contact_block();
  QLayout* hole_grid();
  QLayout* check_boxes();

  CourseDialogModel& course_;
  std::vector<QWidget*> tab_order_;
  // The typed nine or total par and its running total share a cell; the
  // typed one shows while it can be typed into (while no hole has a par).
  std::vector<std::pair<const Field*, const Field*>> shared_cells_;
};

}  // namespace quillon::shell
