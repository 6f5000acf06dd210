#pragma once
// The "Database Backup" and "Database Restore" dialogs: each closes when one
// of its source buttons is accepted and says which; Cancel closes it without one.
#include "core/dialog_model.h"

namespace quillon {

struct State;

// A dialog whose push buttons, not OK, close it with a choice.
class ButtonChoiceModel : public DialogModel {
 public:
  // The name of the button that closed the dialog; empty while none has.
  const std::string& chosen() const { return chosen_; }
  bool accept() override { return !chosen_.empty(); }

 protected:
  std::string chosen_;
};

enum class BackupTarget { local_device, web_server };

class BackupDialogModel : public ButtonChoiceModel {
 public:
  BackupDialogModel();
  std::string id() const override { return "database_backup"; }
  BackupTarget target() const;

 protected:
  void on_pressed(Field& button) override;
};

enum class RestoreSource { web_server, browse };

class RestoreDialogModel : public ButtonChoiceModel {
 public:
  explicit RestoreDialogModel(State& state);
  std::string id() const override { return "database_restore"; }
  RestoreSource source() const;

  // Whether the confirmation typed allows the restore ("restore" in any case).
  static bool confirmed(const std::string& typed);

 protected:
  void on_pressed(Field& button) override;

 private:
  State& state_;
  Field* confirmation_ = nullptr;
};

// Field names.
inline constexpr const char* save_local_button = "save_to_local_device";
inline constexpr const char* save_server_button = "save_to_tolvane_web_server";
inline constexpr const char* confirmation_field = "confirmation";
inline constexpr const char* restore_server_button = "tolvane_web_server";
inline constexpr const char* restore_browse_button = "browse";
inline constexpr int confirmation_length = 19;

}  // namespace quillon
