#pragma once
// The "Callaway Handicap Computation Settings" dialog: table base, maximum
// handicap, maximum score per hole and the holes excluded from deduction of
// the tournament header being edited, and the comparison with the official
// Callaway settings.
#include <string>

#include "core/dialog_model.h"

namespace quillon {

struct State;
struct TournamentHeader;

class CallawaySettingsModel : public DialogModel {
 public:
  // Edits state.header; its format decides the lists offered.
  explicit CallawaySettingsModel(State& state);

  std::string id() const override { return "callaway_settings"; }
  bool accept() override;

  // The text the comparison button shows.
  std::string comparison_text() const;

 protected:
  void on_pressed(Field& field) override;

 private:
  bool nine_hole() const;
  static int chosen_number(const Field& list);
  int excluded_hole(int n) const;

  State& state_;
  Field& table_base_;
  Field& max_handicap_;
  Field& max_score_;
  Field& excluded_hole1_;
  Field& excluded_hole2_;
  Field& compare_;
};

// Opens the dialog on state.header; true when it closed with OK (the header
// buffer then holds the new settings; writing it is the caller's business).
bool configure_callaway(State& state);

}  // namespace quillon
