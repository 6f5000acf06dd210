#pragma once
// The reporting name dialog: the club name printed on reports and, when
// chosen, shown as the main window's heading.
#include "core/dialog_model.h"

namespace quillon {

struct State;

class ReportingNameModel : public DialogModel {
 public:
  explicit ReportingNameModel(State& state);
  std::string id() const override { return "reporting_name"; }
  bool accept() override;

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  State& state_;
  Field& reporting_name_;
  Field& use_as_heading_;
  Field& reset_;
};

// Command 1407.
Status change_reporting_name(State& state);

}  // namespace quillon
