#include "shell/report_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon::shell {

namespace {

constexpr int initial_width = 900;
constexpr int initial_height = 640;

// A printer that has finished a document it could not write says so only
// through its state.
bool printer_failed(const QPrinter& printer) { return printer.printerState() == QPrinter::Error; }

}  // namespace

ReportWindow::ReportWindow(std::filesystem::path home, std::function<void(const std::string&)> tell_error,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      home_(std::move(home)),
      tell_error_(std::move(tell_error)),
      browser_(new QTextBrowser) {
  setWindowTitle("Quillon Report");
  resize(initial_width, initial_height);
  browser_->setOpenExternalLinks(true);

  auto* bar = new QHBoxLayout;
  auto* print_button = new QPushButton("Print...");
  print_button->setObjectName("print");
  auto* pdf_button = new QPushButton("Save as PDF");
  pdf_button->setObjectName("save_pdf");
  auto* close_button = new QPushButton("Close");
  close_button->setObjectName("close");
  connect(print_button, &QPushButton::clicked, this, &ReportWindow::print);
  connect(pdf_button, &QPushButton::clicked, this, &ReportWindow::ask_and_save_pdf);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
  bar->addWidget(print_button);
  bar->addWidget(pdf_button);
  bar->addStretch();
  bar->addWidget(close_button);
  for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }
  auto* print_keys = new QShortcut(QKeySequence::Print, this);
  connect(print_keys, &QShortcut::activated, this, &ReportWindow::print);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_);
}

void ReportWindow::show_report(const QString& file) {
  // The page is rewritten in place by every report, so it is always read again.
  browser_->clearHistory();
  browser_->setSource(QUrl());
  browser_->setSource(QUrl::fromLocalFile(file));
  setWindowTitle("Quillon Report - " + browser_->documentTitle());
  if (browser_->documentTitle().isEmpty()) setWindowTitle("Quillon Report");
  show();
  raise();
  activateWindow();
}

void ReportWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print Report");
  if (dialog.exec() != QDialog::Accepted) return;
  browser_->document()->print(&printer);
  if (printer_failed(printer)) tell_error_("The report could not be printed.");
}

void ReportWindow::ask_and_save_pdf() {
  QString suggested = QString::fromStdString((home_ / "report.pdf").string());
  QString path = QFileDialog::getSaveFileName(this, "Save as PDF", suggested, "PDF Files (*.pdf)");
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
  if (Status saved = save_pdf(path); !saved) tell_error_(saved.reason());
}

Status ReportWindow::save_pdf(const QString& path) {
  // Written beside the target and renamed over it, so that a failed write
  // leaves an earlier file of that name as it was.
  const QString temporary = path + ".tmp";
  bool failed = false;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary);
    browser_->document()->print(&printer);
    failed = printer_failed(printer);
  }
  const std::filesystem::path written = temporary.toStdString();
  std::error_code ec;
  if (failed || !std::filesystem::is_regular_file(written, ec) || std::filesystem::file_size(written, ec) == 0 || ec) {
    std::filesystem::remove(written, ec);
    return Status::failed("The PDF file " + path.toStdString() + " could not be written.");
  }
  std::filesystem::rename(written, path.toStdString(), ec);
  if (ec) {
    std::filesystem::remove(written, ec);
    return Status::failed("The PDF file " + path.toStdString() + " could not be written: " + ec.message());
  }
  return Status::ok();
}

}  // namespace quillon::shell
