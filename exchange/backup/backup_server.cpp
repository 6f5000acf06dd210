#include "exchange/backup/backup_server.h"

namespace quillon {

Status NetworkServicesNotSetUp::upload(State&, const std::filesystem::path&, const std::string&) {
  return Status::failed(network_not_set_up_text);
}

Status NetworkServicesNotSetUp::download(State&, const std::string&, const std::filesystem::path&) {
  return Status::failed(network_not_set_up_text);
}

std::string remote_backup_name(const std::string& club_id) { return "tdb/" + club_id + ".bkp"; }

}  // namespace quillon
