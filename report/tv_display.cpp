#include "report/tv_display.h"

#include "core/messages.h"
#include "core/state.h"
#include "core/ui.h"

namespace quillon {

namespace {

std::vector<std::string> numbers(int from, int to, int step) {
  std::vector<std::string> list;
  for (int n = from; n <= to; n += step) list.push_back(std::to_string(n));
  return list;
}

}  // namespace

ScrollSettingsModel::ScrollSettingsModel()
    : scroll_amount_(add(Field::list_field("scroll_amount", "Scroll amount", numbers(1, 10, 1)))),
      window_height_(add(Field::list_field("window_height", "Window height", numbers(300, 1000, 50)))) {
  title_ = "Scrolling Window Settings";
  scroll_amount_.index = 2;
  window_height_.index = 4;
  focus_ = scroll_amount_.name;
}

bool ScrollSettingsModel::accept() {
  const int amount = scroll_amount_.index;
  const int height = window_height_.index;
  chosen_.amount = amount < 0 ? 3 : amount + 1;
  chosen_.height = height < 0 ? 500 : 300 + 50 * height;
  return true;
}

ScrollSettings ask_scroll_settings(State& state) {
  if (message_box(state, message_kind::question, "Would you like to use a scrolling window for the results") !=
      Button::yes)
    return {};
  ScrollSettingsModel model;
  if (!state.ui.run_dialog(model)) return {};
  return model.chosen();
}

void show_tv_display_steps(State& state) {
  message_box(state, message_kind::information,
              "To show scrolling results on a TV:\n\n"
              "1. Connect the TV to this computer as a second screen.\n"
              "2. Answer Yes to the scrolling window question and choose the scroll amount and window height.\n"
              "3. When the results page opens, move the browser window to the TV and show it full screen.\n\n"
              "Run this command again to show results entered since.");
}

}  // namespace quillon
