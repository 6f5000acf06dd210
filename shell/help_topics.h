#pragma once
// Where a help page lives among the program's resources; which page a topic
// number opens is core/help_topics.h.
#include <QUrl>
#include <string>

namespace quillon::shell {

QUrl help_url(const std::string& page, const std::string& anchor);

}  // namespace quillon::shell
