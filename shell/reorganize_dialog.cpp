#include "shell/reorganize_dialog.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "shell/dialog_registry.h"
#include "shell/qt_text.h"
#include "shell/tab_columns.h"

namespace quillon::shell {

namespace {

[[maybe_unused]] const bool registered = register_dialog("reorganize_foursomes", [](DialogModel& model,
                                                                                    const DialogContext& context) {
  return std::make_unique<ReorganizeDialog>(dynamic_cast<ReorganizeModel&>(model), context.show_help, context.parent);
});

// A "Last, First" name of ordinary length, and the gender letter after the last heading.
constexpr int name_column_chars = 24;
constexpr int flag_column_chars = 4;

void prepare_list(QListWidget* list) {
  list->setDragEnabled(true);
  list->setAcceptDrops(true);
  list->viewport()->setAcceptDrops(true);
  list->setDragDropMode(QAbstractItemView::DragDrop);
  list->setDefaultDropAction(Qt::MoveAction);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list->setMinimumSize(330, 420);
}

}  // namespace

ReorganizeDialog::ReorganizeDialog(ReorganizeModel& model, HelpTopicFn show_help, QWidget* parent)
    : FormDialog(model, std::move(show_help), parent), model_(model) {
  setWindowTitle(qt_text(model.title()));
  auto* outer = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;

  const QStringList headings = qt_text(model.columns.text).split('\t');
  holding_ = fields().make_list(model.holding_list);
  field_ = fields().make_list(model.field_list);
  const std::vector<int> widths =
      tab_column_widths(holding_->fontMetrics(), headings, name_column_chars, flag_column_chars);

  auto* left = new QVBoxLayout;
  left->addWidget(fields().caption(model.holding_list.name));
  left->addWidget(tab_columns_heading(headings, widths));
  left->addWidget(holding_);
  row->addLayout(left);

  auto* middle = new QVBoxLayout;
  middle->addStretch();
  for (const Field* button : model.buttons.in_order()) middle->addWidget(fields().make(*button));
  middle->addStretch();
  row->addLayout(middle);

  auto* right = new QVBoxLayout;
  right->addWidget(fields().caption(model.field_list.name));
  right->addWidget(tab_columns_heading(headings, widths));
  right->addWidget(field_);
  row->addLayout(right);

  for (QListWidget* list : {holding_, field_}) {
    prepare_list(list);
    list->setItemDelegate(new TabColumnsDelegate(widths, list));
    list->setMinimumWidth(tab_columns_list_width(widths, *list) + 2 * list->fontMetrics().averageCharWidth());
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->viewport()->installEventFilter(this);
  }
  outer->addLayout(row);
  outer->addWidget(make_buttons());
  start();
}

void ReorganizeDialog::drop(QListWidget* from_list, int from, QListWidget* to_list, int to) {
  const ListSide from_side = from_list == holding_ ? ListSide::holding : ListSide::field;
  const ListSide to_side = to_list == holding_ ? ListSide::holding : ListSide::field;
  const Status result = model_.move_line(from_side, from, to_side, to);
  refresh();
  if (!result) QApplication::beep();
}

bool ReorganizeDialog::eventFilter(QObject* watched, QEvent* event) {
  QListWidget* target = watched == holding_->viewport() ? holding_ : (watched == field_->viewport() ? field_ : nullptr);
  if (!target) return FormDialog::eventFilter(watched, event);
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->source() == holding_ || drag->source() == field_) {
      drag->setDropAction(Qt::MoveAction);
      drag->accept();
      return true;
    }
    return false;
  }
  if (event->type() == QEvent::Drop) {
    auto* dropped = static_cast<QDropEvent*>(event);
    auto* source = qobject_cast<QListWidget*>(dropped->source());
    if (source != holding_ && source != field_) return false;
    const int from = source->currentRow();
    const int to = target->indexAt(dropped->position().toPoint()).row();
    // The lists are redrawn from the model; Qt must not move the item itself.
    dropped->setDropAction(Qt::IgnoreAction);
    dropped->accept();
    if (from >= 0 && (to >= 0 || target == holding_)) drop(source, from, target, to);
    return true;
  }
  return FormDialog::eventFilter(watched, event);
}

}  // namespace quillon::shell
