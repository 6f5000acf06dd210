#pragma once
// Which paper a print job uses: the one chosen in System Configuration, or by
// default the printer's own default paper, and for a PDF file the paper of
// the user's country (Letter in the Americas' Letter countries, else A4).
#include <QLocale>
#include <QPageSize>

#include "core/print_canvas.h"

namespace quillon::print_qt {

Paper paper_of_country(QLocale::Territory territory);
// The chosen paper; for `automatic`, the printer's paper when it is Letter or
// A4, else the paper of the country of `locale`.
Paper resolved_paper(Paper chosen, const QPageSize& printer_paper, const QLocale& locale = QLocale::system());
// The chosen paper for a PDF file.
Paper resolved_pdf_paper(Paper chosen, const QLocale& locale = QLocale::system());
QPageSize page_size_of(Paper paper);

}  // namespace quillon::print_qt
