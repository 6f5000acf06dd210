// BoardServer::create and qr_matrix of the programs: they load the module and
// call its own. Without the module they fail and say why.
#include "exchange/board/board_module.h"

#include "core/loadable_module.h"

namespace quillon::board {

Result<std::unique_ptr<BoardServer>> BoardServer::create(ServerOptions options) {
  std::string why;
  const BoardModule* module = loaded_module<BoardModule>("board", board_module_entry, why);
  if (!module) return Status::failed("The clubhouse board cannot be started: " + why);
  return module->create_server(std::move(options));
}

Result<QrMatrix> qr_matrix(const std::string& text) {
  std::string why;
  const BoardModule* module = loaded_module<BoardModule>("board", board_module_entry, why);
  if (!module) return Status::failed("The QR code of " + text + " cannot be made: " + why);
  return module->qr_matrix(text);
}

}  // namespace quillon::board
