#pragma once
// "Select Date" as a month calendar: the month list and heading, one button per
// day laid out seven to a row from Sunday, Prev / Next / Today, OK and Cancel.
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "core/select_date.h"
#include "shell/model_dialog.h"

namespace quillon::shell {

class CalendarDialog : public ModelDialog {
  Q_OBJECT

 public:
  CalendarDialog(SelectDateModel& model, HelpTopicFn show_help, QWidget* parent);

  void refresh() override;

  QPushButton* day_button(int day) const { return days_.at(day - 1); }
  QPushButton* command_button(const std::string& name) const;  // "prev", "next", "today"
  QString heading_text() const { return heading_->text(); }
  // Row and column (0 = Sunday) of a day's button in the grid.
  std::pair<int, int> day_cell(int day) const;

 private:
  void press(const std::string& name);

  SelectDateModel& dates_;
  QComboBox* month_ = nullptr;
  QLabel* heading_ = nullptr;
  QGridLayout* grid_ = nullptr;
  std::array<QPushButton*, 31> days_{};
  QPushButton* prev_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* today_ = nullptr;
};

}  // namespace quillon::shell
