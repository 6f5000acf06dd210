#pragma once
// Printing a report page on paper: a page wider than the paper (a table laid
// out wider than the printable width) is printed across the paper, turned to
// landscape where that keeps it larger, and scaled down as far as it still
// needs, so that no column is cut off at the paper's edge.
#include <QPageLayout>

class QPrinter;
class QTextDocument;

namespace quillon::shell {

// How much the document shrinks to fit the width of the page layout's
// printable area: 1 when it fits as laid out.
double fit_scale(const QTextDocument& document, const QPageLayout& layout);
// Landscape when the document needs shrinking on a portrait page and keeps
// more of its size across a landscape one.
QPageLayout::Orientation orientation_for(const QTextDocument& document, const QPageLayout& portrait);
// Prints the document on the printer's pages, scaled down to the printable width.
void print_fitted(const QTextDocument& document, QPrinter& printer);

}  // namespace quillon::shell
