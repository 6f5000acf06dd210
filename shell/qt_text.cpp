#include "shell/qt_text.h"

#include "core/cp1252.h"

namespace quillon::shell {

QString qt_text(const std::string& cp1252) { return QString::fromStdString(utf8_from_cp1252(cp1252)); }

std::string record_text(const QString& text) { return cp1252_from_utf8(text.toStdString()); }

}  // namespace quillon::shell
