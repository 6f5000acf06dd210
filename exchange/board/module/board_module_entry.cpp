// The entry of the module "quillon-board.so": the board's server and its QR codes.
#include "exchange/board/board_module.h"

namespace {

using namespace quillon::board;

const BoardModule module{BoardServer::create, qr_matrix};

}  // namespace

extern "C" __attribute__((visibility("default"))) const BoardModule* quillon_board_module() { return &module; }
