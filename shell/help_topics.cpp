#include "shell/help_topics.h"

#include <QString>

namespace quillon::shell {

QUrl help_url(const std::string& page, const std::string& anchor) {
  QUrl url("qrc:/help/qlwin4_" + QString::fromStdString(page) + ".htm");
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return url;
}

}  // namespace quillon::shell
