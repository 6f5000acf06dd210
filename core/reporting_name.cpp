#include "core/reporting_name.h"

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "core/window_title.h"

namespace quillon {

ReportingNameModel::ReportingNameModel(State& state)
    : state_(state),
      reporting_name_(add(Field::text_field("reporting_name", "Name :", 25))),
      use_as_heading_(add(Field::check_field("use_as_heading", "Use Reporting Name As Screen Heading"))),
      reset_(add(Field::button_field("reset", "Reset"))) {
  title_ = "Reporting Name";
  help_topic_ = Help::system_configuration;
  reporting_name_.text = field_text(state.import_settings.reporting_name);
  use_as_heading_.checked = state.system.heading_mode == 'H';
  focus_ = reporting_name_.name;
}

void ReportingNameModel::on_changed(Field& f) {
  if (&f == &reporting_name_ && f.text.size() >= 25) set_focus("ok");
}

void ReportingNameModel::on_pressed(Field& f) {
  if (&f == &reset_) {
    reporting_name_.text.clear();
    set_focus(reporting_name_.name);
  }
}

bool ReportingNameModel::accept() {
  std::string name = reporting_name_.text;
  set_field_text_terminated(state_.import_settings.reporting_name, name);
  if (!write_record(state_, RecordKind::import_settings, 1)) return false;
  state_.system.heading_mode = (use_as_heading_.checked && !name.empty()) ? 'H' : ' ';
  state_.window_title = window_title_for(state_);
  return write_record(state_, RecordKind::system, 1).is_ok();
}

Status change_reporting_name(State& state) {
  ReportingNameModel model(state);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon
