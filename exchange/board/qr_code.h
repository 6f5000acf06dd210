#pragma once
// QR codes of the board's addresses (libqrencode), as a module matrix and as
// an SVG picture for the pages.
#include <string>
#include <vector>

#include "core/result.h"

namespace quillon::board {

struct QrMatrix {
  int size = 0;  // modules across and down
  std::vector<bool> dark;  // row by row
  bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)]; }
};

// The code of a text at error correction level M (from the module
// quillon-board, exchange/board/board_module.h).
Result<QrMatrix> qr_matrix(const std::string& text);

// An SVG of the code with a quiet zone of four modules, `pixels` wide.
std::string qr_svg(const QrMatrix& code, int pixels);

}  // namespace quillon::board
