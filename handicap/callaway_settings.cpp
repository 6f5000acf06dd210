#include "handicap/callaway_settings.h"

#include <vector>

#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/formats.h"
#include "handicap/stroke_allocation.h"

namespace quillon {

namespace {

constexpr const char* caption = "Handicap Configuration";

std::vector<std::string> numbers(int from, int to) {
  std::vector<std::string> out;
  for (int n = from; n <= to; ++n) out.push_back(std::to_string(n));
  return out;
}

// Picks the stored value in a list of numbers, or the fallback when the list
// does not offer it.
void choose_number(Field& list, int stored, int fallback) {
  for (int value : {stored, fallback}) {
    for (std::size_t i = 0; i < list.options.size(); ++i) {
      if (list.options[i] == std::to_string(value)) {
        list.index = static_cast<int>(i);
        return;
      }
    }
  }
}

bool hole_in_range(int hole) { return hole >= 1 && hole <= 18; }

}  // namespace

CallawaySettingsModel::CallawaySettingsModel(State& state)
    : state_(state),
      table_base_(add(Field::list_field("table_base", "Table Base", nine_hole() ? numbers(25, 40) : numbers(50, 75)))),
      max_handicap_(
          add(Field::list_field("max_handicap", "Maximum Handicap", nine_hole() ? numbers(20, 35) : numbers(40, 70)))),
      max_score_(add(Field::list_field("max_score", "Maximum Score Per Hole", hole_cap_names()))),
      excluded_hole1_(add(Field::text_field("excluded_hole1", "Hole(s) Excluded From Deduction", 2))),
      excluded_hole2_(add(Field::text_field("excluded_hole2", "", 2))),
      compare_(add(Field::button_field("compare", "Compare With Official Callaway"))) {
  title_ = "Callaway Handicap Computation Settings";
  help_topic_ = Help::callaway;
  const TournamentHeader& h = state.header;
  const CallawayDefaults defaults = callaway_defaults(format_of(h));

  choose_number(table_base_, h.callaway_table_base, defaults.table_base);
  choose_number(max_handicap_, h.callaway_max_handicap, defaults.max_handicap);
  max_score_.index = h.max_hole_score_index >= 0 && h.max_hole_score_index < hole_cap_setting_count
                         ? h.max_hole_score_index
                         : double_par_setting;

  excluded_hole1_.text = std::to_string(h.peoria_holes[0]);
  excluded_hole1_.group = "excluded";
  excluded_hole2_.text = std::to_string(h.peoria_holes[1]);
  excluded_hole2_.group = "excluded";
  excluded_hole2_.enabled = !nine_hole();
  focus_ = table_base_.name;
}

bool CallawaySettingsModel::nine_hole() const { return format_of(state_.header) == Format::callaway_nine; }

int CallawaySettingsModel::chosen_number(const Field& list) { return parse_int(list.options[list.index], 10); }

int CallawaySettingsModel::excluded_hole(int n) const {
  return parse_int(trimmed((n == 1 ? excluded_hole1_ : excluded_hole2_).text), 10);
}

bool CallawaySettingsModel::accept() {
  bool holes_ok = hole_in_range(excluded_hole(1)) && (nine_hole() || hole_in_range(excluded_hole(2)));
  if (!holes_ok) {
    message_box(state_, message_kind::error, "The holes excluded from deduction must be between 1 and 18");
    excluded_hole1_.text = "17";
    excluded_hole2_.text = "18";
    set_focus(excluded_hole1_.name);
    return false;
  }
  TournamentHeader& h = state_.header;
  h.callaway_table_base = static_cast<std::int8_t>(chosen_number(table_base_));
  h.callaway_max_handicap = static_cast<std::int8_t>(chosen_number(max_handicap_));
  h.max_hole_score_index = static_cast<std::int8_t>(max_score_.index);
  h.peoria_holes[0] = static_cast<std::int8_t>(excluded_hole(1));
  if (!nine_hole()) h.peoria_holes[1] = static_cast<std::int8_t>(excluded_hole(2));
  return true;
}

std::string CallawaySettingsModel::comparison_text() const {
  if (nine_hole())
    return "Since a 9 hole version of the 'Official Callaway Handicap System' does not exist, it is not possible "
           "to perform a comparison.";
  if (format_of(state_.header) == Format::callaway_scramble)
    return "Since a Scramble format of the 'Official Callaway Handicap System' does not exist, it is not possible "
           "to perform a comparison.";

  std::string out =
      "The following differences were found between your current settings and the 'Official "
      "Callaway Handicap System':\n";
  int found = 0;
  const int max = chosen_number(max_handicap_);
  const CallawayDefaults official = standard_callaway_defaults;
  if (max != official.max_handicap)
    out += format_text(message_limit,
                       "\n%d. You have set the maximum handicap to %d.  The 'Official Callaway Handicap System' "
                       "uses a maximum handicap of 51.\n",
                       ++found, max);
  const int base = chosen_number(table_base_);
  if (base != official.table_base)
    out += format_text(message_limit,
                       "\n%d. You have set the handicap table base to %d.  The 'Official Callaway Handicap System' "
                       "uses a handicap table base of 70.\n",
                       ++found, base);
  if (max_score_.index != double_par_setting)
    out += format_text(message_limit,
                       "\n%d. You have set the maximum score per hole to %s.  The 'Official Callaway Handicap "
                       "System' uses a maximum score of '%s'.\n",
                       ++found, hole_cap_name(max_score_.index).c_str(), hole_cap_name(double_par_setting).c_str());
  const int a = excluded_hole(1), b = excluded_hole(2);
  if (!((a == 17 && b == 18) || (a == 18 && b == 17)))
    out += format_text(message_limit,
                       "\n%d. You have specified that holes %d and %d cannot be deducted.  The 'Official Callaway "
                       "Handicap System' specified that 17th and 18th holes cannot be deducted.\n",
                       ++found, a, b);
  if (found == 0) out += "\nNone.";
  out += format_text(message_limit, "\n\nA total of %d differences were found.\n", found);
  return out;
}

void CallawaySettingsModel::on_pressed(Field& f) {
  if (&f == &compare_) ask_titled(state_, message_kind::information, caption, comparison_text());
}

bool configure_callaway(State& state) {
  CallawaySettingsModel model(state);
  return state.ui.run_dialog(model);
}

}  // namespace quillon
