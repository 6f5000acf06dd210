#pragma once
// Lines of tab-separated cells ("Brooks, Alan\t 8.4\tY\tN") shown as real
// columns in a plain list: each cell starts at its column's left edge, and a
// heading row of the same widths stands over the columns. The line texts
// themselves stay as they are.
#include <QStringList>
#include <QStyledItemDelegate>
#include <vector>

class QFontMetrics;
class QWidget;

namespace quillon::shell {

// Column widths in pixels for the headings: the first (names) `first_chars`
// average characters wide, the others as wide as their heading or `min_chars`.
std::vector<int> tab_column_widths(const QFontMetrics& metrics, const QStringList& headings, int first_chars,
                                   int min_chars);

class TabColumnsDelegate : public QStyledItemDelegate {
 public:
  TabColumnsDelegate(std::vector<int> widths, QObject* parent);
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  // The left edge of each cell of a line drawn in `rect`, from the text's margin.
  std::vector<int> cell_lefts(const QRect& rect) const;

 private:
  std::vector<int> widths_;
};

// A row of heading labels of the widths, aligned with the delegate's cells.
QWidget* tab_columns_heading(const QStringList& headings, const std::vector<int>& widths);

// The pixels a list needs to show lines of these widths without scrolling across.
int tab_columns_list_width(const std::vector<int>& widths, const QWidget& list);

}  // namespace quillon::shell
