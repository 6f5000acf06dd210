#pragma once
// The "Build Multi-Day Tournament" window: the event's name, its gross and net
// limit and the tournaments of Day #1..#5, with the rules of saving in order.
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/records/tournament_header.h"

namespace quillon {

struct State;

inline constexpr const char* unassigned_day = " --- Unassigned ---";

// The fields of the window, held by type.
struct MultiRoundForm {
  Field& name;
  Field& results_limit;
  Field& rounds_heading;
  std::vector<Field*> days;  // Day #1..#5
};

class MultiRoundDialogModel : public DialogModel {
 public:
  // `event` is the stored event when changing; `slot` is the event's number.
  MultiRoundDialogModel(State& state, const TournamentHeader& event, bool adding, int slot);

  std::string id() const override { return "multi_round"; }
  // Checks the rules in order, stopping at the first message; on success the
  // rebuilt event header is in header(). Nothing is written here.
  bool accept() override;

  const TournamentHeader& header() const { return event_; }
  const MultiRoundForm& form() const { return form_; }

 private:
  // The options of a day list; fills choices_ alongside.
  std::vector<std::string> day_options();
  MultiRoundForm build_fields(const std::vector<std::string>& options);
  bool check_name();
  // The chosen day tournaments in day order, gaps closed; empty after a message.
  bool collect_days(std::vector<int>& days);
  void build_header(const std::vector<int>& days);

  State& state_;
  bool adding_;
  int slot_;
  TournamentHeader event_{};
  // The tournament behind each option of a day list (0 for " --- Unassigned ---").
  std::vector<int> choices_;
  MultiRoundForm form_;
};

}  // namespace quillon
