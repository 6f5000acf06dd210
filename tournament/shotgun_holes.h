#pragma once
// "Allocation of Groups for Shotgun Start": how many groups start on each
// hole in the first and the second shotgun.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/tournament_header.h"

namespace quillon {

struct State;

class ShotgunHolesModel : public DialogModel {
 public:
  // Shows the holes of the course on `tee_slot`, preset from the header.
  ShotgunHolesModel(State& state, const TournamentHeader& header, int tee_slot);

  Field& explanation;  // laid out by the window itself

  std::string id() const override { return "shotgun_holes"; }
  bool accept() override { return true; }
  // Stores both columns for every hole of the course.
  void store(TournamentHeader& header) const;

  static std::string shotgun_field(int shotgun, int hole);
  int holes() const { return holes_; }
  // The men's par of the hole (1-based), as its line shows it.
  int par(int hole) const { return hole >= 1 && hole <= holes_ ? pars_[hole - 1] : 0; }

 private:
  int holes_ = 0;
  int pars_[18] = {};
  std::vector<Field*> first_shotgun_;  // the groups starting on each hole
  std::vector<Field*> second_shotgun_;
};

}  // namespace quillon
