#include "core/state.h"

namespace quillon {

State::State(Ui& ui_, const Clock& clock_, std::filesystem::path home)
    : ui(ui_), clock(clock_), home_folder(std::move(home)) {
  refresh_today();
  last_chosen_date = Date{years_since_1900(today.year), today.month, today.day};
}

void State::refresh_today() {
  DateTime now = clock.now();
  today.year = now.year;
  today.month = now.month;
  today.day = now.day;
  today.hour = now.hour;
  today.minute = now.minute;
  today.second = now.second;
  today.weekday = weekday(now.year, now.month, now.day);
  today.day_number = day_number(now.year, now.month, now.day);
}

}  // namespace quillon
