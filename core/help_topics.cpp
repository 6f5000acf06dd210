#include "core/help_topics.h"

#include "core/state.h"

namespace quillon {

HelpTopic help_topic(int topic) {
  switch (topic) {
    case 1: return {"Getting_Started", ""};
    case 2: return {"course_maintenance", ""};
    case 4: return {"syscfg", ""};
    case 5: return {"addmem", ""};
    case 6: return {"addscr", ""};
    case 7: return {"addtrn", ""};
    case 8: return {"addtrnm", ""};
    case 9: return {"trnfmt", "callaway"};
    case 10: return {"trnfmt", "stableford"};
    case 11: return {"etrnmnt", ""};
    case 12: return {"header", ""};
    case 13:
    case 14: return {"import", ""};
    case 15: return {"palign", ""};
    case 16: return {"teesht", ""};
    default: return {"Contents", ""};
  }
}

void show_help(State& state, int topic) {
  HelpTopic t = help_topic(topic);
  state.ui.show_help(t.page, t.anchor);
}

}  // namespace quillon
