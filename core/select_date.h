#pragma once
// The "Select Date" month calendar.
#include <optional>
#include <string>
#include <vector>

#include "core/dates.h"
#include "core/dialog_model.h"

namespace quillon {

struct State;

class SelectDateModel : public DialogModel {
 public:
  // Starts at the last chosen date when asked to, otherwise at today.
  SelectDateModel(State& state, bool use_last_chosen, std::string title = "Select Date");

  std::string id() const override { return "select_date"; }

  int year() const { return year_; }  // full year
  int month() const { return month_; }
  int day() const { return day_; }
  // Weekday (0 = Sunday) of the 1st: the column of the first day button.
  int first_weekday() const;
  int days() const;  // day buttons shown
  std::string heading() const;  // "%d  %s": year, month name

  void previous_month();  // refused before January 1980
  void next_month();
  void go_to_today();
  void choose_day(int day);
  void choose_month(int month);
  // Jumps to a date (used by scripts); false when before 1980.
  bool choose(int full_year, int month, int day);

  bool accept() override;
  Date chosen() const { return Date{years_since_1900(year_), month_, day_}; }

 protected:
  void on_changed(Field& field) override;
  void on_pressed(Field& field) override;

 private:
  void refresh_fields();
  std::vector<Field*> add_day_buttons();
  State& state_;
  int year_, month_, day_;
  Field& month_list_;
  Field& heading_label_;
  Field& prev_button_;
  Field& next_button_;
  Field& today_button_;
  std::vector<Field*> day_buttons_;  // days 1..31
};

// Opens the calendar; the chosen date, or nothing on Cancel.
std::optional<Date> select_date(State& state, bool use_last_chosen, const std::string& title = "Select Date");

}  // namespace quillon
