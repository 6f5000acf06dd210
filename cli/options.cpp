#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

#include "core/cp1252.h"
#include "core/dates.h"

namespace quillon::cli {

const char* const usage_text =
    "Usage: quillon-cli [--home DIR] [--today YYYY-MM-DD] [choices...] COMMAND\n"
    "\n"
    "Runs one Quillon command on the database in the home folder without a window.\n"
    "\n"
    "  COMMAND              init, or a command number of the command table (1701, 1308, 1607, ...),\n"
    "                       or verify-backup FILE: checks a backup in memory, writing nothing (exit\n"
    "                       status 0 sound and whole by its checksum file, 1 not sound, 2 no checksum\n"
    "                       file: its completeness cannot be proven)\n"
    "                       or serve: serves the clubhouse board of --tournament N until SIGINT or SIGTERM,\n"
    "                       one line per request on standard error\n"
    "  --listen ADDR:PORT   serve: the address and port to listen on (default: the remembered ones, else\n"
    "                       this computer's LAN address and port 8080)\n"
    "  --home DIR           the home folder (default ~/ql4); created when missing\n"
    "  --demo               use the demonstration home folder ~/ql4-demo instead\n"
    "  --today YYYY-MM-DD   take this date as today\n"
    "  --word WORD          a start-up word (FUP, RECALC); repeatable\n"
    "  --tournament N       answers the tournament selection with slot N\n"
    "  --course N           answers the course selection with slot N\n"
    "  --golfer NAME        answers the golfer selection\n"
    "  --division D         answers a division choice (0 = all divisions)\n"
    "                       (an empty value presses Cancel in that selection)\n"
    "  --answer WORD        answers the next question: yes, no, ok or cancel (repeatable, used in order);\n"
    "                       a print preview takes print (or yes) for OK/PRINT, ok for OK\n"
    "  --file PATH          answers the next file dialog (repeatable; an empty PATH cancels it)\n"
    "  --date YYYY-MM-DD    answers the next date selection (repeatable)\n"
    "  --set FIELD=VALUE    types or picks VALUE in FIELD of the dialog the command opens (repeatable,\n"
    "                       applied in order with the dialog's typing rules), then presses OK\n"
    "  --press BUTTON       presses a button of that dialog, in order with the --set values\n"
    "  --move FROM=TO       drags a line of that dialog's lists onto another (the two-list window of\n"
    "                       1408 and 1105): FROM and TO are \"#n\" (line n of the tournament list), \"holding#n\"\n"
    "                       (line n of the holding list) or a golfer's name; TO may be \"holding\"\n"
    "  --cancel             presses Cancel in that dialog instead of OK\n"
    "  --next-dialog        the --set, --press and --cancel after it go to the next dialog the command\n"
    "                       opens: the one a pressed button opens (Callaway Configuration, Shotgun Holes,\n"
    "                       NotePad, ...), or a later one; repeatable, one per dialog in opening order\n"
    "  --list-fields        prints the fields of the dialog the command opens, with their current\n"
    "                       values, and presses Cancel\n"
    "  --open               opens a produced page in the browser (default: print its path)\n"
    "  --pdf FILE           print jobs (score cards, cart signs, labels) write this PDF file\n"
    "  --printer NAME       print jobs go to this system printer (a CUPS queue)\n"
    "                       (without either, print jobs go to the default printer)\n"
    "  --help               shows this text\n"
    "\n"
    "Messages are written to standard error as \"<title>: <text>\".\n"
    "A value that a dialog's typing rules refuse (an error shown, the value put back, a character\n"
    "or length the field does not take) or a dialog that refuses OK ends the dialog with Cancel:\n"
    "exit status 1 then means nothing of that dialog was stored.\n"
    "Exit status:\n"
    "  0  the command did what it was asked; or the user's own answer stopped it (a question\n"
    "     answered no or cancel, an empty --file or selection, --cancel): nothing failed, and\n"
    "     nothing was done beyond what the answers allowed\n"
    "  1  a message said the command was not done, whatever the message box's kind: every error,\n"
    "     and information or warning boxes such as \"The import was NOT successfully completed.\",\n"
    "     \"Spreadsheet Access Error\" or a locked temporary file of the backup; or a dialog refused\n"
    "     its values (nothing of it was stored)\n"
    "  2  bad usage, or a command not available in this build\n"
    "  3  the command asked something that had no scripted answer (a line on standard error names it)\n"
    "With --open a page is opened with xdg-open; when that cannot start (or fails at once) the\n"
    "page's location is printed instead.\n";

std::optional<DateTime> parse_iso_date(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  DateTime d;
  d.year = std::stoi(text.substr(0, 4));
  d.month = std::stoi(text.substr(5, 2));
  d.day = std::stoi(text.substr(8, 2));
  if (d.year < 1980 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > days_in_month(d.year, d.month))
    return std::nullopt;
  d.hour = 12;
  return d;
}

DialogScript& Options::dialog() {
  if (dialogs.empty()) dialogs.emplace_back();
  return dialogs.back();
}

namespace {

Status malformed(const std::string& option, const std::string& takes, const std::string& value) {
  return Status::failed(option + " takes " + takes + ", not \"" + value + "\"");
}

// The position of "=" in FIELD=VALUE (a field name is needed), or npos.
std::size_t equals_of(const std::string& value) {
  std::size_t eq = value.find('=');
  return eq == 0 ? std::string::npos : eq;
}

using ValueReader = std::function<Status(Options&, const std::string& option, const std::string& value)>;

// The options followed by a value, each with what it does with it.
const std::map<std::string, ValueReader>& options_with_a_value() {
  static const std::map<std::string, ValueReader> readers = [] {
    std::map<std::string, ValueReader> r;
    r["--home"] = [](Options& o, const std::string&, const std::string& v) {
      o.home = v;
      return Status::ok();
    };
    r["--today"] = [](Options& o, const std::string& name, const std::string& v) {
      o.today = parse_iso_date(v);
      return o.today ? Status::ok() : malformed(name, "a date as YYYY-MM-DD", v);
    };
    r["--word"] = [](Options& o, const std::string&, const std::string& v) {
      o.startup_words.push_back(v);
      return Status::ok();
    };
    for (const char* name : {"--tournament", "--course", "--golfer", "--division"}) {
      r[name] = [](Options& o, const std::string& option, const std::string& v) {
        std::optional<std::string>& choice = option == "--tournament" ? o.tournament
                                             : option == "--course"   ? o.course
                                             : option == "--golfer"   ? o.golfer
                                                                      : o.division;
        choice = cp1252_from_utf8(v);
        return Status::ok();
      };
    }
    r["--answer"] = [](Options& o, const std::string& name, const std::string& v) {
      static const std::map<std::string, Button> buttons = {{"yes", Button::yes},
                                                            {"print", Button::yes},
                                                            {"no", Button::no},
                                                            {"ok", Button::ok},
                                                            {"cancel", Button::cancel}};
      auto button = buttons.find(v);
      if (button == buttons.end()) return malformed(name, "yes, no, ok, cancel or print", v);
      o.answers.push_back(button->second);
      return Status::ok();
    };
    r["--file"] = [](Options& o, const std::string&, const std::string& v) {
      o.files.push_back(v);
      return Status::ok();
    };
    r["--date"] = [](Options& o, const std::string& name, const std::string& v) {
      auto d = parse_iso_date(v);
      if (!d) return malformed(name, "a date as YYYY-MM-DD", v);
      o.dates.push_back(Date{years_since_1900(d->year), d->month, d->day});
      return Status::ok();
    };
    r["--set"] = [](Options& o, const std::string& name, const std::string& v) {
      std::size_t eq = equals_of(v);
      if (eq == std::string::npos) return malformed(name, "FIELD=VALUE", v);
      o.dialog().sets.emplace_back(v.substr(0, eq), cp1252_from_utf8(v.substr(eq + 1)));
      return Status::ok();
    };
    r["--press"] = [](Options& o, const std::string&, const std::string& v) {
      o.dialog().sets.emplace_back("!" + v, "");
      return Status::ok();
    };
    r["--move"] = [](Options& o, const std::string& name, const std::string& v) {
      std::size_t eq = equals_of(v);
      if (eq == std::string::npos || eq + 1 == v.size()) return malformed(name, "FROM=TO", v);
      o.dialog().sets.emplace_back(">" + cp1252_from_utf8(v.substr(0, eq)), cp1252_from_utf8(v.substr(eq + 1)));
      return Status::ok();
    };
    r["--listen"] = [](Options& o, const std::string&, const std::string& v) {
      o.listen = v;
      return Status::ok();
    };
    for (const char* name : {"--pdf", "--printer"}) {
      r[name] = [](Options& o, const std::string& option, const std::string& v) {
        if (v.empty()) return Status::failed(option + " needs a value");
        (option == "--pdf" ? o.pdf_file : o.printer_name) = v;
        return Status::ok();
      };
    }
    return r;
  }();
  return readers;
}

// The options that stand alone.
const std::map<std::string, std::function<void(Options&)>>& flags() {
  static const std::map<std::string, std::function<void(Options&)>> flags = {
      {"--help", [](Options& o) { o.help = true; }},
      {"-h", [](Options& o) { o.help = true; }},
      {"--demo", [](Options& o) { o.demo = true; }},
      {"--cancel", [](Options& o) { o.dialog().cancel = true; }},
      {"--list-fields", [](Options& o) { o.dialog().list_fields = true; }},
      {"--next-dialog",
       [](Options& o) {
         o.dialog();
         o.dialogs.emplace_back();
       }},
      {"--open", [](Options& o) { o.open_pages = true; }},
  };
  return flags;
}

// A word that is no option: the command, or the file verify-backup checks.
Status read_command_word(Options& o, const std::string& word) {
  if (!word.empty() && word[0] == '-') return Status::failed("unknown option " + word);
  if (o.command.empty()) {
    o.command = word;
  } else if (o.command == verify_backup_command && o.backup_file.empty()) {
    o.backup_file = word;
  } else {
    return Status::failed("only one command may be given (\"" + o.command + "\" and \"" + word + "\")");
  }
  return Status::ok();
}

}  // namespace

Status check_options(const Options& o) {
  if (!o.help && o.command.empty()) return Status::failed("no command given");
  if (o.command == verify_backup_command && o.backup_file.empty())
    return Status::failed("verify-backup needs the backup file to check");
  if (!o.pdf_file.empty() && !o.printer_name.empty()) return Status::failed("--pdf and --printer cannot both be given");
  if (!o.listen.empty() && o.command != serve_command) return Status::failed("--listen goes with serve");
  if (!o.command.empty() && o.command != "init" && o.command != verify_backup_command && o.command != serve_command) {
    bool number = std::all_of(o.command.begin(), o.command.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || o.command.size() > 5)
      return Status::failed("the command must be init, verify-backup, serve or a command number, not \"" + o.command + "\"");
  }
  return Status::ok();
}

Result<Options> parse_options(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    Status read = Status::ok();
    if (auto flag = flags().find(a); flag != flags().end()) {
      flag->second(o);
    } else if (auto reader = options_with_a_value().find(a); reader != options_with_a_value().end()) {
      if (i + 1 >= args.size()) return Status::failed(a + " needs a value");
      read = reader->second(o, a, args[++i]);
    } else {
      read = read_command_word(o, a);
    }
    if (!read) return read;
  }
  if (Status checked = check_options(o); !checked) return checked;
  return o;
}

}  // namespace quillon::cli
