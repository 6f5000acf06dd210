#pragma once
// The backup and restore commands: 1103 and the main window's button 974
// (backup), 1104 (restore) and 2010 (the upload of the backup made for the
// server, which the backup also runs itself after "Save to Tolvane Web
// Server").
#include <memory>

#include "core/dispatch.h"
#include "exchange/backup/backup_server.h"

namespace quillon {

void register_backup_commands(CommandRegistry& registry,
                              std::shared_ptr<BackupServer> server = std::make_shared<NetworkServicesNotSetUp>());

}  // namespace quillon
