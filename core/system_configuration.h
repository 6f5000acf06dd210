#pragma once
// The System Configuration dialog (command 1701).
#include <string>
#include <vector>

#include "core/dialog_model.h"

namespace quillon {

struct State;

// The fields of the dialog, held by type; set as the constructor adds them.
struct SystemConfigurationForm {
  Field* label_format = nullptr;
  Field* distances = nullptr;
  Field* print_reports = nullptr;
  Field* desktop_message = nullptr;
  Field* select_background = nullptr;
  Field* stretch_background = nullptr;
  Field* reset_background = nullptr;
  Field* tee_time_interval = nullptr;
  Field* course_slot_count = nullptr;
  Field* default_course = nullptr;
  Field* default_format = nullptr;
  Field* default_tie_break = nullptr;
  Field* purge_reminder_limit = nullptr;
  Field* include_rating_and_par = nullptr;
  Field* report_window = nullptr;
  Field* paper = nullptr;
};

class SystemConfigurationModel : public DialogModel {
 public:
  // `format_names` are the tournament formats offered as the default format.
  SystemConfigurationModel(State& state, std::vector<std::string> format_names);
  std::string id() const override { return "system_configuration"; }
  bool accept() override;

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  void choose_background();
  void reset_background();

  State& state_;
  std::vector<int> course_slots_;
  std::vector<int> slot_values_;
  SystemConfigurationForm form_;
};

// Command 1701.
Status system_configuration(State& state, const std::vector<std::string>& format_names);

// The lists of the dialog.
std::vector<std::string> label_format_names();
std::vector<std::string> tee_time_interval_texts();
std::vector<std::string> tie_break_names();

}  // namespace quillon
