#pragma once
// Command 1610, "Auto Assignment of Flights based on scores": the ranked field
// of a tournament cut into flights of about equal size, each flight's places
// starting again at 1. The page only reports; the stored divisions stay.
#include "core/status.h"

namespace quillon {

struct State;

// The page of the current tournament with `flights` flights. False when no
// page was made (the user was told why).
bool flights_by_score_report(State& state, int flights, bool extra_to_last);

// The command: a tournament, the "Automatic Assignment of Flights" window
// (preset from the system's last number of flights), then the page.
Status run_flights_by_score(State& state);

}  // namespace quillon
