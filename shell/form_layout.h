#pragma once
// Small helpers shared by the hand-laid dialogs.
#include <QLabel>
#include <QString>

class QWidget;

namespace quillon::shell {

// Gives a widget the fixed width of `chars` digits plus its frame.
void fit_to_chars(QWidget* widget, int chars);
// A column or row heading.
QLabel* heading(const QString& text, Qt::Alignment alignment = Qt::AlignCenter);
// A bold caption for a block of the form.
QLabel* bold_caption(const QString& text);

}  // namespace quillon::shell
