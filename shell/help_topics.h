#pragma once
// The help topics: each number names a page "qlwin4_<page>.htm" and an anchor.
#include <QUrl>
#include <optional>
#include <string>
#include <vector>

namespace quillon::shell {

struct HelpTopic {
  int topic;
  std::string page;
  std::string anchor;  // empty for the top of the page
};

const std::vector<HelpTopic>& help_topics();
// The topic's page; topic 0 (the contents) for numbers that have none.
HelpTopic help_topic(int topic);
// Where a page lives among the program's resources.
QUrl help_url(const std::string& page, const std::string& anchor);

}  // namespace quillon::shell
