#pragma once
// "Allocation of Groups for Shotgun Start" as one compact table: hole, par and
// the groups starting there in the first and the second shotgun, so that all
// 18 holes and the buttons fit a 768-pixel screen.
#include "shell/form_dialog.h"
#include "tournament/shotgun_holes.h"

namespace quillon::shell {

class ShotgunHolesDialog : public FormDialog {
  Q_OBJECT

 public:
  ShotgunHolesDialog(ShotgunHolesModel& model, HelpTopicFn show_help, QWidget* parent);
};

}  // namespace quillon::shell
