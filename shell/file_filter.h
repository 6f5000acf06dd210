#pragma once
// File dialog filters: the logic writes "Description|*.ext|" pairs, Qt wants
// "Description (*.ext)" entries separated by ";;".
#include <QString>
#include <string>

namespace quillon::shell {

QString qt_file_filter(const std::string& filter);
// The extension of the first pattern ("bkp" for "*.bkp"), "" when it has none.
QString default_suffix(const std::string& filter);

}  // namespace quillon::shell
