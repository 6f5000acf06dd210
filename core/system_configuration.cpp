#include "core/system_configuration.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "core/database.h"
#include "core/database_image.h"
#include "core/desktop_settings.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

std::vector<std::string> label_format_names() {
  return {"Avery 5159", "Avery 5160", "Avery 5161", "Avery 5162", "Avery L7160", "Avery L7161", "Avery L7162"};
}

std::vector<std::string> tee_time_interval_texts() {
  std::vector<std::string> texts{" 0.0"};
  for (int tenths = 40; tenths <= 140; tenths += 5) texts.push_back(format_text(8, "%4.1f", tenths / 10.0));
  return texts;
}

std::vector<std::string> tie_break_names() {
  return {"Count Back From 18", "Last 9, 6, 3, 1", "Australian Count Back", "None"};
}

namespace {

std::vector<std::string> four_digit(const std::vector<int>& values) {
  std::vector<std::string> out;
  for (int v : values) out.push_back(format_text(8, "%4d", v));
  return out;
}

int index_of(const std::vector<int>& values, int value) {
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i] == value) return static_cast<int>(i);
  return -1;
}

}  // namespace

SystemConfigurationModel::SystemConfigurationModel(State& state, std::vector<std::string> format_names)
    : state_(state) {
  title_ = "System Configuration";
  help_topic_ = Help::system_configuration;
  const SystemRecord& s = state.system;

  SystemConfigurationForm& f = form_;
  f.label_format = &add(Field::list_field("label_format", "Address Label Format", label_format_names()));
  f.label_format->index = s.label_format;
  f.distances = &add(Field::list_field("distances", "Show Distances as", {"Yards", "Metres"}));
  f.distances->index = (s.flags & system_flag::yards) ? 0 : 1;
  f.print_reports = &add(Field::list_field("print_reports", "Print reports in ", {"Color", "Black & White"}));
  f.print_reports->index = (s.flags & system_flag::color_reports) ? 0 : 1;
  f.desktop_message = &add(Field::multiline_field("desktop_message", "Desktop Message", 300));
  f.desktop_message->text = field_text(state.desktop_message.text);
  f.select_background = &add(Field::button_field(
      "select_background", "Select new Windows Bitmap file (.bmp) to become Main Window background"));
  f.stretch_background = &add(Field::check_field("stretch_background", "Stretch image to fit window?"));
  f.stretch_background->checked = (s.flags & system_flag::stretch_background) != 0;
  f.reset_background = &add(Field::button_field("reset_background", "Reset Main Window background to default"));
  f.tee_time_interval = &add(Field::list_field("tee_time_interval", "Tee Time Interval", tee_time_interval_texts()));
  f.tee_time_interval->index = (s.tee_time_interval >= 0 && s.tee_time_interval < 22) ? s.tee_time_interval : 0;

  for (int v = 50; v <= 2450; v += 50)
    if (v >= state.course_count) slot_values_.push_back(v);
  if (s.course_slot_count % 50 != 0) {
    slot_values_.push_back(s.course_slot_count);
    std::sort(slot_values_.begin(), slot_values_.end());
  }
  f.course_slot_count =
      &add(Field::list_field("course_slot_count", "# of courses to be stored", four_digit(slot_values_)));
  f.course_slot_count->index = index_of(slot_values_, s.course_slot_count);

  std::vector<std::string> courses;
  CourseRecord saved = state.course;
  for (int n = 1; n <= state.course_count; ++n) {
    // The list shows the courses read before a failure, which is told once.
    if (!read_record(state, RecordKind::course, n)) break;
    if (field_empty(state.course.course_name)) continue;
    course_slots_.push_back(n);
    courses.push_back(format_text(64, "%s - %s", field_text(state.course.course_name).c_str(),
                                  field_text(state.course.tee_name).c_str()));
  }
  state.course = saved;
  f.default_course = &add(Field::list_field("default_course", "Default Course / Tee", courses));
  f.default_course->index = index_of(course_slots_, s.default_course);

  f.default_format = &add(Field::list_field("default_format", "Default format", std::move(format_names)));
  f.default_format->index =
      s.default_format < static_cast<int>(f.default_format->options.size()) ? s.default_format : 0;
  f.default_tie_break = &add(Field::list_field("default_tie_break", "Default tie breaking", tie_break_names()));
  f.default_tie_break->index = (s.default_tie_break >= 0 && s.default_tie_break <= 3) ? s.default_tie_break : 0;

  std::vector<int> limits;
  for (int v = 100; v <= 950; v += 50) limits.push_back(v);
  f.purge_reminder_limit = &add(Field::list_field("purge_reminder_limit", "Purge reminder limit", four_digit(limits)));
  f.purge_reminder_limit->index = index_of(limits, s.purge_reminder_limit);
  f.include_rating_and_par = &add(
      Field::check_field("include_rating_and_par", "Include Course Rating and Par in Course Handicap calculation"));
  f.include_rating_and_par->checked = s.default_include_rating_and_par != 0;
  const DesktopSettings desktop = load_desktop_settings(state.home_folder);
  f.report_window =
      &add(Field::check_field("report_window", "Show reports in the Quillon report window instead of the web browser"));
  f.report_window->checked = desktop.report_window;
  f.paper =
      &add(Field::list_field("paper", "Paper for score cards and cart signs", {"Printer's default", "Letter", "A4"}));
  f.paper->index = static_cast<int>(desktop.paper);
  focus_ = f.label_format->name;
}

