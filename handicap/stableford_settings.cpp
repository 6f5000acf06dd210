#include "handicap/stableford_settings.h"

#include <cerrno>
#include <cstdlib>
#include <optional>

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

namespace {

constexpr const char* result_names[8] = {
    "< Dbl Eagle", "Double Eagle", "Eagle", "Birdie", "Par", "Bogie", "Double Bogie", "Others",
};

std::string points_field(int i) { return "points." + std::to_string(i); }

// A whole number of points in range, or nothing.
std::optional<int> read_points(const std::string& typed) {
  std::string text = trimmed(typed);
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') return std::nullopt;
  if (value < lowest_stableford_points || value > highest_stableford_points) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

StablefordSettingsModel::StablefordSettingsModel(State& state)
    : state_(state),
      points_(add_points_fields()),
      use_gross_(add(Field::check_field("use_gross", "Use Gross Scores"))) {
  title_ = "Custom Stableford Configuration";
  help_topic_ = Help::stableford;
  for (int i = 0; i < 8; ++i) points_[i]->text = std::to_string(state.system.stableford_points[i]);
  use_gross_.checked = (state.system.flags & system_flag::custom_stableford_gross) != 0;
  focus_ = points_[0]->name;
}

std::vector<Field*> StablefordSettingsModel::add_points_fields() {
  std::vector<Field*> points;
  for (int i = 0; i < 8; ++i) {
    Field& f = add(Field::text_field(points_field(i), result_names[i], 3));
    f.group = "points";
    points.push_back(&f);
  }
  return points;
}

bool StablefordSettingsModel::accept() {
  std::int8_t points[8];
  for (int i = 0; i < 8; ++i) {
    auto value = read_points(points_[i]->text);
    if (!value) {
      message_box(state_, message_kind::error, "The points for \"%s\" must be a whole number from %d to %d.",
                  result_names[i], lowest_stableford_points, highest_stableford_points);
      set_focus(points_[i]->name);
      return false;
    }
    points[i] = static_cast<std::int8_t>(*value);
  }
  const SystemRecord before = state_.system;
  for (int i = 0; i < 8; ++i) state_.system.stableford_points[i] = points[i];
  if (use_gross_.checked) state_.system.flags |= system_flag::custom_stableford_gross;
  else state_.system.flags &= static_cast<std::uint16_t>(~system_flag::custom_stableford_gross);
  if (!write_record(state_, RecordKind::system, 1)) {
    state_.system = before;  // the buffer keeps matching the file
    return false;
  }
  return true;
}

bool custom_stableford_configuration(State& state) {
  StablefordSettingsModel model(state);
  return state.ui.run_dialog(model);
}

}  // namespace quillon
