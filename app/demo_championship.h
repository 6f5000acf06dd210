#pragma once
// The demonstration club's three-day "Club Championship": three Net Scores
// rounds with their field and cards, tied into one multi-round event.
namespace quillon {

struct State;
class ScriptedUi;

// Adds the rounds and the event through the program's own commands; the
// scripted answers go through `ui`, the state's front end. False when one
// of them did not do what was asked.
bool add_demo_championship(State& state, ScriptedUi& ui);

}  // namespace quillon
