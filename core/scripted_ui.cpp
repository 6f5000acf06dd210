#include "core/scripted_ui.h"

#include <algorithm>
#include <sstream>

#include "core/dialog_model.h"
#include "core/select_date.h"
#include "core/text.h"

namespace quillon {

namespace {

const char* selection_name(SelectionKind kind) {
  switch (kind) {
    case SelectionKind::tournament: return "tournament";
    case SelectionKind::course: return "course";
    case SelectionKind::golfer: return "golfer";
    case SelectionKind::division: return "division";
    case SelectionKind::other: return "choice";
  }
  return "choice";
}

std::optional<int> match_choice(SelectionKind kind, const std::string& wanted, const std::vector<Choice>& choices) {
  bool numeric = !wanted.empty() &&
                 std::all_of(wanted.begin(), wanted.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-'; });
  if (numeric && kind != SelectionKind::golfer) {
    int id = std::stoi(wanted);
    for (const auto& c : choices)
      if (c.id == id) return c.id;
  }
  for (const auto& c : choices)
    if (equal_ignoring_case(trimmed(c.text), trimmed(wanted))) return c.id;
  for (const auto& c : choices)
    if (to_lower(c.text).find(to_lower(trimmed(wanted))) == 0) return c.id;
  return std::nullopt;
}

std::string choice_list(const std::vector<Choice>& choices) {
  std::ostringstream out;
  for (const auto& c : choices) out << "\n  " << c.id << "  " << c.text;
  return out.str();
}

std::optional<std::string> longer_than_field(const DialogModel& model, const std::string& name,
                                             const std::string& value) {
  const Field* f = model.find(name);
  if (!f || (f->kind != FieldKind::text && f->kind != FieldKind::multiline) || f->max_length <= 0) return std::nullopt;
  if (static_cast<int>(value.size()) <= f->max_length) return std::nullopt;
  return "the value \"" + value + "\" of " + name + " is longer than the " + std::to_string(f->max_length) +
         " characters the field takes";
}

// What a typed value names in its field: the option of "#n", 1/0 for a tick
// box, otherwise the text itself.
std::string named_value(const Field& f, const std::string& typed) {
  std::string t = to_lower(trimmed(typed));
  if (f.kind == FieldKind::check) return (t == "1" || t == "yes" || t == "on" || t == "true" || t == "y") ? "1" : "0";
  if (f.kind == FieldKind::list && t.size() > 1 && t[0] == '#') {
    int n = parse_int(t.substr(1), 4);
    if (n >= 1 && n <= static_cast<int>(f.options.size())) return to_lower(trimmed(f.options[n - 1]));
  }
  return t;
}

// Whether a typed value stands in its field after the typing rules ran. A rule
// may tidy a value (capitals, blanks, a number's form); a field put back to
// what it held before, or emptied, refused the value.
bool value_taken(const DialogModel& model, const std::string& name, const std::string& typed,
                 const std::string& before) {
  const Field* f = model.find(name);
  if (!f || f->kind == FieldKind::button || f->kind == FieldKind::multi_list) return true;
  std::string wanted = named_value(*f, typed);
  std::string now = to_lower(trimmed(field_value_text(*f)));
  if (now == wanted) return true;
  if (f->kind == FieldKind::text || f->kind == FieldKind::multiline)
    if (wanted.empty()) return true;
  return now != to_lower(trimmed(before)) && !now.empty();
}

}  // namespace

Button ScriptedUi::show_message(int kind, const std::string& title, const std::string& text) {
  return record_and_answer(RecordedMessage{kind, title, text});
}

Button ScriptedUi::show_question(int kind, const std::string& title, const std::string& text, Button default_button) {
  return record_and_answer(RecordedMessage{kind, title, text, default_button});
}

Button ScriptedUi::record_and_answer(RecordedMessage m) {
  const int kind = m.kind;
  const std::string& title = m.title;
  const std::string& text = m.text;
  messages.push_back(m);
  if (on_message) on_message(m);
  if (kind <= 2) return Button::ok;
  if (answers.empty()) throw UnansweredQuestion("the question \"" + text + "\" (" + title + ") had no answer");
  Button b = answers.front();
  answers.pop_front();
  // Let yes/ok and no/cancel stand for each other where the box has only one of them.
  bool yes_no = kind == 3 || kind == 4;
  if (yes_no && b == Button::ok) b = Button::yes;
  if (yes_no && b == Button::cancel) b = Button::no;
  if (kind == 5 && b == Button::yes) b = Button::ok;
  if (kind == 5 && b == Button::no) b = Button::cancel;
  return b;
}

std::optional<int> ScriptedUi::select_one(SelectionKind kind, const std::string& title,
                                          const std::vector<Choice>& choices) {
  auto it = selections.find(kind);
  if (it == selections.end())
    throw UnansweredQuestion(std::string("the ") + selection_name(kind) + " selection \"" + title +
                             "\" had no answer; choices:" + choice_list(choices));
  if (it->second.empty()) return std::nullopt;  // an empty answer presses Cancel
  auto id = match_choice(kind, it->second, choices);
  if (!id)
    throw ScriptError(std::string("the ") + selection_name(kind) + " \"" + it->second +
                      "\" is not among the choices of \"" + title + "\":" + choice_list(choices));
  return id;
}

std::optional<std::vector<int>> ScriptedUi::select_many(SelectionKind kind, const std::string& title,
                                                        const std::vector<Choice>& choices) {
  auto it = selections.find(kind);
  if (it == selections.end())
    throw UnansweredQuestion(std::string("the ") + selection_name(kind) + " selection \"" + title +
                             "\" had no answer; choices:" + choice_list(choices));
  if (it->second.empty()) return std::nullopt;
  std::vector<int> ids;
  std::string rest = it->second;
  while (!rest.empty()) {
    auto comma = rest.find(',');
    std::string one = rest.substr(0, comma);
    auto id = match_choice(kind, one, choices);
    if (!id) throw ScriptError("\"" + one + "\" is not among the choices of \"" + title + "\"");
    ids.push_back(*id);
    rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
  }
  return ids;
}

std::optional<std::string> ScriptedUi::choose_file(FileDialogMode, const std::string& title, const std::string&,
                                                   const std::string&) {
  if (files.empty()) throw UnansweredQuestion("the file dialog \"" + title + "\" had no answer");
  std::string f = files.front();
  files.pop_front();
  if (f.empty()) return std::nullopt;
  return f;
}

bool ScriptedUi::run_dialog(DialogModel& model) {
  if (auto* calendar = dynamic_cast<SelectDateModel*>(&model)) {
    if (dates.empty()) throw UnansweredQuestion("the date selection \"" + model.title() + "\" had no answer");
    Date d = dates.front();
    dates.pop_front();
    if (!calendar->choose(full_year(d.year), d.month, d.day)) return false;
    return calendar->accept();
  }
  if (dialogs.empty()) throw UnansweredQuestion("the dialog \"" + model.title() + "\" had no answer");
  // Listing a dialog's fields cancels the dialogs around it, up to the
  // outermost one of that command; the next command starts afresh.
  struct Depth {
    ScriptedUi& ui;
    explicit Depth(ScriptedUi& u) : ui(u) { ++ui.dialog_depth_; }
    ~Depth() {
      if (--ui.dialog_depth_ == 0) ui.listed_fields = false;
    }
  } depth(*this);
  DialogScript script = dialogs.front();
  dialogs.pop_front();
  if (script.list_fields) {
    if (on_list_fields) on_list_fields(model);
    // Listing looks and changes nothing: the dialogs around it are cancelled too.
    listed_fields = true;
    model.cancel();
    return false;
  }
  for (const auto& [name, value] : script.sets) {
    if (!name.empty() && name[0] == '>') {
      Status moved = model.move(name.substr(1), value);
      if (!moved) throw ScriptError(moved.reason());
      continue;
    }
    bool pressing = !name.empty() && name[0] == '!';
    std::string field_name = pressing ? name.substr(1) : name;
    std::size_t errors_before = error_count();
    int refused_before = refused_dialogs;
    std::optional<std::string> why;
    if (strict && !pressing) why = longer_than_field(model, field_name, value);
    if (!why) {
      const Field* before = model.find(field_name);
      std::string value_before = before ? field_value_text(*before) : std::string();
      Status r = pressing ? model.press(field_name) : model.set(field_name, value);
      if (!r) {
        const Field* f = model.find(field_name);
        if (!strict || !f || !f->visible || !f->enabled) throw ScriptError(r.reason());
        why = r.reason();
      } else if (strict) {
        if (error_count() > errors_before) why = "the value \"" + value + "\" of " + field_name + " was refused";
        else if (refused_dialogs > refused_before) why = "the dialog opened by " + field_name + " was refused";
        else if (!pressing && !value_taken(model, field_name, value, value_before))
          why = "the value \"" + value + "\" of " + field_name + " was not taken";
      }
    }
    if (listed_fields) {
      model.cancel();
      return false;
    }
    if (why) {
      refusals.push_back(*why);
      model.cancel();
      ++refused_dialogs;
      return false;
    }
  }
  if (script.cancel) {
    model.cancel();
    return false;
  }
  bool accepted = model.accept();
  if (!accepted) {
    ++refused_dialogs;
    if (strict) {
      refusals.push_back("the dialog \"" + model.title() + "\" refused its values on OK");
      model.cancel();
    }
  }
  return accepted;
}

void ScriptedUi::open_page(const std::string& location) { opened_pages.push_back(location); }

void ScriptedUi::show_help(const std::string& page, const std::string& anchor) {
  help_shown.emplace_back(page, anchor);
}

void ScriptedUi::set_busy(bool busy) { busy_depth += busy ? 1 : -1; }

bool ScriptedUi::progress(const std::string&, const std::string& status, int percent) {
  std::string line = status + "|" + std::to_string(percent);
  if (progress_lines.empty() || progress_lines.back() != line) progress_lines.push_back(line);
  return on_progress ? on_progress(status, percent) : true;
}

std::size_t ScriptedUi::error_count() const {
  return static_cast<std::size_t>(
      std::count_if(messages.begin(), messages.end(), [](const RecordedMessage& m) { return m.kind == 1; }));
}

PreviewAction ScriptedUi::show_print_preview(const std::string& title, const Drawing& drawing, int sheet_lines) {
  previews.push_back({title, drawing, sheet_lines});
  if (answers.empty())
    throw UnansweredQuestion("the print preview \"" + title + "\" had no answer (yes presses OK/PRINT, ok closes it)");
  Button b = answers.front();
  answers.pop_front();
  return b == Button::yes ? PreviewAction::print : PreviewAction::close;
}

namespace {

// Keeps its drawing in the scripted UI's list of print jobs.
class ScriptedPrintCanvas : public RecordingCanvas {
 public:
  ScriptedPrintCanvas(ScriptedUi& ui, std::size_t job) : ui_(ui), job_(job) {}
  Status start_page() override {
    Status status = RecordingCanvas::start_page();
    ui_.print_jobs[job_].drawing = drawing_;
    return status;
  }
  bool cancel_requested() override {
    return ui_.cancel_after_pages > 0 && drawing_.page_count() >= ui_.cancel_after_pages;
  }
  Status finish() override {
    ui_.print_jobs[job_].drawing = drawing_;
    ui_.print_jobs[job_].finished = true;
    return RecordingCanvas::finish();
  }
  void abandon() override {
    ui_.print_jobs[job_].drawing = drawing_;
    ui_.print_jobs[job_].abandoned = true;
    RecordingCanvas::abandon();
  }

 private:
  ScriptedUi& ui_;
  std::size_t job_;
};

}  // namespace

PrinterOpening ScriptedUi::open_printer(const PrintSettings& settings) {
  PrinterOpening opening;
  if (!printer_available) {
    opening.failure = printer_failure;
    return opening;
  }
  print_jobs.push_back({settings, {}, false, false});
  opening.canvas = std::make_unique<ScriptedPrintCanvas>(*this, print_jobs.size() - 1);
  return opening;
}

bool ScriptedUi::error_shown() const {
  return std::any_of(messages.begin(), messages.end(), [](const RecordedMessage& m) { return m.kind == 1; });
}

std::vector<std::string> ScriptedUi::message_texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace quillon
