#pragma once
// The results display on a TV: the scrolling window's settings, asked once
// per report, and the steps shown by the "Scrolling results for display on a
// TV" command.
#include <string>

#include "core/dialog_model.h"

namespace quillon {

struct State;

// Scroll amount 1..10 and window height 300..1000; zero means no scrolling.
struct ScrollSettings {
  int amount = 0;
  int height = 0;
  bool scrolling() const { return amount != 0 && height != 0; }
};

// The "Scrolling Window Settings" dialog: two lists, the scroll amount
// (1..10, 3 at first) and the window height (300..1000 in steps of 50, 500 at
// first).
class ScrollSettingsModel : public DialogModel {
 public:
  ScrollSettingsModel();
  std::string id() const override { return "scrolling_settings"; }
  bool accept() override;
  ScrollSettings chosen() const { return chosen_; }

 private:
  ScrollSettings chosen_;
  Field& scroll_amount_;
  Field& window_height_;
};

// Asks "Would you like to use a scrolling window for the results"; Yes opens
// the settings dialog. No, or Cancel in the dialog, gives no scrolling.
ScrollSettings ask_scroll_settings(State& state);

// The information message of the TV command.
void show_tv_display_steps(State& state);

}  // namespace quillon
