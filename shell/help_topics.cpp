#include "shell/help_topics.h"

#include <QString>

namespace quillon::shell {

const std::vector<HelpTopic>& help_topics() {
  static const std::vector<HelpTopic> topics = {
      {0, "Contents", ""},        {1, "Getting_Started", ""}, {2, "course_maintenance", ""},
      {4, "syscfg", ""},          {5, "addmem", ""},          {6, "addscr", ""},
      {7, "addtrn", ""},          {8, "addtrnm", ""},         {9, "trnfmt", "callaway"},
      {10, "trnfmt", "stableford"}, {11, "etrnmnt", ""},      {12, "header", ""},
      {13, "import", ""},         {14, "import", ""},         {15, "palign", ""},
      {16, "teesht", ""},
  };
  return topics;
}

HelpTopic help_topic(int topic) {
  for (const auto& t : help_topics())
    if (t.topic == topic) return t;
  return help_topics().front();
}

QUrl help_url(const std::string& page, const std::string& anchor) {
  QUrl url("qrc:/help/qlwin4_" + QString::fromStdString(page) + ".htm");
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return url;
}

}  // namespace quillon::shell
