#include "shell/file_filter.h"

#include <QStringList>

#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

// Patterns match regardless of letter case, as they do on the desktop the
// files come from: "*.bkp" also offers "*.BKP".
QString patterns_of(const QString& pattern) {
  if (pattern == "*.*") return "*";
  QStringList out;
  for (const QString& p : pattern.split(';', Qt::SkipEmptyParts)) {
    QString t = p.trimmed();
    out << t;
    if (t.toUpper() != t) out << t.toUpper();
    if (t.toLower() != t) out << t.toLower();
  }
  return out.join(' ');
}

}  // namespace

QString qt_file_filter(const std::string& filter) {
  QStringList parts = qt_text(filter).split('|');
  QStringList entries;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty() && parts[i + 1].isEmpty()) continue;
    entries << parts[i] + " (" + patterns_of(parts[i + 1]) + ")";
  }
  return entries.join(";;");
}

QString default_suffix(const std::string& filter) {
  QStringList parts = qt_text(filter).split('|');
  if (parts.size() < 2) return {};
  QString pattern = parts[1].split(';').first().trimmed();
  if (!pattern.startsWith("*.") || pattern == "*.*") return {};
  return pattern.mid(2).toLower();
}

}  // namespace quillon::shell
