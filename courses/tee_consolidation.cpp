#include "courses/tee_consolidation.h"

#include <algorithm>
#include <filesystem>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/record_values.h"
#include "core/state.h"
#include "core/text.h"
#include "courses/course_access.h"
#include "courses/course_slots.h"
#include "courses/course_validation.h"

namespace quillon {

namespace {

struct SlotName {
  int slot = 0;
  std::string course;
  std::string tee;
  std::string key;  // "course, tee" in lower case
};

bool tee_ends_with(const std::string& tee, std::initializer_list<const char*> endings) {
  if (tee.size() <= 2) return false;
  std::string end = to_lower(tee.substr(tee.size() - 2));
  return std::any_of(endings.begin(), endings.end(), [&](const char* e) { return end == e; });
}

bool is_pair(const SlotName& ladies, const SlotName& men) {
  if (!tee_ends_with(ladies.tee, {"-f", "-l"}) || !tee_ends_with(men.tee, {"-m"})) return false;
  if (ladies.key.size() != men.key.size()) return false;
  std::size_t stem = ladies.key.size() - 2;
  return equal_ignoring_case(ladies.key.substr(0, stem), men.key.substr(0, stem));
}

std::string pair_line(const TeePair& p) { return p.course_name + " - " + p.ladies_tee + " / " + p.men_tee; }

std::vector<std::string> pair_lines(const std::vector<TeePair>& pairs) {
  std::vector<std::string> lines;
  for (const auto& p : pairs) lines.push_back(pair_line(p));
  return lines;
}

bool retarget_tournaments(State& state, int from_slot, int to_slot) {
  DatabaseTransaction change(state);
  for (int t = 1; t <= state.tournament_count; ++t) {
    if (!read_record(state, RecordKind::tournament, t)) return false;
    if (tournament_slot_free(state.header)) continue;
    bool changed = false;
    for (auto& tee : state.header.division_tee) {
      if (tee == from_slot) {
        tee = static_cast<std::int16_t>(to_slot);
        changed = true;
      }
    }
    if (changed && !write_record(state, RecordKind::tournament, t)) return false;
  }
  return change.commit().is_ok();
}

// The men's record takes the women's block of the ladies' record and the
// tee name without its ending.
void take_womens_block(CourseRecord& men, const CourseRecord& ladies) {
  men.women_rating = ladies.women_rating;
  men.women_slope = ladies.women_slope;
  men.women_rating_f9 = ladies.women_rating_f9;
  men.women_rating_b9 = ladies.women_rating_b9;
  men.women_slope_f9 = ladies.women_slope_f9;
  men.women_slope_b9 = ladies.women_slope_b9;
  int holes = men.hole_count == 9 ? 9 : 18;
  for (int h = 0; h < holes; ++h) {
    men.women_par[h] = ladies.women_par[h];
    men.women_hcp_hole[h] = ladies.women_hcp_hole[h];
  }
  ParSums sums = sum_pars(men.women_par, holes);
  men.women_total_par = static_cast<std::int8_t>(sums.total);
  men.women_par_f9 = static_cast<std::int8_t>(sums.front);
  men.women_par_b9 = static_cast<std::int8_t>(sums.back);
  std::string tee = field_text(men.tee_name);
  set_field_text(men.tee_name, trimmed(tee.substr(0, tee.size() - 2)));
}

}  // namespace

std::vector<TeePair> find_tee_pairs(State& state) {
  std::vector<SlotName> slots;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    // The list offers the pairs found before a failed read, which is told once.
    if (!read_record(state, RecordKind::course, slot)) break;
    if (!course_slot_used(state.course)) continue;
    std::string course = field_text(state.course.course_name);
    std::string tee = field_text(state.course.tee_name);
    slots.push_back({slot, course, tee, to_lower(course + ", " + tee)});
  }
  std::stable_sort(slots.begin(), slots.end(), [](const SlotName& a, const SlotName& b) { return a.key < b.key; });
  std::vector<TeePair> pairs;
  for (std::size_t i = 0; i + 1 < slots.size(); ++i) {
    const SlotName& first = slots[i];
    const SlotName& second = slots[i + 1];
    if (is_pair(first, second)) pairs.push_back({first.slot, second.slot, second.course, first.tee, second.tee});
  }
  return pairs;
}

