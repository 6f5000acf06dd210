#pragma once
// Grid cells (hole scores, pars, stroke indexes) select their content when the
// cursor enters them, by click, Tab or the automatic move to the next cell, so
// that typing replaces the value as in any score or spreadsheet grid.
class QWidget;

namespace quillon::shell {

// Makes `cell` (a line edit) select its content on entry; other widgets are left alone.
void select_content_on_entry(QWidget* cell);

}  // namespace quillon::shell
