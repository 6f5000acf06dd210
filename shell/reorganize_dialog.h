#pragma once
// "Re-organize Foursomes": the holding list on the left, the tournament's
// groups on the right, the buttons between, and golfers dragged with the
// mouse from either list onto a group line, a vacancy or another golfer.
#include <QObject>

#include "shell/form_dialog.h"
#include "tournament/reorganize.h"

class QListWidget;

namespace quillon::shell {

class ReorganizeDialog : public FormDialog {
  Q_OBJECT

 public:
  ReorganizeDialog(ReorganizeModel& model, HelpTopicFn show_help, QWidget* parent);

  // A drop: the golfer of row `from` of one list onto row `to` of another
  // (or the same) list; what the mouse does, callable from tests.
  void drop(QListWidget* from_list, int from, QListWidget* to_list, int to);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ReorganizeModel& model_;
  QListWidget* holding_ = nullptr;
  QListWidget* field_ = nullptr;
};

}  // namespace quillon::shell
