#include "exchange/backup/backup_dialogs.h"

#include "core/messages.h"
#include "core/text.h"

namespace quillon {

namespace {

constexpr const char* source_buttons_group = "source_buttons";

}  // namespace

BackupDialogModel::BackupDialogModel() {
  title_ = "Database Backup";
  add(Field::label_field("advice",
                         "Tolvane recommends that the backup file be written to somewhere other than your hard disk "
                         "to ensure that in the unlikely event of a hard disk failure, your system could be "
                         "recovered."));
  add(Field::label_field("server_note",
                         "In order to save a backup to the Tolvane Web Server, your system must be configured for "
                         "uploading tournaments to the Tolvane Cuplink Network.  If your system is not yet "
                         "configured for the Cuplink Network, when you click on the 'Save to Tolvane Web Server' "
                         "button you will be offered the opportunity to sign up.  There is no cost for making use of "
                         "the Cuplink Network."));
  add(Field::button_field(save_local_button, "Save to Local Device")).group = source_buttons_group;
  add(Field::button_field(save_server_button, "Save to Tolvane Web Server")).group = source_buttons_group;
}

BackupTarget BackupDialogModel::target() const {
  return chosen_ == save_server_button ? BackupTarget::web_server : BackupTarget::local_device;
}

void BackupDialogModel::on_pressed(Field& button) { chosen_ = button.name; }

RestoreDialogModel::RestoreDialogModel(State& state) : state_(state) {
  title_ = "Database Restore";
  add(Field::label_field("warning",
                         "Restoring the database from a backup will completely overwrite the active  database."));
  add(Field::label_field("instruction",
                         "In order for the restore to be performed you must type the word \"Restore\" in the "
                         "confirmation box below."));
  confirmation_ = &add(Field::text_field(confirmation_field, "Restore Confirmation :", confirmation_length));
  add(Field::label_field("question", "Where is the database backup that you would like to restore from?"));
  add(Field::button_field(restore_server_button, "Tolvane Web Server")).group = source_buttons_group;
  add(Field::button_field(restore_browse_button, "Browse")).group = source_buttons_group;
  focus_ = confirmation_field;
}

RestoreSource RestoreDialogModel::source() const {
  return chosen_ == restore_server_button ? RestoreSource::web_server : RestoreSource::browse;
}

bool RestoreDialogModel::confirmed(const std::string& typed) { return to_lower(typed) == "restore"; }

void RestoreDialogModel::on_pressed(Field& button) {
  if (!confirmed(confirmation_->text)) {
    not_done_box(state_, message_kind::information,
                 "A database restore will completely overwrite the active database. In order for the restore to be "
                 "performed you must type the word 'restore' into the restore confirmation box.");
    return;
  }
  chosen_ = button.name;
}

}  // namespace quillon
