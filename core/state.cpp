#include "core/state.h"

namespace quillon {

State::State(Ui& ui_, const Clock& clock_, std::filesystem::path home)
    : ui(ui_), clock(clock_), home_folder(std::move(home)) {
  refresh_today();
  last_chosen_date = Date{years_since_1900(today.year), today.month, today.day};
}

void State::refresh_today() {
  static_cast<DateTime&>(today) = clock.now();
  today.day_number = day_number(today.year, today.month, today.day);
}

}  // namespace quillon
