#include "shell/selection_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace quillon::shell {

bool selection_has_filter(SelectionKind kind) {
  return kind == SelectionKind::tournament || kind == SelectionKind::course || kind == SelectionKind::golfer;
}

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

SelectionDialog::SelectionDialog(SelectionKind kind, const std::string& title, const std::vector<Choice>& choices,
                                 bool many, QWidget* parent)
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
  QTreeWidgetItem* start = nullptr;
  for (const Choice& c : choices_) {
    auto* item = new QTreeWidgetItem(selection_cells(c.text));
    list_->addTopLevelItem(item);
    if (c.preselected && !start) start = item;
  }
  for (int col = 0; col < list_->columnCount(); ++col) list_->resizeColumnToContents(col);
  if (!start && list_->topLevelItemCount() > 0) start = list_->topLevelItem(0);
  if (!many && start) list_->setCurrentItem(start);
  if (start) list_->scrollToItem(start);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (!many) connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  if (selection_has_filter(kind)) {
    filter_ = new QLineEdit;
    filter_->setPlaceholderText("Type part of a name to narrow the list");
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    connect(filter_, &QLineEdit::textChanged, this, &SelectionDialog::apply_filter);
    layout->addWidget(filter_);
    // Ctrl+F goes back to the filter from the list.
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
      filter_->setFocus(Qt::ShortcutFocusReason);
      filter_->selectAll();
    });
    filter_->setToolTip("Type part of a name to narrow the list (Ctrl+F)");
  }
  layout->addWidget(list_);
  layout->addWidget(buttons);
  int width = 40;
  for (int col = 0; col < list_->columnCount(); ++col) width += list_->columnWidth(col);
  resize(std::clamp(width, 420, 900), 420);
  if (filter_) filter_->setFocus();
  else list_->setFocus();
}

void SelectionDialog::apply_filter(const QString& text) {
  const QString wanted = text.trimmed();
  QTreeWidgetItem* first_shown = nullptr;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    bool matches = wanted.isEmpty();
    for (int col = 0; !matches && col < item->columnCount(); ++col)
      matches = item->text(col).contains(wanted, Qt::CaseInsensitive);
    item->setHidden(!matches);
    if (!matches) item->setSelected(false);
    if (matches && !first_shown) first_shown = item;
  }
  QTreeWidgetItem* current = list_->currentItem();
  if (list_->selectionMode() == QAbstractItemView::SingleSelection && (!current || current->isHidden())) {
    list_->setCurrentItem(first_shown);
    if (!first_shown) list_->clearSelection();
  }
}

bool SelectionDialog::eventFilter(QObject* watched, QEvent* event) {
  // Up and Down in the filter box move through the narrowed list.
  if (watched == filter_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up || key->key() == Qt::Key_PageDown ||
        key->key() == Qt::Key_PageUp) {
      QCoreApplication::sendEvent(list_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

std::vector<int> SelectionDialog::chosen_ids() const {
  std::vector<int> ids;
  for (int i = 0; i < list_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->isSelected() && !item->isHidden()) ids.push_back(choices_[i].id);
  }
  return ids;
}

}  // namespace quillon::shell
