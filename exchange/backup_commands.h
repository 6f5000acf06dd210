#pragma once
// The backup and restore commands: 1103 and the main window's button 974
// (backup) and 1104 (restore). The upload to the server (the internal
// command 2010) runs straight from the backup.
#include <memory>

#include "core/dispatch.h"
#include "exchange/backup_server.h"

namespace quillon {

void register_backup_commands(CommandRegistry& registry,
                              std::shared_ptr<BackupServer> server = std::make_shared<NetworkServicesNotSetUp>());

}  // namespace quillon
