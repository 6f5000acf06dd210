#pragma once
// Texts of the logic are Windows-1252; Qt speaks Unicode.
#include <QString>
#include <string>

namespace quillon::shell {

QString qt_text(const std::string& cp1252);
std::string record_text(const QString& text);

}  // namespace quillon::shell
