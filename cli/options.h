#pragma once
// The command line of quillon-cli.
#include <optional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/result.h"
#include "core/scripted_ui.h"

namespace quillon::cli {

// Checks a backup file without touching the database.
inline constexpr const char* verify_backup_command = "verify-backup";
// Serves the clubhouse board until stopped.
inline constexpr const char* serve_command = "serve";

struct Options {
  std::string home;  // empty = the default home folder
  bool demo = false;
  std::optional<DateTime> today;
  std::string command;  // "init", "verify-backup" or a command number
  std::string backup_file;  // the file verify-backup checks
  std::vector<std::string> startup_words;  // FUP, RECALC
  std::string listen;  // serve: "ADDR:PORT", empty for the remembered or default one

  std::optional<std::string> tournament, course, golfer, division;
  std::vector<Button> answers;
  std::vector<std::string> files;
  std::vector<Date> dates;
  // One script per dialog, in the order the command opens them (a dialog
  // opened by a pressed button comes next); --next-dialog starts the next.
  std::vector<DialogScript> dialogs;
  DialogScript& dialog();
  bool open_pages = false;
  bool help = false;

  // Where print jobs go: a PDF file, a named system printer, or (neither
  // given) the default printer.
  std::string pdf_file;
  std::string printer_name;
};

// Parses the arguments (without the program name); on bad usage the failure
// says why.
[[nodiscard]] Result<Options> parse_options(const std::vector<std::string>& args);
// The rules between options (a command is given, --pdf or --printer, ...).
[[nodiscard]] Status check_options(const Options& options);

// Reads "YYYY-MM-DD"; nothing when malformed.
std::optional<DateTime> parse_iso_date(const std::string& text);

extern const char* const usage_text;

}  // namespace quillon::cli
