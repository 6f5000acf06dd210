#pragma once
// The one state block: the buffer of each record kind, the current numbers,
// the open database, the home folder and the running settings. Everything the
// logic does goes through an instance of it, so several databases can be open
// side by side (as tests do).
#include <filesystem>
#include <functional>
#include <string>

#include "core/clock.h"
#include "core/database_file.h"
#include "core/dates.h"
#include "core/records/course_record.h"
#include "core/records/golfer_entry.h"
#include "core/records/system_record.h"
#include "core/records/tournament_header.h"
#include "core/ui.h"

namespace quillon {

enum class RecordKind {
  system = 1,
  import_settings = 2,
  course = 4,
  group = 6,
  tournament = 8,
  desktop_message = 10,
};

// The clock's date and time with its day number.
struct Today : DateTime {
  int day_number = 1;
};

// Places where start-up and the commands hand over to the desktop program.
// The command-line driver leaves them empty.
struct FrontEndHooks {
  std::function<void()> create_shortcuts;
  // Whether the Getting Started reminder is asked at start-up.
  bool show_getting_started = false;
};

struct State {
  State(Ui& ui, const Clock& clock, std::filesystem::path home);

  Ui& ui;
  const Clock& clock;
  FrontEndHooks hooks;

  std::filesystem::path home_folder;
  std::filesystem::path file(const std::string& name) const { return home_folder / name; }

  // File names in the home folder.
  std::string db_name = "qlwin4.dat";
  std::string report_page_name = "qlwin4.html";
  std::string log_name = "qlwin4.log";

  std::string app_title = "Quillon";
  std::string window_title = "Quillon";
  std::string ravelin_path;
  // Set when a change needs the program to end (the course slot change); the
  // front end then runs the Exit command.
  bool exit_requested = false;
  // Messages shown that said a command was not done: every error, and the
  // other kinds shown through not_done_box. The dispatcher reads it.
  int not_done_messages = 0;
  // Database reads that failed, each told to the user as it happened. A step
  // that reads as it goes (a report page) compares it before and after.
  int told_read_failures = 0;

  DatabaseFile db;
  SystemRecord system{};
  ImportSettingsRecord import_settings{};
  CourseRecord course{};
  GroupBuffer group{};
  TournamentHeader header{};
  DesktopMessageRecord desktop_message{};

  int tournament_count = 0;
  int current_tournament = 0;
  int current_group = 0;
  int desktop_message_offset = 0;
  int tournament_base = 0;
  int course_count = 0;

  Today today;
  Date last_chosen_date;  // remembered by the date selection dialog
  void refresh_today();

  int course_slot_count() const { return system.course_slot_count; }
};

}  // namespace quillon
