#include "cli/options.h"

#include <algorithm>
#include <cctype>

#include "core/cp1252.h"
#include "core/dates.h"

namespace quillon::cli {

const char* const usage_text =
    "Usage: quillon-cli [--home DIR] [--today YYYY-MM-DD] [choices...] COMMAND\n"
    "\n"
    "Runs one Quillon command on the database in the home folder without a window.\n"
    "\n"
    "  COMMAND              init, or a command number of the command table (1701, 1308, 1607, ...),\n"
    "                       or verify-backup FILE: unpacks a backup into a temporary file and checks\n"
    "                       it without touching the database (exit status 0 sound, 1 not),\n"
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
    "Exit status: 0 done; 1 an error message was shown or a dialog refused its values;\n"
    "2 bad usage or a command not available in this build; 3 the command asked something\n"
    "that had no scripted answer (a line on standard error names it).\n";

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

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  Options o;
  auto value = [&](std::size_t& i, const std::string& name) -> std::optional<std::string> {
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return std::nullopt;
    }
    return args[++i];
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--home") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.home = *v;
    } else if (a == "--demo") {
      o.demo = true;
    } else if (a == "--today") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.today = parse_iso_date(*v);
      if (!o.today) {
        error = "--today takes a date as YYYY-MM-DD, not \"" + *v + "\"";
        return std::nullopt;
      }
    } else if (a == "--word") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.startup_words.push_back(*v);
    } else if (a == "--tournament" || a == "--course" || a == "--golfer" || a == "--division") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      std::string text = cp1252_from_utf8(*v);
      if (a == "--tournament") o.tournament = text;
      if (a == "--course") o.course = text;
      if (a == "--golfer") o.golfer = text;
      if (a == "--division") o.division = text;
    } else if (a == "--answer") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      if (*v == "yes" || *v == "print") o.answers.push_back(Button::yes);
      else if (*v == "no") o.answers.push_back(Button::no);
      else if (*v == "ok") o.answers.push_back(Button::ok);
      else if (*v == "cancel") o.answers.push_back(Button::cancel);
      else {
        error = "--answer takes yes, no, ok, cancel or print, not \"" + *v + "\"";
        return std::nullopt;
      }
    } else if (a == "--file") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.files.push_back(*v);
    } else if (a == "--date") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      auto d = parse_iso_date(*v);
      if (!d) {
        error = "--date takes a date as YYYY-MM-DD, not \"" + *v + "\"";
        return std::nullopt;
      }
      o.dates.push_back(Date{years_since_1900(d->year), d->month, d->day});
    } else if (a == "--set") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      auto eq = v->find('=');
      if (eq == std::string::npos || eq == 0) {
        error = "--set takes FIELD=VALUE, not \"" + *v + "\"";
        return std::nullopt;
      }
      o.dialog().sets.emplace_back(v->substr(0, eq), cp1252_from_utf8(v->substr(eq + 1)));
    } else if (a == "--press") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.dialog().sets.emplace_back("!" + *v, "");
    } else if (a == "--move") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      auto eq = v->find('=');
      if (eq == std::string::npos || eq == 0 || eq + 1 == v->size()) {
        error = "--move takes FROM=TO, not \"" + *v + "\"";
        return std::nullopt;
      }
      o.dialog().sets.emplace_back(">" + cp1252_from_utf8(v->substr(0, eq)), cp1252_from_utf8(v->substr(eq + 1)));
    } else if (a == "--cancel") {
      o.dialog().cancel = true;
    } else if (a == "--list-fields") {
      o.dialog().list_fields = true;
    } else if (a == "--next-dialog") {
      o.dialog();
      o.dialogs.emplace_back();
    } else if (a == "--pdf" || a == "--printer") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      if (v->empty()) {
        error = a + " needs a value";
        return std::nullopt;
      }
      (a == "--pdf" ? o.pdf_file : o.printer_name) = *v;
    } else if (a == "--listen") {
      auto v = value(i, a);
      if (!v) return std::nullopt;
      o.listen = *v;
    } else if (a == "--open") {
      o.open_pages = true;
    } else if (!a.empty() && a[0] == '-') {
      error = "unknown option " + a;
      return std::nullopt;
    } else if (o.command.empty()) {
      o.command = a;
    } else if (o.command == verify_backup_command && o.backup_file.empty()) {
      o.backup_file = a;
    } else {
      error = "only one command may be given (\"" + o.command + "\" and \"" + a + "\")";
      return std::nullopt;
    }
  }
  if (!o.help && o.command.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  if (o.command == verify_backup_command && o.backup_file.empty()) {
    error = "verify-backup needs the backup file to check";
    return std::nullopt;
  }
  if (!o.pdf_file.empty() && !o.printer_name.empty()) {
    error = "--pdf and --printer cannot both be given";
    return std::nullopt;
  }
  if (!o.listen.empty() && o.command != serve_command) {
    error = "--listen goes with serve";
    return std::nullopt;
  }
  if (!o.command.empty() && o.command != "init" && o.command != verify_backup_command && o.command != serve_command) {
    bool number = std::all_of(o.command.begin(), o.command.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || o.command.size() > 5) {
      error = "the command must be init, verify-backup, serve or a command number, not \"" + o.command + "\"";
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace quillon::cli
