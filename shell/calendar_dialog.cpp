#include "shell/calendar_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/dates.h"
#include "shell/dialog_registry.h"
#include "shell/field_hints.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

constexpr const char* weekday_captions[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr int header_rows = 1;  // the weekday captions above the day buttons

[[maybe_unused]] const bool registered =
    register_dialog("select_date", [](DialogModel& model, const DialogContext& context) {
      return std::make_unique<CalendarDialog>(dynamic_cast<SelectDateModel&>(model), context.show_help, context.parent);
    });

// Names the widget after the model's field and shows the field's hint.
void show_as_field(QWidget* widget, const DialogModel& model, const std::string& field) {
  widget->setObjectName(QString::fromStdString(field));
  widget->setToolTip(QString::fromStdString(field_hint(model.id(), field)));
}

}  // namespace

CalendarDialog::CalendarDialog(SelectDateModel& model, HelpTopicFn show_help, QWidget* parent)
    : ModelDialog(model, std::move(show_help), parent), dates_(model) {
  auto* outer = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  month_ = new QComboBox;
  for (int m = 1; m <= 12; ++m) month_->addItem(qt_text(month_name(m)));
  show_as_field(month_, model, "month");
  connect(month_, &QComboBox::activated, this, [this](int i) {
    Status taken = dates_.set("month", "#" + std::to_string(i + 1));
    refresh();  // shows the model's month: the one before when it was not `taken`
  });
  heading_ = new QLabel;
  QFont bold = heading_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  heading_->setFont(bold);
  heading_->setAlignment(Qt::AlignCenter);
  top->addWidget(month_);
  top->addWidget(heading_, 1);
  outer->addLayout(top);

  grid_ = new QGridLayout;
  grid_->setSpacing(3);
  for (int c = 0; c < 7; ++c) {
    auto* caption = new QLabel(weekday_captions[c]);
    caption->setAlignment(Qt::AlignCenter);
    grid_->addWidget(caption, 0, c);
  }
  for (int d = 1; d <= 31; ++d) {
    auto* b = new QPushButton(QString::number(d));
    b->setCheckable(true);
    b->setAutoDefault(false);
    b->setFixedSize(40, 30);
    show_as_field(b, model, "day." + std::to_string(d));
    connect(b, &QPushButton::clicked, this, [this, d] { press("day." + std::to_string(d)); });
    days_[d - 1] = b;
  }
  outer->addLayout(grid_);

  auto* moves = new QHBoxLayout;
  prev_ = new QPushButton("Prev");
  next_ = new QPushButton("Next");
  today_ = new QPushButton("Today");
  for (auto [button, name] : {std::pair{prev_, "prev"}, std::pair{next_, "next"}, std::pair{today_, "today"}}) {
    button->setAutoDefault(false);
    show_as_field(button, model, name);
    std::string n = name;
    connect(button, &QPushButton::clicked, this, [this, n] { press(n); });
    moves->addWidget(button);
  }
  outer->addLayout(moves);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CalendarDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CalendarDialog::reject);
  outer->addWidget(buttons);

  refresh();
}

QPushButton* CalendarDialog::command_button(const std::string& name) const {
  if (name == "prev") return prev_;
  if (name == "next") return next_;
  if (name == "today") return today_;
  return nullptr;
}

void CalendarDialog::press(const std::string& name) {
  if (!dates_.press(name)) return;  // a button the model has disabled does nothing
  refresh();
}

void CalendarDialog::refresh() {
  month_->setCurrentIndex(dates_.month() - 1);
  heading_->setText(qt_text(dates_.heading()));
  const int first = dates_.first_weekday();
  for (int d = 1; d <= 31; ++d) {
    QPushButton* b = days_[d - 1];
    grid_->removeWidget(b);
    if (d > dates_.days()) {
      b->hide();
      continue;
    }
    int cell = first + d - 1;
    grid_->addWidget(b, header_rows + cell / 7, cell % 7);
    b->setChecked(d == dates_.day());
    b->show();
  }
}

std::pair<int, int> CalendarDialog::day_cell(int day) const {
  int index = grid_->indexOf(days_.at(day - 1));
  if (index < 0) return {-1, -1};
  int row = 0, column = 0, row_span = 0, column_span = 0;
  grid_->getItemPosition(index, &row, &column, &row_span, &column_span);
  return {row - header_rows, column};
}

}  // namespace quillon::shell
