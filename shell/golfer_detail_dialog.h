#pragma once
// "Maintain Golfer Information", detail: one group at a time with its tee
// time, Prev and Next; a panel per golfer (four text lines, index, division
// and the Sk, U1 and U2 boxes) in two columns; the two statistic headings.
#include <QGroupBox>
#include <vector>

#include "shell/form_dialog.h"
#include "tournament/golfer_detail.h"

namespace quillon::shell {

class GolferDetailDialog : public FormDialog {
  Q_OBJECT

 public:
  GolferDetailDialog(GolferDetailModel& model, HelpTopicFn show_help, QWidget* parent);

  // The panel of golfer k (1..5).
  QGroupBox* panel(int golfer) const { return panels_.at(golfer - 1); }

 protected:
  void refresh_extras() override;

 private:
  QGroupBox* golfer_panel(int golfer, std::vector<QWidget*>& tab_order);

  const GolferDetailForm& form_;
  std::vector<QGroupBox*> panels_;
};

}  // namespace quillon::shell
