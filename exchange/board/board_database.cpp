#include "exchange/board/board_database.h"

#include "core/cp1252.h"
#include "core/database.h"
#include "core/database_startup.h"
#include "core/messages.h"

namespace quillon::board {

Button QuietUi::show_message(int kind, const std::string&, const std::string& text) {
  shown.push_back({kind, utf8_from_cp1252(text)});
  if (kind == message_kind::question || kind == message_kind::warning_yes_no) return Button::no;
  return kind >= message_kind::question ? Button::cancel : Button::ok;
}

PrinterOpening QuietUi::open_printer(const PrintSettings&) {
  PrinterOpening opening;
  opening.failure = PrintFailure::no_printer;
  return opening;
}

bool QuietUi::asked_question() const {
  for (const Shown& s : shown)
    if (s.kind >= message_kind::question) return true;
  return false;
}

std::string QuietUi::last_complaint() const {
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if (it->kind != message_kind::information) return it->text;
  return "";
}

BoardDatabase::BoardDatabase(std::filesystem::path home) : state_(ui_, clock_, std::move(home)) {}

Status BoardDatabase::open() {
  state_.refresh_today();
  if (Status opened = open_database(state_); !opened) return opened;
  if (Status sound = check_is_database(state_.db); !sound) return sound;
  if (Status read = read_configuration(state_); !read) return read;
  return refresh();
}

Status BoardDatabase::refresh() {
  if (!state_.db.still_at_path()) {
    state_.db.close();
    if (Status opened = open_database(state_); !opened) return opened;
    if (Status read = read_configuration(state_); !read) return read;
  }
  if (Status read = read_record(state_, RecordKind::system, 1); !read) return read;
  apply_database_layout(state_);
  state_.tournament_count = tournament_count_from_length(state_.db.length(), state_.tournament_base);
  return Status::ok();
}

}  // namespace quillon::board
