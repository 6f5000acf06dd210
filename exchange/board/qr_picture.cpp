#include "exchange/board/qr_code.h"

namespace quillon::board {

std::string qr_svg(const QrMatrix& code, int pixels) {
  const int quiet = 4, across = code.size + 2 * quiet;
  std::string path;
  for (int y = 0; y < code.size; ++y)
    for (int x = 0; x < code.size; ++x)
      if (code.at(x, y)) path += "M" + std::to_string(x + quiet) + " " + std::to_string(y + quiet) + "h1v1h-1z";
  const std::string box = std::to_string(across);
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(pixels) + "\" height=\"" +
         std::to_string(pixels) + "\" viewBox=\"0 0 " + box + " " + box + "\" shape-rendering=\"crispEdges\">" +
         "<rect width=\"" + box + "\" height=\"" + box + "\" fill=\"#fff\"/><path fill=\"#000\" d=\"" + path +
         "\"/></svg>";
}

}  // namespace quillon::board
