#include "cli/runner.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/application.h"
#include "app/demo.h"
#include "cli/options.h"
#include "cli/page_opener.h"
#include "cli/serve.h"
#include "cli/verify_backup.h"
#include "core/cp1252.h"
#include "core/dialog_model.h"
#include "core/scripted_ui.h"
#include "print_qt/print_module.h"

namespace quillon::cli {

namespace {

std::filesystem::path default_home(bool demo) {
  const char* home = std::getenv("HOME");
  std::filesystem::path base = home && *home ? home : ".";
  return base / (demo ? "ql4-demo" : "ql4");
}

const char* kind_name(FieldKind kind) {
  switch (kind) {
    case FieldKind::text: return "text";
    case FieldKind::multiline: return "text";
    case FieldKind::list: return "list";
    case FieldKind::multi_list: return "multi-list";
    case FieldKind::check: return "check";
    case FieldKind::button: return "button";
    case FieldKind::label: return "label";
  }
  return "";
}

void print_fields(std::ostream& out, const DialogModel& model) {
  out << utf8_from_cp1252(model.title()) << "\n";
  for (const Field& f : model.fields()) {
    if (!f.visible || f.kind == FieldKind::label) continue;
    out << "  " << f.name << " (" << kind_name(f.kind) << (f.enabled ? "" : ", disabled") << ")";
    if (!f.label.empty()) out << " \"" << utf8_from_cp1252(f.label) << "\"";
    if (f.kind != FieldKind::button) out << " = " << utf8_from_cp1252(field_value_text(f));
    out << "\n";
    if ((f.kind == FieldKind::list || f.kind == FieldKind::multi_list) && f.options.size() <= 60)
      for (std::size_t i = 0; i < f.options.size(); ++i)
        out << "      #" << i + 1 << " " << utf8_from_cp1252(f.options[i]) << "\n";
  }
}

class CliUi : public ScriptedUi {
 public:
  CliUi(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
  bool open_in_browser = false;
  std::string pdf_file;
  std::string printer_name;

  // Print jobs go to the PDF file, the named printer or the default printer.
  PrinterOpening open_printer(const PrintSettings& settings) override {
    std::string why;
    const print_qt::PrintModule* printing = print_qt::print_module(why);
    PrinterOpening opening;
    if (printing) {
      opening = printing->open_job(pdf_file, printer_name, settings);
    } else {
      opening.failure = PrintFailure::start_document;
      opening.detail = "printing is not available: " + why;
    }
    if (!opening.canvas && !opening.detail.empty()) {
      err_ << "quillon-cli: " << opening.detail;
      if (pdf_file.empty() && printer_name.empty())
        err_ << "; name one with --printer NAME or write a PDF with --pdf FILE";
      err_ << "\n";
    }
    if (opening.canvas && !pdf_file.empty()) printed_file_ = pdf_file;
    return opening;
  }
  void report_printed() {
    if (!printed_file_.empty()) out_ << printed_file_ << "\n";
  }
  void open_page(const std::string& location) override {
    ScriptedUi::open_page(location);
    if (!open_in_browser) {
      out_ << location << "\n";
      return;
    }
    if (!start_opener(location)) out_ << location << "\n";
  }

 private:
  std::ostream& out_;
  std::ostream& err_;
  std::string printed_file_;
};

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Result<Options> options = parse_options(args);
  if (!options) {
    err << "quillon-cli: " << options.status().reason() << "\n\n" << usage_text;
    return 2;
  }
  if (options->help) {
    out << usage_text;
    return 0;
  }

  if (options->command == verify_backup_command) return verify_backup_file(options->backup_file, out, err);

  std::filesystem::path home =
      options->home.empty() ? default_home(options->demo) : std::filesystem::path(options->home);
  std::error_code ec;
  std::filesystem::create_directories(home, ec);
  if (!std::filesystem::is_directory(home)) {
    err << "quillon-cli: the home folder " << home << " cannot be created\n";
    return 1;
  }

  CliUi ui(out, err);
  ui.open_in_browser = options->open_pages;
  ui.pdf_file = options->pdf_file;
  ui.printer_name = options->printer_name;
  ui.on_message = [&err](const RecordedMessage& m) {
    err << utf8_from_cp1252(m.title) << ": " << utf8_from_cp1252(m.text) << "\n";
  };
  ui.on_list_fields = [&out](const DialogModel& model) { print_fields(out, model); };
  if (options->tournament) ui.select(SelectionKind::tournament, *options->tournament);
  if (options->course) ui.select(SelectionKind::course, *options->course);
  if (options->golfer) ui.select(SelectionKind::golfer, *options->golfer);
  if (options->division) ui.select(SelectionKind::division, *options->division);
  for (Button b : options->answers) ui.answer(b);
  for (const auto& f : options->files) ui.files.push_back(f);
  for (const auto& d : options->dates) ui.dates.push_back(d);
  for (const DialogScript& script : options->dialogs) ui.dialog(script);
  ui.strict = true;

  SystemClock system_clock;
  FixedClock fixed_clock(options->today.value_or(DateTime{}));
  const Clock& clock = options->today ? static_cast<const Clock&>(fixed_clock) : system_clock;
  if (options->demo && options->home.empty() && !prepare_demo_home(home, clock))
    err << "quillon-cli: the demonstration club could not be set up completely in " << home << "\n";

  State state(ui, clock, home);
  try {
    int exit_code = 0;
    if (!start_application(state, options->startup_words, exit_code)) return exit_code;
    if (options->command == serve_command) return serve_board(*options, home, err);
    if (options->command != "init") {
      int command = std::stoi(options->command);
      if (!command_available(command)) {
        err << "quillon-cli: command " << command << " is not available in this build\n";
        return 2;
      }
      const CommandEnd end = run_command(state, command);
      for (const std::string& why : ui.refusals)
        err << "quillon-cli: " << utf8_from_cp1252(why) << "; the dialog was cancelled and nothing of it was stored\n";
      if (end != CommandEnd::not_done) ui.report_printed();
      // A dialog that was given values but refused them did nothing.
      if (ui.refused_dialogs > 0) return 1;
      // Done, or stopped by the user's own answer: 0; a message said it was not done: 1.
      return end == CommandEnd::not_done ? 1 : 0;
    }
  } catch (const UnansweredQuestion& e) {
    err << "quillon-cli: " << utf8_from_cp1252(e.what()) << "\n";
    return 3;
  } catch (const ScriptError& e) {
    err << "quillon-cli: " << utf8_from_cp1252(e.what()) << "\n";
    return 2;
  } catch (const std::exception& e) {
    // As the desktop program does: the command ends with an error, the program does not crash.
    err << "quillon-cli: the command could not be completed: " << utf8_from_cp1252(e.what()) << "\n";
    return 1;
  }
  // "init": the start-up alone, not done when it reported an error.
  return state.not_done_messages > 0 ? 1 : 0;
}

}  // namespace quillon::cli
