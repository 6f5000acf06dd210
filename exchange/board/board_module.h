#pragma once
// The board's server (Boost.Asio with OpenSSL's TLS) and its QR codes
// (libqrencode) live in the module "quillon-board.so", loaded when the board
// is started or a code is drawn, so that the programs start without those
// libraries. The module holds the room's files once more; in the programs
// BoardServer::create and qr_matrix load it (exchange/board/board_module.cpp).
#include <memory>
#include <string>

#include "core/result.h"
#include "exchange/board/board_server.h"
#include "exchange/board/qr_code.h"

namespace quillon::board {

struct BoardModule {
  Result<std::unique_ptr<BoardServer>> (*create_server)(ServerOptions options);
  Result<QrMatrix> (*qr_matrix)(const std::string& text);
};

using BoardModuleEntry = const BoardModule* (*)();
inline constexpr const char* board_module_entry = "quillon_board_module";

}  // namespace quillon::board
