#include "app/print_commands.h"

#include "core/dispatch.h"
#include "core/state.h"
#include "exchange/board/board_cards.h"
#include "report/address_labels.h"
#include "report/cart_signs.h"
#include "report/label_sheets.h"
#include "report/score_cards.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

bool tournament_chosen(State& state) {
  return check_precondition(state, Precondition::a_tournament) && select_tournament(state, TournamentList::days) != 0;
}

LabelGolfers label_golfers_of(int command) {
  if (command == 1632 || command == 1633) return LabelGolfers::members;
  if (command == 1634 || command == 1635) return LabelGolfers::non_members;
  return LabelGolfers::all;
}

}  // namespace

void add_print_commands(CommandRegistry& r) {
  r.add({2000, 2001, 2002, 2003}, [](State& s, int n) {
    if (!tournament_chosen(s)) return Status::told();
    CardsPer per = (n == 2000 || n == 2002) ? CardsPer::golfer : CardsPer::group;
    return print_score_cards(s, per, n == 2002 || n == 2003, board::card_board_marks);
  });
  r.add({1624, 1625, 1626}, [](State& s, int n) {
    if (!tournament_chosen(s)) return Status::told();
    return print_cart_signs(s, n == 1624   ? SignSelection::all
                               : n == 1625 ? SignSelection::requested
                                           : SignSelection::selected_group);
  });
  r.add({1630, 1631, 1632, 1633, 1634, 1635}, [](State& s, int n) {
    if (!tournament_chosen(s)) return Status::told();
    // Even numbers are the alphabetical entries.
    return print_address_labels(s, label_golfers_of(n), n % 2 == 0 ? LabelOrder::alphabetical : LabelOrder::by_group);
  });
  r.add({1707}, [](State& s, int) { return printer_output_alignment(s); });
}

}  // namespace quillon