void SystemConfigurationModel::on_changed(Field& f) {
  if (&f != form_.stretch_background) return;
  // The stretch setting shows at once.
  if (f.checked) state_.system.flags |= system_flag::stretch_background;
  else state_.system.flags &= static_cast<std::uint16_t>(~system_flag::stretch_background);
  if (!write_record(state_, RecordKind::system, 1)) {
    // Not recorded (the user has been told): the box shows the stored setting again.
    state_.system.flags ^= system_flag::stretch_background;
    f.checked = !f.checked;
  }
}

void SystemConfigurationModel::on_pressed(Field& f) {
  if (&f == form_.select_background) choose_background();
  if (&f == form_.reset_background) reset_background();
}

void SystemConfigurationModel::choose_background() {
  auto chosen =
      state_.ui.choose_file(FileDialogMode::open, "Select Background Image", "Windows Bitmap Files(*.BMP)|*.bmp|", "");
  if (!chosen) {
    message_box(state_, message_kind::information, "The background image change was cancelled as requested.");
    return;
  }
  std::string path = *chosen;
  if (path.size() >= 10 && equal_ignoring_case(path.substr(path.size() - 10), "qlwin4.bmp")) {
    message_box(state_, message_kind::error,
                "The selected file 'qlwin4.bmp' is already the current background image file");
    return;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    message_box(state_, message_kind::error, "An error was encountered locating the selected bitmap image file.");
    return;
  }
  if (Status copied = replace_file_with_copy(path, state_.file("qlwin4.bmp")); !copied)
    message_box(state_, message_kind::error, "The selected bitmap image file could not be copied: %s",
                copied.reason().c_str());
  else std::filesystem::remove(state_.file("qlwin4.jpg"), ec);
}

void SystemConfigurationModel::reset_background() {
  // Without an image of the user's the program shows its own default.
  std::error_code ec;
  std::filesystem::remove(state_.file("qlwin4.bmp"), ec);
  std::filesystem::remove(state_.file("qlwin4.jpg"), ec);
}

bool SystemConfigurationModel::accept() {
  SystemRecord before = state_.system;
  SystemRecord& s = state_.system;
  auto set_flag = [&](std::uint16_t bit, bool on) {
    s.flags = on ? (s.flags | bit) : static_cast<std::uint16_t>(s.flags & ~bit);
  };
  const SystemConfigurationForm& f = form_;
  s.label_format = static_cast<std::uint8_t>(f.label_format->index);
  set_flag(system_flag::yards, f.distances->index == 0);
  set_flag(system_flag::color_reports, f.print_reports->index == 0);
  set_flag(system_flag::stretch_background, f.stretch_background->checked);
  s.tee_time_interval = static_cast<std::int8_t>(f.tee_time_interval->index);
  if (int i = f.default_course->index; i >= 0) s.default_course = static_cast<std::uint16_t>(course_slots_[i]);
  s.default_format = static_cast<std::int8_t>(f.default_format->index);
  s.default_tie_break = static_cast<std::int8_t>(f.default_tie_break->index);
  if (int i = f.purge_reminder_limit->index; i >= 0) s.purge_reminder_limit = static_cast<std::int16_t>(100 + 50 * i);
  s.default_include_rating_and_par = f.include_rating_and_par->checked ? 1 : 0;

  DesktopSettings desktop = load_desktop_settings(state_.home_folder);
  const Paper paper = f.paper->index >= 0 ? static_cast<Paper>(f.paper->index) : desktop.paper;
  if (desktop.report_window != f.report_window->checked || desktop.paper != paper) {
    desktop.report_window = f.report_window->checked;
    desktop.paper = paper;
    if (Status saved = save_desktop_settings(state_.home_folder, desktop); !saved) {
      show_message_text(state_, message_kind::error, saved.reason());
      return false;
    }
  }

  set_field_text(state_.desktop_message.text, f.desktop_message->text);
  if (!write_record(state_, RecordKind::desktop_message, 1)) return false;

  const int slot_choice = f.course_slot_count->index;
  int new_slots = slot_choice >= 0 ? slot_values_[slot_choice] : s.course_slot_count;
  if (new_slots != s.course_slot_count) {
    // The move writes the system record with everything taken over above.
    if (change_course_slot_count(state_, new_slots) || state_.exit_requested) return true;
    // No copy of the file could be taken, so the slots stay as they were; the
    // other settings are still saved.
  }
  if (std::memcmp(&before, &s, sizeof s) != 0) return write_record(state_, RecordKind::system, 1).is_ok();
  return true;
}

Status system_configuration(State& state, const std::vector<std::string>& format_names) {
  SystemConfigurationModel model(state, format_names);
  return Status::ok_or_told(state.ui.run_dialog(model));
}

}  // namespace quillon
