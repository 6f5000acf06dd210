#include "app/startup.h"

#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/build_info.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "core/help_topics.h"
#include "core/leftover_files.h"
#include "core/messages.h"
#include "core/text.h"
#include "core/window_title.h"
#include "courses/course_startup.h"
#include "exchange/imports/course_import.h"
#include "exchange/imports/import_settings_dialog.h"
#include "handicap/formats.h"

namespace quillon {

namespace {

constexpr const char* not_required = "not required";

void create_shortcuts(State& state) {
  if (state.hooks.create_shortcuts) state.hooks.create_shortcuts();
}

Status show_update_message(State& state) {
  SystemRecord& s = state.system;
  if (s.program_version != program_version || s.program_version_letter != program_version_letter)
    s.flags |= system_flag::upgraded;
  if ((s.flags & system_flag::upgraded) == 0) return Status::ok();
  if (s.program_version < program_version) {
    s.program_version = program_version;
    s.program_version_letter = program_version_letter;
  }
  // The update is not called successful before the new version is recorded.
  if (Status written = write_record(state, RecordKind::system, 1); !written) return written;
  message_box(state, message_kind::information, "Your Quillon system has been successfully updated.");
  s.flags &= static_cast<std::uint16_t>(~(system_flag::upgraded | system_flag::reserved_1));
  return write_record(state, RecordKind::system, 1);
}

Status repair_default_format(State& state) {
  if (is_table_format(state.system.default_format)) return Status::ok();
  state.system.default_format = static_cast<std::int8_t>(format_code(Format::gross));
  return write_record(state, RecordKind::system, 1);
}

Status ask_getting_started(State& state) {
  if (!state.hooks.show_getting_started || state.system.getting_started_seen != 0) return Status::ok();
  Button b = ask_titled(state, message_kind::question, state.app_title + " - Getting Started",
                        "The Getting Started Help topic contains useful information which will help you get "
                        "started using Quillon.\n\n"
                        "This reminder will be displayed each time you invoke Quillon until you view that Help "
                        "Topic.\n\n"
                        "Do you wish to view that help topic at this time?\n");
  if (b != Button::yes) return Status::ok();
  show_help(state, Help::getting_started);
  state.system.getting_started_seen = 1;
  return write_record(state, RecordKind::system, 1);
}

}  // namespace

StartupWords parse_startup_words(const std::vector<std::string>& words) {
  StartupWords w;
  for (const auto& word : words) {
    if (word.size() > 99) continue;
    if (word == "FUP") w.force_update_message = true;
    if (word == "RECALC") w.recalc = true;
  }
  return w;
}

Status run_upgrade_steps(State& state) {
  SystemRecord& s = state.system;
  const SystemRecord before = s;
  int stored = s.schema_date;
  if (stored < day_number(2016, 6, 2)) s.course_change_date = 0;
  if (stored < day_number(2020, 3, 16)) s.default_include_rating_and_par = 0;
  if (stored < day_number(2021, 2, 28) && state.import_settings.import_source == 0 &&
      field_text(state.import_settings.import_column[0]) != not_required) {
    for (auto& column : state.import_settings.import_column) {
      // The last byte of each setting belongs to the network exchange.
      char kept = column[15];
      set_field_text(column, not_required);
      column[15] = kept;
    }
    if (Status written = write_record(state, RecordKind::import_settings, 1); !written) return written;
  }
  if (stored < day_number(2025, 4, 23)) {
    if (Status upgraded = upgrade_course_records(state); !upgraded) return upgraded;
  }
  // Recorded last: steps that did not complete run again at the next start.
  s.schema_date = static_cast<std::uint16_t>(build_day_number());
  // A file already at this build holds the record as it stands: rewriting
  // and flushing it at every start would only cost the start its speed.
  if (std::memcmp(&before, &s, sizeof s) == 0) return Status::ok();
  return write_record(state, RecordKind::system, 1);
}

void check_update_marker(State& state) {
  std::filesystem::path marker = state.file("ql_update.dat");
  std::error_code ec;
  if (!std::filesystem::exists(marker, ec)) return;
  char head[13] = {};
  std::ifstream in(marker, std::ios::binary);
  in.read(head, sizeof head);
  bool complete = in.gcount() == static_cast<std::streamsize>(sizeof head);
  in.close();
  std::string text(head, sizeof head);
  int marker_date =
      day_number(parse_int(text.substr(5), 2), parse_int(text.substr(7), 2), parse_int(text.substr(9), 2));
  if (complete && marker_date != state.system.schema_date) {
    // The installed build is not the one the updater expected.
    state.ui.open_page(std::string(default_web_host) + failed_update_path);
  } else {
    std::filesystem::remove(marker, ec);
  }
  create_shortcuts(state);
}

bool run_startup(State& state, const StartupWords& words, int& exit_code) {
  exit_code = 0;
  state.refresh_today();

  std::error_code ec;
  std::filesystem::remove(state.file(state.log_name), ec);
  if (std::filesystem::exists(state.file("ql_update.dat"), ec)) create_shortcuts(state);

  bool created = false;
  if (!open_or_create_database(state, &created)) {
    exit_code = 1;
    return false;
  }
  if (created) create_shortcuts(state);
  remove_leftover_work_files(state);

  // A start-up step that cannot read or write the database has told the user
  // so; the program does not go on with a file it cannot keep up to date.
  auto stop = [&] {
    exit_code = 1;
    return false;
  };
  if (!read_configuration(state)) return stop();
  if (!show_update_message(state) || !run_upgrade_steps(state)) return stop();
  apply_database_layout(state);
  if (!repair_default_format(state)) return stop();
  // A reporting name chosen as the screen heading stays the heading after a restart.
  state.window_title = state.system.heading_mode == 'H' ? window_title_for(state) : state.app_title;
  state.ravelin_path = ravelin_path_for(state);
  if (!scan_courses(state)) return stop();
  if (!finish_database_startup(state)) return stop();
  if (!ask_getting_started(state)) return stop();
  if (!import_courses(state)) return stop();
  if (!remove_damaged_courses(state)) return stop();
  check_update_marker(state);

  if (words.force_update_message) {
    state.system.flags |= system_flag::upgraded;
    if (!write_record(state, RecordKind::system, 1)) return stop();
  }
  return true;
}

}  // namespace quillon
