// The codes themselves, from libqrencode (in the module quillon-board).
#include "exchange/board/qr_code.h"

#include <qrencode.h>

#include <memory>

namespace quillon::board {

Result<QrMatrix> qr_matrix(const std::string& text) {
  std::unique_ptr<QRcode, decltype(&QRcode_free)> code(QRcode_encodeString8bit(text.c_str(), 0, QR_ECLEVEL_M),
                                                       &QRcode_free);
  if (!code) return Status::failed("The QR code of " + text + " cannot be made");
  QrMatrix m;
  m.size = code->width;
  m.dark.resize(static_cast<std::size_t>(m.size) * static_cast<std::size_t>(m.size));
  for (std::size_t i = 0; i < m.dark.size(); ++i) m.dark[i] = (code->data[i] & 1) != 0;
  return m;
}

}  // namespace quillon::board
