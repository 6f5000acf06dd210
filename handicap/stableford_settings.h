#pragma once
// The custom Stableford table of the system record: the points for each net
// result from "< Dbl Eagle" to "Others", and "Use Gross Scores".
#include <string>
#include <vector>

#include "core/dialog_model.h"

namespace quillon {

struct State;

// Lowest and highest number of points a result may be given.
inline constexpr int lowest_stableford_points = -99;
inline constexpr int highest_stableford_points = 99;

class StablefordSettingsModel : public DialogModel {
 public:
  explicit StablefordSettingsModel(State& state);

  std::string id() const override { return "stableford_settings"; }
  // Checks every value, then stores the table and the flag and writes the
  // system record.
  bool accept() override;

 private:
  std::vector<Field*> add_points_fields();

  State& state_;
  std::vector<Field*> points_;  // one per result, in the order of the table
  Field& use_gross_;
};

// Command 1703, also the tournament dialog's "Stableford Configuration".
// Returns whether the dialog closed with OK.
bool custom_stableford_configuration(State& state);

}  // namespace quillon
