#include "shell/fitted_print.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>
#include <memory>

namespace quillon::shell {

namespace {

constexpr double points_per_inch = 72;

// The document lays its pages out in pixels of the screen.
double layout_dpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96;
}

// The printable area of the layout in the document's pixels.
QSizeF printable_pixels(const QPageLayout& layout) {
  return layout.paintRectPoints().size() * (layout_dpi() / points_per_inch);
}

// The width the document takes when laid out no wider than `width`: more
// when a table is fixed wider than that.
double laid_out_width(const QTextDocument& document, double width) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setTextWidth(width);
  return std::max(width, copy->documentLayout()->documentSize().width());
}

}  // namespace

double fit_scale(const QTextDocument& document, const QPageLayout& layout) {
  const double width = printable_pixels(layout).width();
  if (width <= 0) return 1;
  return width / laid_out_width(document, width);
}

QPageLayout::Orientation orientation_for(const QTextDocument& document, const QPageLayout& portrait) {
  QPageLayout upright = portrait;
  upright.setOrientation(QPageLayout::Portrait);
  const double upright_scale = fit_scale(document, upright);
  if (upright_scale >= 1) return QPageLayout::Portrait;
  QPageLayout across = portrait;
  across.setOrientation(QPageLayout::Landscape);
  return fit_scale(document, across) > upright_scale ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void print_fitted(const QTextDocument& document, QPrinter& printer) {
  const QSizeF printable = printable_pixels(printer.pageLayout());
  std::unique_ptr<QTextDocument> copy(document.clone());
  const double width = laid_out_width(document, printable.width());
  // A page size of the paper's proportions, as wide as the document: the
  // printing scales each such page down onto the paper.
  copy->setPageSize(QSizeF(width, width * printable.height() / printable.width()));
  copy->print(&printer);
}

}  // namespace quillon::shell
