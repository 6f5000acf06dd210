#include "core/select_date.h"

#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"

namespace quillon {

namespace {

std::vector<std::string> month_names() {
  std::vector<std::string> months;
  for (int m = 1; m <= 12; ++m) months.push_back(month_name(m));
  return months;
}

}  // namespace

SelectDateModel::SelectDateModel(State& state, bool use_last_chosen, std::string title)
    : state_(state),
      month_list_(add(Field::list_field("month", "Month", month_names()))),
      heading_label_(add(Field::label_field("heading", ""))),
      prev_button_(add(Field::button_field("prev", "Prev"))),
      next_button_(add(Field::button_field("next", "Next"))),
      today_button_(add(Field::button_field("today", "Today"))),
      day_buttons_(add_day_buttons()) {
  title_ = std::move(title);
  if (use_last_chosen) {
    year_ = full_year(state.last_chosen_date.year);
    month_ = state.last_chosen_date.month;
    day_ = state.last_chosen_date.day;
  } else {
    year_ = state.today.year;
    month_ = state.today.month;
    day_ = state.today.day;
  }
  refresh_fields();
}

std::vector<Field*> SelectDateModel::add_day_buttons() {
  std::vector<Field*> buttons;
  for (int d = 1; d <= 31; ++d) {
    Field& button = add(Field::button_field("day." + std::to_string(d), std::to_string(d)));
    button.group = "days";
    buttons.push_back(&button);
  }
  return buttons;
}

int SelectDateModel::first_weekday() const { return weekday(year_, month_, 1); }
int SelectDateModel::days() const { return days_in_month(year_, month_); }

std::string SelectDateModel::heading() const { return format_text(64, "%d  %s", year_, month_name(month_)); }

void SelectDateModel::refresh_fields() {
  if (day_ > days()) day_ = days();
  month_list_.index = month_ - 1;
  heading_label_.text = heading();
  for (int d = 1; d <= 31; ++d) day_buttons_[d - 1]->visible = d <= days();
}

void SelectDateModel::previous_month() {
  if (year_ == 1980 && month_ == 1) {
    message_box(state_, message_kind::error, "The date cannot be prior to January 1980.");
    return;
  }
  if (--month_ < 1) {
    month_ = 12;
    --year_;
  }
  refresh_fields();
}

void SelectDateModel::next_month() {
  if (++month_ > 12) {
    month_ = 1;
    ++year_;
  }
  refresh_fields();
}

void SelectDateModel::go_to_today() {
  state_.refresh_today();
  year_ = state_.today.year;
  month_ = state_.today.month;
  day_ = state_.today.day;
  refresh_fields();
}

void SelectDateModel::choose_day(int day) {
  if (day >= 1 && day <= days()) day_ = day;
}

void SelectDateModel::choose_month(int month) {
  if (month < 1 || month > 12) return;
  month_ = month;
  refresh_fields();
}

bool SelectDateModel::choose(int year, int month, int day) {
  if (year < 1980) {
    message_box(state_, message_kind::error, "The date cannot be prior to January 1980.");
    return false;
  }
  year_ = year;
  month_ = month;
  refresh_fields();
  choose_day(day);
  return true;
}

bool SelectDateModel::accept() {
  state_.last_chosen_date = chosen();
  return true;
}

void SelectDateModel::on_changed(Field& f) {
  if (&f == &month_list_) choose_month(f.index + 1);
}

void SelectDateModel::on_pressed(Field& f) {
  if (&f == &prev_button_) previous_month();
  else if (&f == &next_button_) next_month();
  else if (&f == &today_button_) go_to_today();
  for (int d = 1; d <= 31; ++d)
    if (&f == day_buttons_[d - 1]) choose_day(d);
}

std::optional<Date> select_date(State& state, bool use_last_chosen, const std::string& title) {
  SelectDateModel model(state, use_last_chosen, title);
  if (!state.ui.run_dialog(model)) return std::nullopt;
  return model.chosen();
}

}  // namespace quillon
