#include "shell/select_on_entry.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

namespace quillon::shell {

namespace {

class SelectOnEntry : public QObject {
 public:
  explicit SelectOnEntry(QLineEdit* cell) : QObject(cell), cell_(cell) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != cell_) return false;
    if (event->type() == QEvent::FocusIn) {
      // A click places the text cursor after the focus arrives: the content
      // is selected when the button is released, unless the click dragged a
      // selection of its own.
      clicked_in_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
      cell_->selectAll();
    } else if (event->type() == QEvent::MouseButtonRelease && clicked_in_) {
      clicked_in_ = false;
      if (!cell_->hasSelectedText()) cell_->selectAll();
    } else if (event->type() == QEvent::FocusOut) {
      clicked_in_ = false;
    }
    return false;
  }

 private:
  QLineEdit* cell_;
  bool clicked_in_ = false;
};

}  // namespace

void select_content_on_entry(QWidget* cell) {
  if (auto* edit = qobject_cast<QLineEdit*>(cell)) edit->installEventFilter(new SelectOnEntry(edit));
}

}  // namespace quillon::shell
