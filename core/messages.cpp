#include "core/messages.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "core/state.h"

namespace quillon {

namespace {

std::string vformat(const char* format, va_list args) {
  std::vector<char> buf(message_limit + 1);
  std::vsnprintf(buf.data(), buf.size(), format, args);
  return buf.data();
}

}  // namespace

std::string message_title(const std::string& app_title, int kind) {
  switch (kind) {
    case 0:
    case 4:
    case 5:
    case 6: return app_title + " - Warning";
    case 1: return app_title + " - Error";
    case 2:
    case 3: return app_title + " - Information";
    default: return "";
  }
}

Button show_message_text(State& state, int kind, const std::string& text) {
  if (kind < 0 || kind > 6) return Button::none;
  std::string shown = text.size() > message_limit ? text.substr(0, message_limit) : text;
  if (kind == message_kind::error) mark_not_done(state);
  Button b = state.ui.show_message(kind, message_title(state.app_title, kind), shown);
  return kind <= 2 ? Button::none : b;
}

Button message_box(State& state, int kind, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat(format, args);
  va_end(args);
  return show_message_text(state, kind, text);
}

Button safe_button(int kind) {
  return kind == message_kind::warning_ok_cancel || kind == message_kind::warning_yes_no_cancel ? Button::cancel
                                                                                                : Button::no;
}

Button destructive_question(State& state, int kind, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat(format, args);
  va_end(args);
  if (kind < message_kind::question || kind > message_kind::warning_yes_no_cancel)
    return show_message_text(state, kind, text);
  std::string shown = text.size() > message_limit ? text.substr(0, message_limit) : text;
  return state.ui.show_question(kind, message_title(state.app_title, kind), shown, safe_button(kind));
}

Button ask_titled_destructive(State& state, int kind, const std::string& title, const std::string& text) {
  return state.ui.show_question(kind, title, text.substr(0, message_limit), safe_button(kind));
}

void error_box(State& state, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat(format, args);
  va_end(args);
  show_message_text(state, message_kind::error, text);
}

Button ask_titled(State& state, int kind, const std::string& title, const std::string& text) {
  if (kind == message_kind::error) mark_not_done(state);
  return state.ui.show_message(kind, title, text.substr(0, message_limit));
}

Button not_done_box(State& state, int kind, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat(format, args);
  va_end(args);
  if (kind != message_kind::error) mark_not_done(state);
  return show_message_text(state, kind, text);
}

void mark_not_done(State& state) { ++state.not_done_messages; }

void busy_cursor(State& state, bool on) { state.ui.set_busy(on); }

BusyCursor::BusyCursor(State& state) : state_(state) { busy_cursor(state_, true); }
BusyCursor::~BusyCursor() { busy_cursor(state_, false); }

}  // namespace quillon
