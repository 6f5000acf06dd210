#include "core/help_topics.h"

#include "core/state.h"

namespace quillon {

HelpTopic help_topic(Help topic) {
  switch (topic) {
    case Help::getting_started: return {"Getting_Started", ""};
    case Help::course_maintenance: return {"course_maintenance", ""};
    case Help::system_configuration: return {"syscfg", ""};
    case Help::golfers: return {"addmem", ""};
    case Help::scores: return {"addscr", ""};
    case Help::tournaments: return {"addtrn", ""};
    case Help::multi_round_events: return {"addtrnm", ""};
    case Help::callaway: return {"trnfmt", "callaway"};
    case Help::stableford: return {"trnfmt", "stableford"};
    case Help::event_tournament: return {"etrnmnt", ""};
    case Help::report_heading: return {"header", ""};
    case Help::import_golfers:
    case Help::import_settings: return {"import", ""};
    case Help::printer_alignment: return {"palign", ""};
    case Help::tee_sheet: return {"teesht", ""};
    case Help::clubhouse_board: return {"board", ""};
    default: return {"Contents", ""};
  }
}

void show_help(State& state, Help topic) {
  HelpTopic t = help_topic(topic);
  state.ui.show_help(t.page, t.anchor);
}

}  // namespace quillon
