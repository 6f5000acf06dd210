#pragma once
// A list to choose one line or several from, with OK and Cancel. Lines made
// of tab-separated fields are shown as columns. Tournament, course and golfer
// lists have a filter box: typing part of a name narrows the list.
#include <QDialog>
#include <QLineEdit>
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "core/ui.h"

namespace quillon::shell {

class SelectionDialog : public QDialog {
  Q_OBJECT

 public:
  SelectionDialog(SelectionKind kind, const std::string& title, const std::vector<Choice>& choices, bool many,
                  QWidget* parent);

  QTreeWidget* list() const { return list_; }
  // The filter box; null for lists without one.
  QLineEdit* filter() const { return filter_; }
  // The ids of the chosen lines in list order (lines hidden by the filter are never chosen).
  std::vector<int> chosen_ids() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void apply_filter(const QString& text);

  std::vector<Choice> choices_;
  QTreeWidget* list_;
  QLineEdit* filter_ = nullptr;
};

// Whether a list of the kind has a filter box.
bool selection_has_filter(SelectionKind kind);
// The column headings of a list by its title; empty for a plain list.
QStringList selection_headings(const std::string& title);
// The cells of one line: its tab-separated fields, trimmed, without the empty
// field before a leading tab.
QStringList selection_cells(const std::string& line);

}  // namespace quillon::shell
