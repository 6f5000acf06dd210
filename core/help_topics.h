#pragma once
// Help topics: each names a page "qlwin4_<page>.htm" and an optional anchor.
#include <string>

namespace quillon {

struct State;

struct HelpTopic {
  std::string page;
  std::string anchor;
};

// The page of a topic number; topic 0 (Contents) for numbers without a page.
HelpTopic help_topic(int topic);
// Asks the front end to show the topic.
void show_help(State& state, int topic);

}  // namespace quillon
