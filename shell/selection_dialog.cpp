#include "shell/selection_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "shell/qt_text.h"

namespace quillon::shell {

SelectionDialog::SelectionDialog(const std::string& title, const std::vector<Choice>& choices, bool many,
                                 QWidget* parent)
    : QDialog(parent), choices_(choices), list_(new QListWidget) {
  setWindowTitle(qt_text(title));
  list_->setSelectionMode(many ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
  for (const Choice& c : choices_) list_->addItem(qt_text(c.text));
  if (!many && list_->count() > 0) list_->setCurrentRow(0);
  list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (!many) connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(std::max(420, list_->minimumWidth() + 30), 420);
}

std::vector<int> SelectionDialog::chosen_ids() const {
  std::vector<int> ids;
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->isSelected()) ids.push_back(choices_[i].id);
  return ids;
}

}  // namespace quillon::shell
