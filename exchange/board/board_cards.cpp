#include "exchange/board/board_cards.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/records/header_values.h"
#include "core/state.h"
#include "core/text.h"
#include "exchange/board/board_data.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_settings.h"
#include "exchange/board/qr_code.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"

namespace quillon::board {

namespace {

// The tournament the board takes scores for, per board.cfg; 0 when none.
int board_entry_tournament(State& state, const BoardSettings& settings) {
  if (settings.tournament < 1) return 0;
  const TournamentHeader current = state.header;
  const int current_slot = state.current_tournament;
  const int day = entry_tournament(state, settings.tournament);
  // Leave the current tournament as it was for the caller.
  if (current_slot > 0) state.current_tournament = current_slot;
  state.header = current;
  return day;
}

}  // namespace

std::string board_address_for(State& state, int t) {
  auto settings = load_board_settings(state.home_folder);
  if (!settings || t < 1 || board_entry_tournament(state, *settings) != t) return "";
  const std::string address = settings->address.empty() ? lan_address() : settings->address;
  return board_address(address, settings->port, tls_configured(state.home_folder));
}

std::map<int, CardBoardMark> card_board_marks(State& state) {
  std::map<int, CardBoardMark> marks;
  const int t = state.current_tournament;
  const std::string address = board_address_for(state, t);
  if (address.empty()) return marks;
  PinBook book;
  if (Status pins = ensure_pins(state.home_folder, t, state.header.group_count, &book); !pins) {
    message_box(state, message_kind::warning, "The board's PINs cannot be printed on the cards: %s",
                pins.reason().c_str());
    return marks;
  }
  for (int g = 1; g <= state.header.group_count; ++g) {
    CardBoardMark mark;
    mark.pin = book.pin(t, g);
    mark.address = address + "group?g=" + std::to_string(g);
    if (auto code = qr_matrix(mark.address)) {
      mark.qr_size = code->size;
      mark.qr = code->dark;
    }
    marks[g] = mark;
  }
  return marks;
}

Result<std::vector<GroupPin>> group_pins(const State& state, int t) {
  const int day = entry_day(state, t);
  if (day == 0) return Status::failed("There is no tournament " + std::to_string(t));
  Result<TournamentHeader> header = load_header(state, day);
  if (!header) return header.status();
  PinBook book;
  if (Status pins = ensure_pins(state.home_folder, day, header->group_count, &book); !pins) return pins;
  std::vector<GroupPin> list;
  for (int g = 1; g <= header->group_count; ++g) {
    GroupPin entry;
    entry.group = g;
    entry.pin = book.pin(day, g);
    Result<GroupBuffer> group = load_group(state, day, *header, g);
    if (!group) return group.status();
    for (int slot = 1; slot <= group_size_of(*header); ++slot)
      if (group->entries[slot - 1].name[0] != '\0') entry.names.emplace_back(group->entries[slot - 1].name);
    list.push_back(entry);
  }
  return list;
}

bool board_pins_report(State& state, int t) {
  auto pins = group_pins(state, t);
  if (!pins) {
    message_box(state, message_kind::error, "%s", pins.status().reason().c_str());
    return false;
  }
  const int day = entry_tournament(state, t);
  if (!read_record(state, RecordKind::tournament, day)) return false;
  const std::string address = board_address_for(state, day);
  ReportWriter w;
  if (!open_report_page(state, w)) return true;
  const PageStyle style = PageStyle::of(state);
  write_page_opening(w, style, tournament_information(state), "Board PINs");
  open_table(w, 590);
  write_header_row(w, style,
                   {header_cell(""), header_cell("Group"), header_cell("Golfers", true), header_cell("PIN"),
                    header_cell("Enter scores at", true)});
  write_empty_row(w);
  for (const GroupPin& p : *pins) {
    std::string names;
    for (const std::string& n : p.names) names += (names.empty() ? "" : ", ") + n;
    write_data_row(w, {"<td></td>", number_cell(format_text(8, "%03d", p.group)), name_cell(names), number_cell(p.pin),
                       name_cell(address.empty() ? "" : address + "group?g=" + std::to_string(p.group))});
  }
  close_table(w);
  write_page_footer(w, true);
  return true;
}

}  // namespace quillon::board
