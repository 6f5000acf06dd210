#pragma once
// Where new windows appear: dialogs and message boxes centred over the window
// that opened them, help beside it; always wholly on that window's screen.
#include <QRect>
#include <QSize>

class QWidget;

namespace quillon::shell {

// Centres `window` (sized by its layout unless already resized) over the
// window of `anchor`, kept inside the available area of the anchor's screen.
// Without an anchor the window is centred on the primary screen.
void centre_over(QWidget& window, const QWidget* anchor);

// Places `window` beside the window of `anchor` (see beside_geometry), so
// that it leaves the anchor's buttons in view. A window that keeps its size
// (the report window, wide for its tables) goes to the anchor's right, or to
// its left when there is no room on the right, else as far right as the
// screen allows, over the anchor.
enum class Beside { fitted, keeping_size };
void place_beside(QWidget& window, const QWidget* anchor, Beside how = Beside::fitted);

// Where a window of `wanted` size goes beside `anchor` within `area`: to its
// right, else to its left; narrowed to the wider side when it does not fit
// whole but the side has room for a readable window; otherwise at that side's
// screen edge, shortened so that it ends above the anchor's bottom row of
// buttons, which it never covers.
QRect beside_geometry(QSize wanted, const QRect& anchor, const QRect& area);

}  // namespace quillon::shell
