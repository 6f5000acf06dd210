#include "core/reporting_name.h"

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "core/window_title.h"

namespace quillon {

ReportingNameModel::ReportingNameModel(State& state) : state_(state) {
  title_ = "Reporting Name";
  help_topic_ = Help::system_configuration;
  add(Field::text_field("reporting_name", "Name :", 25)).text = field_text(state.import_settings.reporting_name);
  add(Field::check_field("use_as_heading", "Use Reporting Name As Screen Heading")).checked =
      state.system.heading_mode == 'H';
  add(Field::button_field("reset", "Reset"));
  focus_ = "reporting_name";
}

void ReportingNameModel::on_changed(Field& f) {
  if (f.name == "reporting_name" && f.text.size() >= 25) set_focus("ok");
}

void ReportingNameModel::on_pressed(Field& f) {
  if (f.name == "reset") {
    field("reporting_name").text.clear();
    set_focus("reporting_name");
  }
}

bool ReportingNameModel::accept() {
  std::string name = text("reporting_name");
  set_field_text_terminated(state_.import_settings.reporting_name, name);
  if (!write_record(state_, RecordKind::import_settings, 1)) return false;
  state_.system.heading_mode = (checked("use_as_heading") && !name.empty()) ? 'H' : ' ';
  state_.window_title = window_title_for(state_);
  return write_record(state_, RecordKind::system, 1).is_ok();
}

Status change_reporting_name(State& state) {
  ReportingNameModel model(state);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon
