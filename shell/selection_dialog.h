#pragma once
// A list to choose one line or several from, with OK and Cancel. Lines made
// of tab-separated fields are shown as columns.
#include <QDialog>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "core/ui.h"

namespace quillon::shell {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  SelectionDialog(const std::string& title, const std::vector<Choice>& choices, bool many, QWidget* parent);

  QTreeWidget* list() const { return list_; }
  // The ids of the chosen lines in list order.
  std::vector<int> chosen_ids() const;

 private:
  std::vector<Choice> choices_;
  QTreeWidget* list_;
};

// The column headings of a list by its title; empty for a plain list.
QStringList selection_headings(const std::string& title);
// The cells of one line: its tab-separated fields, trimmed, without the empty
// field before a leading tab.
QStringList selection_cells(const std::string& line);

}  // namespace quillon::shell
