#pragma once
// The one message function and its helpers. Kinds:
//   0 "%s - Warning" OK, 1 "%s - Error" OK, 2 "%s - Information" OK,
//   3 "%s - Information" Yes/No, 4 "%s - Warning" Yes/No,
//   5 "%s - Warning" OK/Cancel, 6 "%s - Warning" Yes/No/Cancel.
// Any other kind shows nothing. Texts are formatted into at most 2000 characters.
#include <string>

#include "core/ui.h"

namespace quillon {

struct State;

namespace message_kind {
inline constexpr int warning = 0;
inline constexpr int error = 1;
inline constexpr int information = 2;
inline constexpr int question = 3;
inline constexpr int warning_yes_no = 4;
inline constexpr int warning_ok_cancel = 5;
inline constexpr int warning_yes_no_cancel = 6;
}  // namespace message_kind

inline constexpr std::size_t message_limit = 2000;

// The title of a message box of the kind, "" for a kind that shows nothing.
std::string message_title(const std::string& app_title, int kind);

// Shows the message; kinds 0..2 return Button::none, the others the button pressed.
Button message_box(State& state, int kind, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The same with text already formatted.
Button show_message_text(State& state, int kind, const std::string& text);
// A question that destroys data when answered Yes (or OK): Enter presses No
// (or Cancel), so that only a deliberate click or key destroys anything.
Button destructive_question(State& state, int kind, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The same with its own title.
Button ask_titled_destructive(State& state, int kind, const std::string& title, const std::string& text);
// The safe button of a question box of the kind: No, or Cancel for OK/Cancel.
Button safe_button(int kind);
// Kind 1 after formatting.
void error_box(State& state, const char* format, ...) __attribute__((format(printf, 2, 3)));
// A message of any kind that says the command was not done ("The import was
// NOT successfully completed."): counted, as every error is, so that a
// script learns it from the exit status.
Button not_done_box(State& state, int kind, const char* format, ...) __attribute__((format(printf, 3, 4)));
// Counts a message that was shown otherwise (with a title of its own) as one.
void mark_not_done(State& state);
// A question with its own title, as the few dialogs that name one do.
Button ask_titled(State& state, int kind, const std::string& title, const std::string& text);

// Busy cursor, shown while a long operation runs.
void busy_cursor(State& state, bool on);
class BusyCursor {
 public:
  explicit BusyCursor(State& state);
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  State& state_;
};

}  // namespace quillon
