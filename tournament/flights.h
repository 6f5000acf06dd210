#pragma once
// Flights: the field split into divisions of about equal size, by handicap
// index (command 1409) or, in the results report, by score (1610). The
// "Automatic Assignment of Flights" window asks for the number of flights and
// where the extra golfers go.
#include <vector>

#include "core/dialog_model.h"

namespace quillon {

struct State;

inline constexpr int min_flights = 2;
inline constexpr int max_flights = 10;

// The sizes of `flights` flights for `golfers`: n / f each, the remainder one
// each to the first flights, or to the last ones with `extra_to_last`.
std::vector<int> flight_sizes(int golfers, int flights, bool extra_to_last);

class FlightSettingsModel : public DialogModel {
 public:
  // `preset` flights (2..10) are shown; the extra-golfer rule comes from the system record.
  FlightSettingsModel(State& state, int preset);

  std::string id() const override { return "flight_assignment"; }
  // Stores both settings in the system record and writes it.
  bool accept() override;

  int flights() const { return flights_.index + min_flights; }
  bool extra_to_last() const { return extra_.index == 1; }

 private:
  State& state_;
  Field& flights_;
  Field& extra_;
  Field& explanation_;
  Field& example_;
};

// Command 1409 on a selected tournament. Returns whether the divisions were assigned.
bool reorganize_flights_by_index(State& state);

}  // namespace quillon
