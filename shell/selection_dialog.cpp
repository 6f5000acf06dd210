#include "shell/selection_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace quillon::shell {

QStringList selection_headings(const std::string& title) {
  if (title == "Tournament Selection") return {"Date", "Name", "Course", "Start", "End"};
  return {};
}

QStringList selection_cells(const std::string& line) {
  QStringList cells = qt_text(line).split('\t');
  if (cells.size() > 1 && cells.front().isEmpty()) cells.removeFirst();
  for (QString& c : cells) c = c.trimmed();
  return cells;
}

SelectionDialog::SelectionDialog(const std::string& title, const std::vector<Choice>& choices, bool many,
                                 QWidget* parent)
    : QDialog(parent), choices_(choices), list_(new QTreeWidget) {
  setWindowTitle(qt_text(title));
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setSelectionMode(many ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
  QStringList headings = selection_headings(title);
  int columns = static_cast<int>(headings.size());
  for (const Choice& c : choices_) columns = std::max(columns, static_cast<int>(selection_cells(c.text).size()));
  list_->setColumnCount(std::max(columns, 1));
  if (headings.isEmpty()) list_->setHeaderHidden(true);
  else list_->setHeaderLabels(headings);
  for (const Choice& c : choices_) list_->addTopLevelItem(new QTreeWidgetItem(selection_cells(c.text)));
  for (int col = 0; col < list_->columnCount(); ++col) list_->resizeColumnToContents(col);
  if (!many && list_->topLevelItemCount() > 0) list_->setCurrentItem(list_->topLevelItem(0));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (!many) connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  int width = 40;
  for (int col = 0; col < list_->columnCount(); ++col) width += list_->columnWidth(col);
  resize(std::clamp(width, 420, 900), 420);
}

std::vector<int> SelectionDialog::chosen_ids() const {
  std::vector<int> ids;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    if (list_->topLevelItem(i)->isSelected()) ids.push_back(choices_[i].id);
  return ids;
}

}  // namespace quillon::shell
