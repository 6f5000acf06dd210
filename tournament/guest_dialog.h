#pragma once
// The "Guest Information" window of the two-list window: a golfer typed in by
// hand in place of a line of the field.
#include "core/dialog_model.h"
#include "core/records/golfer_entry.h"

namespace quillon {

struct State;

class GuestModel : public DialogModel {
 public:
  // Opens with `golfer` (an empty entry for a vacancy).
  GuestModel(State& state, const GolferEntry& golfer);

  std::string id() const override { return "guest_information"; }
  bool accept() override;

  // The guest as entered, once accepted: not linked to the handicap database.
  const GolferEntry& guest() const { return guest_; }

 private:
  State& state_;
  GolferEntry guest_;
  Field& name_;
  Field& index_;
  Field& gender_;
  Field& skins_;
};

}  // namespace quillon
