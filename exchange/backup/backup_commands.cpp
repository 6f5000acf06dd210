#include "exchange/backup/backup_commands.h"

#include "exchange/backup/backup.h"
#include "exchange/backup/restore.h"

namespace quillon {

void register_backup_commands(CommandRegistry& registry, std::shared_ptr<BackupServer> server) {
  registry.add({1103, 974}, [server](State& s, int) { return backup_database(s, *server); });
  registry.add({1104}, [server](State& s, int) { return restore_command(s, *server); });
  registry.add({2010}, [server](State& s, int) { return upload_backup(s, *server); });
}

}  // namespace quillon
