#pragma once
// Merging old separate ladies' and men's tees ("White-F" or "White-L" with
// "White-M") into one record holding both blocks.
#include <string>
#include <vector>

#include "core/dialog_model.h"

namespace quillon {

struct State;

struct TeePair {
  int ladies_slot = 0;
  int men_slot = 0;
  std::string course_name;
  std::string ladies_tee;
  std::string men_tee;
};

// The candidate pairs: neighbours in course/tee name order whose names differ
// only in the "-F"/"-L" and "-M" endings.
std::vector<TeePair> find_tee_pairs(State& state);

// What became of a pair: merged, declined by the user, refused (a 9 hole tee
// with an 18 hole one) or failed while writing; the user has been told.
enum class MergeOutcome { merged, declined, refused, failed };

// Merges one pair after asking.
[[nodiscard]] MergeOutcome merge_tee_pair(State& state, const TeePair& pair);

// "Course Consolidation": the pairs as a multiple-selection list `pairs`.
class ConsolidationModel : public DialogModel {
 public:
  explicit ConsolidationModel(State& state);
  std::string id() const override { return "course_consolidation"; }
  const std::vector<TeePair>& pairs() const { return pairs_; }
  // Merges the selected pairs in list order; refused when none is selected.
  bool accept() override;

 private:
  State& state_;
  std::vector<TeePair> pairs_;
  Field& explanation_;
  Field& pairs_list_;
};

// Command 1412. Ok when the dialog closed with OK.
Status consolidate_tees(State& state);

}  // namespace quillon