MergeOutcome merge_tee_pair(State& state, const TeePair& pair) {
  Result<CourseRecord> ladies_read = telling(state, load_course(state, pair.ladies_slot));
  if (!ladies_read) return MergeOutcome::failed;
  Result<CourseRecord> men_read = telling(state, load_course(state, pair.men_slot));
  if (!men_read) return MergeOutcome::failed;
  const CourseRecord ladies = *ladies_read;
  CourseRecord men = *men_read;
  const char* course = pair.course_name.c_str();
  if (ladies.hole_count != men.hole_count) {
    error_box(state, "A 9 hole tee cannot be merged with an 18 hole tee");
    return MergeOutcome::refused;
  }
  std::string question = format_text(
      message_limit,
      "For the %s, the %s and %s tees will be merged.\n\nThe men's data will be extracted from the %s tee.\nThe "
      "ladies data will be extracted from the %s tee.\n\nTo continue with the merge click 'OK' or click 'Cancel' to "
      "abort the merge.",
      course, pair.ladies_tee.c_str(), pair.men_tee.c_str(), pair.men_tee.c_str(), pair.ladies_tee.c_str());
  if (ask_titled_destructive(state, message_kind::warning_ok_cancel, "Tee Consolidation", question) != Button::ok)
    return MergeOutcome::declined;

  if (state.system.default_course == pair.ladies_slot) {
    state.system.default_course = static_cast<std::uint16_t>(pair.men_slot);
    if (!write_record(state, RecordKind::system, 1)) return MergeOutcome::failed;
  }
  if (!retarget_tournaments(state, pair.ladies_slot, pair.men_slot)) return MergeOutcome::failed;
  take_womens_block(men, ladies);
  state.course = men;
  if (!write_record(state, RecordKind::course, pair.men_slot)) return MergeOutcome::failed;
  if (!clear_course_slot(state, pair.ladies_slot)) return MergeOutcome::failed;
  Result<int> highest = highest_used_course_slot(state);
  if (!highest) return MergeOutcome::failed;
  state.course_count = *highest;
  message_box(state, message_kind::information, "For the %s, the %s and %s tees have been merged.", course,
              pair.ladies_tee.c_str(), pair.men_tee.c_str());
  return MergeOutcome::merged;
}

ConsolidationModel::ConsolidationModel(State& state)
    : state_(state),
      pairs_(find_tee_pairs(state)),
      explanation_(add(Field::label_field(
          "explanation",
          "The men's tee must be named with \"-M\" at the end and the ladies' tee with \"-F\" at the "
          "end (for example \"White-M\" and \"White-F\"). The pairs of tees below can be combined."))),
      pairs_list_(add(Field::multi_list_field("pairs", "Tees to be combined", pair_lines(pairs_)))) {
  title_ = "Course Consolidation";
  help_topic_ = Help::course_maintenance;
  set_focus(pairs_list_.name);
}

bool ConsolidationModel::accept() {
  const auto& chosen = pairs_list_.selected;
  if (chosen.empty()) {
    error_box(state_, "Select the Course(s) to be combined and click 'OK' or click 'Cancel' to abort.");
    return false;
  }
  std::vector<int> in_list_order = chosen;
  std::sort(in_list_order.begin(), in_list_order.end());
  in_list_order.erase(std::unique(in_list_order.begin(), in_list_order.end()), in_list_order.end());
  // Each pair is asked for on its own; a write that failed (the user has been
  // told) ends the merging.
  for (int i : in_list_order) {
    if (i < 0 || i >= static_cast<int>(pairs_.size())) continue;
    if (merge_tee_pair(state_, pairs_[i]) == MergeOutcome::failed) break;
  }
  return true;
}

Status consolidate_tees(State& state) {
  if (!state.ravelin_path.empty() && std::filesystem::exists(state.file(state.ravelin_path)))
    message_box(state, message_kind::warning,
                "You should open Ravelin for Windows and merge the courses in both systems one after the other.  If "
                "the courses are not merged in both systems, the tee positions which are eliminated during the merge "
                "will be reimported from the Ravelin for Windows database then next time you invoke Quillon for "
                "Windows.");
  ConsolidationModel dialog(state);
  return state.ui.run_dialog(dialog) ? Status::ok() : Status::told();
}

}  // namespace quillon
