#pragma once
// The skins page: each hole's winner or half, the par and the winning value,
// and how many golfers of the event played for skins.
namespace quillon {

struct State;

// Commands 1611..1614: gross or net skins, with or without the golfers of
// each half listed. Works on the current tournament; writes the report page
// and returns true, or tells the user why there is none and returns false.
bool skins_report(State& state, bool net, int division, bool show_halves);

}  // namespace quillon
