#include "shell/tab_columns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <numeric>

namespace quillon::shell {

namespace {

// Room between the list's edge and the first cell, and between cells.
constexpr int text_margin = 4;
constexpr int cell_gap = 8;

}  // namespace

std::vector<int> tab_column_widths(const QFontMetrics& metrics, const QStringList& headings, int first_chars,
                                   int min_chars) {
  std::vector<int> widths;
  for (int i = 0; i < headings.size(); ++i) {
    const int chars = i == 0 ? first_chars : min_chars;
    widths.push_back(std::max(metrics.averageCharWidth() * chars, metrics.horizontalAdvance(headings[i])) + cell_gap);
  }
  return widths;
}

TabColumnsDelegate::TabColumnsDelegate(std::vector<int> widths, QObject* parent)
    : QStyledItemDelegate(parent), widths_(std::move(widths)) {}

std::vector<int> TabColumnsDelegate::cell_lefts(const QRect& rect) const {
  std::vector<int> lefts;
  int x = rect.left() + text_margin;
  for (int width : widths_) {
    lefts.push_back(x);
    x += width;
  }
  lefts.push_back(x);  // a cell beyond the headings starts after the last
  return lefts;
}

void TabColumnsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem panel = option;
  initStyleOption(&panel, index);
  const QStringList cells = panel.text.split('\t');
  panel.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);

  const std::vector<int> lefts = cell_lefts(option.rect);
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  for (int i = 0; i < cells.size(); ++i) {
    const int left = lefts[std::min<std::size_t>(i, lefts.size() - 1)];
    // A line without cells (a group's heading) runs across the whole row.
    const bool last = i + 1 == cells.size() || i + 1 >= static_cast<int>(lefts.size());
    const int right = last ? option.rect.right() : lefts[i + 1] - cell_gap / 2;
    QRect cell(left, option.rect.top(), std::max(0, right - left), option.rect.height());
    const QString shown = option.fontMetrics.elidedText(cells[i].trimmed(), Qt::ElideRight, cell.width());
    painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, shown);
  }
  painter->restore();
}

QWidget* tab_columns_heading(const QStringList& headings, const std::vector<int>& widths) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  // The list's frame stands between its edge and the lines.
  const int frame = QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  layout->setContentsMargins(text_margin + frame, 0, 0, 0);
  layout->setSpacing(0);
  for (int i = 0; i < headings.size(); ++i) {
    auto* label = new QLabel(headings[i]);
    label->setObjectName("heading." + headings[i]);
    if (i < static_cast<int>(widths.size())) label->setFixedWidth(widths[i]);
    layout->addWidget(label);
  }
  layout->addStretch();
  return row;
}

int tab_columns_list_width(const std::vector<int>& widths, const QWidget& list) {
  const int scroll_bar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return std::accumulate(widths.begin(), widths.end(), 0) + 2 * text_margin + scroll_bar +
         2 * list.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
}

}  // namespace quillon::shell
