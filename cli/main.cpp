// quillon-cli: runs Quillon's commands without a window, answering every
// question from the command line.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.h"
#include "cli/options.h"
#include "core/cp1252.h"
#include "core/dialog_model.h"
#include "core/scripted_ui.h"

namespace {

using namespace quillon;

std::filesystem::path default_home(bool demo) {
  const char* home = std::getenv("HOME");
  std::filesystem::path base = home && *home ? home : ".";
  return base / (demo ? "ql4-demo" : "ql4");
}

void print_fields(const DialogModel& model) {
  std::cout << utf8_from_cp1252(model.title()) << "\n";
  for (const Field& f : model.fields()) {
    if (!f.visible || f.kind == FieldKind::label) continue;
    std::string kind;
    switch (f.kind) {
      case FieldKind::text: kind = "text"; break;
      case FieldKind::multiline: kind = "text"; break;
      case FieldKind::list: kind = "list"; break;
      case FieldKind::multi_list: kind = "multi-list"; break;
      case FieldKind::check: kind = "check"; break;
      case FieldKind::button: kind = "button"; break;
      case FieldKind::label: break;
    }
    std::cout << "  " << f.name << " (" << kind << (f.enabled ? "" : ", disabled") << ")";
    if (!f.label.empty()) std::cout << " \"" << utf8_from_cp1252(f.label) << "\"";
    if (f.kind != FieldKind::button) std::cout << " = " << utf8_from_cp1252(field_value_text(f));
    std::cout << "\n";
    if ((f.kind == FieldKind::list || f.kind == FieldKind::multi_list) && f.options.size() <= 40)
      for (std::size_t i = 0; i < f.options.size(); ++i)
        std::cout << "      #" << i + 1 << " " << utf8_from_cp1252(f.options[i]) << "\n";
  }
}

class CliUi : public ScriptedUi {
 public:
  bool open_in_browser = false;
  void open_page(const std::string& location) override {
    ScriptedUi::open_page(location);
    if (open_in_browser) {
      std::string cmd = "xdg-open '" + location + "' >/dev/null 2>&1 &";
      if (std::system(cmd.c_str()) != 0) std::cerr << "quillon-cli: could not open " << location << "\n";
    } else {
      std::cout << location << "\n";
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  auto options = cli::parse_options(args, error);
  if (!options) {
    std::cerr << "quillon-cli: " << error << "\n\n" << cli::usage_text;
    return 2;
  }
  if (options->help) {
    std::cout << cli::usage_text;
    return 0;
  }

  std::filesystem::path home = options->home.empty() ? default_home(options->demo)
                                                     : std::filesystem::path(options->home);
  std::error_code ec;
  std::filesystem::create_directories(home, ec);
  if (!std::filesystem::is_directory(home)) {
    std::cerr << "quillon-cli: the home folder " << home << " cannot be created\n";
    return 1;
  }

  CliUi ui;
  ui.open_in_browser = options->open_pages;
  ui.on_message = [](const RecordedMessage& m) {
    std::cerr << utf8_from_cp1252(m.title) << ": " << utf8_from_cp1252(m.text) << "\n";
  };
  ui.on_list_fields = print_fields;
  if (options->tournament) ui.select(SelectionKind::tournament, *options->tournament);
  if (options->course) ui.select(SelectionKind::course, *options->course);
  if (options->golfer) ui.select(SelectionKind::golfer, *options->golfer);
  if (options->division) ui.select(SelectionKind::division, *options->division);
  for (Button b : options->answers) ui.answer(b);
  for (const auto& f : options->files) ui.files.push_back(f);
  for (const auto& d : options->dates) ui.dates.push_back(d);
  if (options->has_dialog_script) ui.dialog(options->dialog);

  SystemClock system_clock;
  FixedClock fixed_clock(options->today.value_or(DateTime{}));
  const Clock& clock = options->today ? static_cast<const Clock&>(fixed_clock) : system_clock;

  State state(ui, clock, home);
  try {
    int exit_code = 0;
    if (!start_application(state, options->startup_words, exit_code)) return exit_code;
    if (options->command != "init") {
      int command = std::stoi(options->command);
      if (!command_available(command)) {
        std::cerr << "quillon-cli: command " << command << " is not available in this build\n";
        return 2;
      }
      run_command(state, command);
      // A dialog that was given values but refused them on OK did nothing.
      if (ui.refused_dialogs > 0) return 1;
    }
  } catch (const UnansweredQuestion& e) {
    std::cerr << "quillon-cli: " << utf8_from_cp1252(e.what()) << "\n";
    return 3;
  } catch (const ScriptError& e) {
    std::cerr << "quillon-cli: " << utf8_from_cp1252(e.what()) << "\n";
    return 2;
  }
  return ui.error_shown() ? 1 : 0;
}
