#pragma once
// Help topics: each names a page "qlwin4_<page>.htm" and an optional anchor.
#include <string>

namespace quillon {

struct State;

// The help topics, by the numbers the help pages were written for.
enum class Help {
  contents = 0,  // also: a window without a topic of its own
  getting_started = 1,
  course_maintenance = 2,
  system_configuration = 4,
  golfers = 5,
  scores = 6,
  tournaments = 7,
  multi_round_events = 8,
  callaway = 9,
  stableford = 10,
  event_tournament = 11,
  report_heading = 12,
  import_golfers = 13,
  import_settings = 14,
  printer_alignment = 15,
  tee_sheet = 16,
  clubhouse_board = 17,
};

struct HelpTopic {
  std::string page;
  std::string anchor;
};

// The page of a topic; Contents for a number without a page.
HelpTopic help_topic(Help topic);
// Asks the front end to show the topic.
void show_help(State& state, Help topic);

}  // namespace quillon
