#include "app/field_commands.h"

#include <random>

#include "core/dispatch.h"
#include "core/state.h"
#include "exchange/imports/golfer_import.h"
#include "report/flights_by_score_page.h"
#include "scoring/score_golfer.h"
#include "tournament/flights.h"
#include "tournament/multi_round.h"
#include "tournament/reorganize.h"

namespace quillon {

namespace {

Status score_for_previous_round(State& state, int slot) { return score_golfer(state, slot, CardMessages::quiet); }

}  // namespace

void register_field_commands(CommandRegistry& r) {
  r.add({1105}, [](State& s, int) {
    std::mt19937 random(std::random_device{}());
    return Status::ok_or_told(import_golfers(s, score_for_previous_round, random));
  });
  r.add({1302}, [](State& s, int) { return Status::ok_or_told(add_multi_round_tournament(s) != 0); });
  r.add({1408}, [](State& s, int) {
    if (!check_precondition(s, Precondition::a_tournament)) return Status::told();
    std::mt19937 random(std::random_device{}());
    return Status::ok_or_told(reorganize_foursomes(s, score_for_previous_round, random));
  });
  r.add({1409}, [](State& s, int) {
    return Status::ok_or_told(check_precondition(s, Precondition::a_tournament) && reorganize_flights_by_index(s));
  });
  r.add({1610}, [](State& s, int) { return run_flights_by_score(s); });
}

}  // namespace quillon
