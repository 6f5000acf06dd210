#pragma once
// Cart signs: a large-type sheet per power cart naming the club, the
// tournament, the starting hole, the tee time and the cart's golfers.
#include <optional>
#include <string>
#include <vector>

#include "core/records/golfer_entry.h"
#include "report/print_job.h"

namespace quillon {

struct State;

enum class SignSelection { all, requested, selected_group };

struct CartSign {
  int group = 0;
  std::string first;
  std::optional<std::string> second;  // none: the cart has one golfer
  bool operator==(const CartSign&) const = default;
};

// The signs of the groups (each with its `group_size` entries): pairs of
// slots 1+2, 3+4 and 5 ("all", "selected_group": only `selected_group`), or
// the golfers with the power cart flag paired in slot order ("requested").
std::vector<CartSign> cart_sign_list(const std::vector<std::vector<GolferEntry>>& groups, SignSelection selection,
                                     int selected_group);

// The starting hole of a CrossOver group: groups 1, 2, 3, 4 start on holes
// 1, 10, 2, 11, and group 19 starts on hole 1 again.
int crossover_start_hole(int group);

// What every sign of a tournament shows besides its golfers.
struct SignSheet {
  std::string club;  // the reporting name
  std::string tournament;
  int start_type = 0;
  std::vector<std::string> tee_times;  // per group 1..n, as "%8s" prints them
  std::vector<std::string> shotgun_labels;  // per group, shotgun starts only
};
SignSheet read_sign_sheet(State& state);

inline constexpr int sign_rows = 22;

// Draws the signs, three to a printed page; false when the user cancelled.
bool draw_cart_signs(PrintOutput& out, const SignSheet& sheet, const std::vector<CartSign>& signs);

// Commands 1624..1626. The selected group is asked for once and kept from the
// preview to the print.
Status print_cart_signs(State& state, SignSelection selection);

}  // namespace quillon
