#pragma once
// Small helpers shared by the hand-laid dialogs.
#include <QHBoxLayout>
#include <QLabel>
#include <QString>
#include <vector>

class QWidget;

namespace quillon {
struct Field;
}

namespace quillon::shell {

// Gives a widget the fixed width of `chars` digits plus its frame.
void fit_to_chars(QWidget* widget, int chars);
// A column or row heading.
QLabel* heading(const QString& text, Qt::Alignment alignment = Qt::AlignCenter);

class FieldWidgets;
// The top row of the golfer windows: their "Group #" list, first in the tab order.
QHBoxLayout* group_list_row(FieldWidgets& fields, const Field& groups, std::vector<QWidget*>& tab_order);

}  // namespace quillon::shell
