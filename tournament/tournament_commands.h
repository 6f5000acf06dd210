#pragma once
// The tournament-level commands: add (1301), change (1401), copy (1310 with
// scores, 1311 with scores erased), remove (1501) and purge (1702).
#include "core/result.h"

namespace quillon {

struct State;

// Returns the new tournament's number, or 0 when nothing was added.
int add_tournament(State& state);
// Returns the changed tournament's number, or 0.
int modify_tournament(State& state);
// Returns the copy's number, or 0.
int copy_tournament(State& state, bool keep_scores);
// Returns the removed tournament's number, or 0.
int drop_tournament(State& state);
// Returns the number of tournaments purged (0 when none or cancelled).
int purge_older_tournaments(State& state);

// The slot a new tournament takes: the first free one, else one past the end.
// Fails, told, when a tournament could not be read.
[[nodiscard]] Result<int> free_tournament_slot(State& state);

// The slot for a new tournament, or 0 after telling the user that no course
// exists or that the database is full.
int slot_for_new_tournament(State& state);
// Stores the header in the buffer as a new tournament after its dialog was
// accepted: the slot is chosen under the database lock and its space claimed
// before anything is written. Returns the slot, or 0 after telling the user.
[[nodiscard]] int store_new_tournament(State& state);
// Writes the current header to a new tournament's slot and empties its field.
[[nodiscard]] bool write_new_tournament(State& state, int slot);

}  // namespace quillon
