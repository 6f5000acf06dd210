#pragma once
// "Maintain Golfer Information", summary: the "Group #" list, a heading row
// and four blocks of up to five golfer rows (name, index, division, gender,
// cart, member, skins), one block per group shown.
#include "shell/form_dialog.h"
#include "tournament/golfer_summary.h"

namespace quillon::shell {

class GolferSummaryDialog : public FormDialog {
  Q_OBJECT

 public:
  GolferSummaryDialog(GolferSummaryModel& model, HelpTopicFn show_help, QWidget* parent);
};

}  // namespace quillon::shell
