#include "shell/report_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

#include "core/desktop_settings.h"
#include "print_qt/paper.h"
#include "shell/fitted_print.h"
#include "core/atomic_file.h"

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
  print_button->setToolTip("Print the report (Ctrl+P)");
  close_button->setToolTip("Close the report window (Esc, Ctrl+W)");
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
  // Every report rewrites the same file, and the browser skips loading an
  // address it already shows: the page shown again is reloaded from the file.
  const QUrl page = QUrl::fromLocalFile(file);
  if (browser_->source() == page) browser_->reload();
  else browser_->setSource(page);
  browser_->clearHistory();
  setWindowTitle("Quillon Report - " + browser_->documentTitle());
  if (browser_->documentTitle().isEmpty()) setWindowTitle("Quillon Report");
  show();
  raise();
  activateWindow();
}

void ReportWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  const Paper chosen = load_desktop_settings(home_).paper;
  printer.setPageSize(print_qt::page_size_of(print_qt::resolved_paper(chosen, printer.pageLayout().pageSize())));
  printer.setPageOrientation(orientation_for(*browser_->document(), printer.pageLayout()));
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print Report");
  if (dialog.exec() != QDialog::Accepted) return;
  print_fitted(*browser_->document(), printer);
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
  // A failed write leaves an earlier file of that name as it was.
  const std::filesystem::path target = path.toStdString();
  Result<AtomicFile> file = AtomicFile::create(target);
  if (!file)
    return Status::failed("The PDF file " + target.string() + " could not be written: " + file.status().reason());
  file->release_descriptor();  // the printer opens the temporary itself
  const std::filesystem::path& written = file->temporary_path();
  bool failed = false;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(written.string()));
    printer.setPageSize(print_qt::page_size_of(print_qt::resolved_pdf_paper(load_desktop_settings(home_).paper)));
    printer.setPageOrientation(orientation_for(*browser_->document(), printer.pageLayout()));
    print_fitted(*browser_->document(), printer);
    failed = printer_failed(printer);
  }
  std::error_code ec;
  if (failed || !std::filesystem::is_regular_file(written, ec) || std::filesystem::file_size(written, ec) == 0 || ec)
    return Status::failed("The PDF file " + target.string() + " could not be written.");
  Status placed = file->commit();
  if (!placed) return Status::failed("The PDF file " + target.string() + " could not be written: " + placed.reason());
  return Status::ok();
}

}  // namespace quillon::shell
