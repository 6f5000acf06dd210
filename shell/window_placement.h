#pragma once
// Where new windows appear: dialogs and message boxes centred over the window
// that opened them, help beside it; always wholly on that window's screen.
class QWidget;

namespace quillon::shell {

// Centres `window` (sized by its layout unless already resized) over the
// window of `anchor`, kept inside the available area of the anchor's screen.
// Without an anchor the window is centred on the primary screen.
void centre_over(QWidget& window, const QWidget* anchor);

// Places `window` to the right of the window of `anchor`, or to its left when
// there is no room on the right, else as far right as the screen allows.
void place_beside(QWidget& window, const QWidget* anchor);

}  // namespace quillon::shell
