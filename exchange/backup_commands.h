#pragma once
// The backup and restore commands: 1103 and the main window's button 974
// (backup), 1104 (restore) and 2010 (upload of the backup to the server).
#include <memory>

#include "core/dispatch.h"
#include "exchange/backup_server.h"

namespace quillon {

void register_backup_commands(CommandRegistry& registry,
                              std::shared_ptr<BackupServer> server = std::make_shared<NetworkServicesNotSetUp>());

}  // namespace quillon
