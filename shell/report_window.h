#pragma once
// The program's own report window: a report page shown in a text browser with
// Print (through the system's printers) and "Save as PDF". Used when no web
// browser can be started, or always when the club has chosen it.
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "core/status.h"

class QPrinter;

namespace quillon::shell {

class ReportWindow : public QWidget {
  Q_OBJECT

 public:
  // `home` is where "Save as PDF" starts; `tell_error` shows a failure to the user.
  ReportWindow(std::filesystem::path home, std::function<void(const std::string&)> tell_error,
               QWidget* parent = nullptr);

  // Loads the page (a local HTML file) afresh and brings the window forward.
  void show_report(const QString& file);

  // Writes the page shown as a PDF file.
  [[nodiscard]] Status save_pdf(const QString& path);
  QTextBrowser* browser() const { return browser_; }

 private:
  void print();
  void ask_and_save_pdf();

  std::filesystem::path home_;
  std::function<void(const std::string&)> tell_error_;
  QTextBrowser* browser_;
};

}  // namespace quillon::shell
