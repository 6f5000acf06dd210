#pragma once
// The two-list window "Re-organize Foursomes": the groups of the current
// tournament on the right, a holding list on the left, the buttons that move
// and re-arrange golfers, drag and drop between lines, and OK that writes the
// groups back. The golfer import opens the same window in import mode with
// the handicap source's members in the holding list.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/dialog_model.h"
#include "core/result.h"
#include "tournament/field_lines.h"
#include "tournament/score_card.h"

namespace quillon {

struct State;

enum class ReorganizeMode { reorganise, import };
enum class ListSide { holding, field };

// The buttons between the two lists, in the order shown.
struct ReorganizeButtons {
  Field& add;
  Field& remove;
  Field& clear;
  Field& reset;
  Field& alpha;
  Field& hcap_sort;
  Field& random;
  Field& hi_low;
  Field& guest;
  Field& prev_round;

  std::vector<Field*> in_order() const {
    return {&add, &remove, &clear, &reset, &alpha, &hcap_sort, &random, &hi_low, &guest, &prev_round};
  }
};

class ReorganizeModel : public DialogModel {
 public:
  // The current tournament's header must be read. `scorer` brings the
  // previous day's totals up to date for Prev Rnd; `random` draws for Random.
  ReorganizeModel(State& state, ReorganizeMode mode, CardScorer scorer, std::mt19937& random);

  // The fields the window lays out itself, held by type.
  Field& columns;  // the column heads of both lists
  Field& holding_list;
  Field& field_list;
  ReorganizeButtons buttons;

  std::string id() const override { return "reorganize_foursomes"; }
  // False when the field's groups could not be read (the user was told): the
  // window is then not shown, and OK writes nothing.
  bool field_read() const { return field_read_; }
  bool accept() override;

  // Import mode: the source's members for the holding list (RESET asks again).
  // A member is listed unless the holding list has exactly that line or the
  // field a golfer of that name.
  using HoldingSource = std::function<std::vector<GolferEntry>(State&)>;
  void set_holding_source(HoldingSource source);

  const std::vector<GolferEntry>& holding() const { return holding_; }
  const std::vector<FieldLine>& lines() const { return lines_; }

  // Drag and drop: moves the golfer of line `from` (0-based, in its list) onto
  // line `to` of the field list: a vacancy takes it, a group header gives it
  // the group's first vacancy, a golfer line exchanges the two. Onto the
  // holding list (any `to`) it goes back there. A field golfer leaves a vacancy.
  Status move_line(ListSide from_side, int from, ListSide to_side, int to);
  // The same for scripts: "#n" (field line n), "holding#n", or a golfer's name;
  // the target may also be "holding".
  Status move(const std::string& from, const std::string& to) override;

 protected:
  void on_pressed(Field& field) override;

 private:
  ReorganizeButtons add_buttons();
  void reload();
  void show_lists();
  void add_selected();
  void remove_selected();
  void add_guest();
  void sort_by_index();
  void previous_round();
  void high_low();
  void rearranged(std::vector<GolferEntry> golfers);
  Result<std::vector<PreviousDayScore>> previous_day_scores(int previous_day, const std::vector<GolferEntry>& golfers,
                                                            bool gross);
  bool locate(const std::string& text, ListSide& side, int& index) const;

  State& state_;
  ReorganizeMode mode_;
  CardScorer scorer_;
  std::mt19937& random_;
  HoldingSource source_;
  TournamentHeader header_;
  int slot_;
  FieldLayout layout_;
  std::vector<GolferEntry> holding_;
  std::vector<FieldLine> lines_;
  bool field_read_ = false;
};

// Command 1408: the window on a selected tournament. Returns whether OK wrote
// the groups.
bool reorganize_foursomes(State& state, const CardScorer& scorer, std::mt19937& random);

}  // namespace quillon
