#pragma once
// Multi-round events: a tournament slot of format 99 whose header lists up to
// five day tournaments. The links between an event and its days, the rules an
// event's days must satisfy and the commands that add and change an event.
#include <string>
#include <vector>

#include "core/records/tournament_header.h"

namespace quillon {

struct State;

// The day tournaments of an event in day order (the entries before the first 0).
std::vector<int> event_days(const TournamentHeader& event);

// Best-ball, scramble and "Net Scores with 1 Callaway Division" days cannot be
// part of an event.
bool excluded_from_events(int format);
// Whether a day counts as Stableford when an event's days are checked and keyed.
bool counts_as_stableford(int format);

inline constexpr const char* excluded_day_message =
    "Best Ball, Scramble, and 'Net Scores with 1 Callaway Division' tournaments can not be included in multiple "
    "day events.";

// Tournament t's header, read as a value without disturbing the current header and
// tournament (so that later group reads and writes still go to the current one).
// A header that cannot be read is told and counted (State::told_read_failures)
// and reads as empty.
TournamentHeader peek_header(State& state, int t);

// The most divisions any day of the event has (at least 1): an event's own
// header keeps none, its days do.
int event_division_count(State& state, const TournamentHeader& event);

// The tournament before t in the event that lists t as day 2..5, or 0 when
// t is no such day.
int previous_event_day(State& state, int t);

// Drops tournament `removed` from every event listing it; the later days move
// up. False when an event could not be written (the user was told).
[[nodiscard]] bool unlink_from_events(State& state, int removed);

// Command 1302: a new event in the first free slot. Returns its number or 0.
int add_multi_round_tournament(State& state);
// "Change Tournament" on an event whose header is current. Returns the slot or 0.
int change_multi_round_tournament(State& state, int slot);

}  // namespace quillon
