#pragma once
// A list to choose one line or several from, with OK and Cancel.
#include <QDialog>
#include <QListWidget>
#include <optional>
#include <vector>

#include "core/ui.h"

namespace quillon::shell {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  SelectionDialog(const std::string& title, const std::vector<Choice>& choices, bool many, QWidget* parent);

  QListWidget* list() const { return list_; }
  // The ids of the chosen lines in list order.
  std::vector<int> chosen_ids() const;

 private:
  std::vector<Choice> choices_;
  QListWidget* list_;
};

}  // namespace quillon::shell
