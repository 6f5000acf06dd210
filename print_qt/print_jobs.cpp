#include "print_qt/print_jobs.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>

#include "core/program_locale.h"
#include "print_qt/painting.h"

namespace quillon::print_qt {

namespace {

constexpr int pdf_resolution = 1200;
// Where the grid lies on a PDF page that stands for a printer's printable
// area: a quarter inch down, centred across.
constexpr double pdf_top_inches = 0.25;

QPageSize page_size_of(Paper paper) { return QPageSize(paper == Paper::a4 ? QPageSize::A4 : QPageSize::Letter); }

// Paints pages 1..n of the drawing, starting a device page for each after the first.
Status paint_pages(QPainter& painter, const Drawing& drawing, const DeviceMapping& mapping,
                   const std::function<bool()>& new_page) {
  int pages = drawing.page_count();
  for (int page = 1; page <= pages; ++page) {
    if (page > 1 && !new_page()) return Status::failed("A new page could not be started on the device.");
    paint_ops(painter, mapping, drawing.ops, page);
  }
  return Status::ok();
}

Status flush_file(const std::filesystem::path& path) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return Status::failed("The file " + path.string() + " could not be reopened to be flushed.");
  bool synced = ::fsync(fd) == 0;
  bool closed = ::close(fd) == 0;
  if (!synced || !closed) return Status::failed("The file " + path.string() + " could not be flushed to disk.");
  return Status::ok();
}

class PdfJob : public QtJobCanvas {
 public:
  PdfJob(std::filesystem::path target, PrintSettings settings)
      : target_(std::move(target)), settings_(std::move(settings)) {}
  ~PdfJob() override { remove_partial(); }

  Status finish() override {
    (void)RecordingCanvas::finish();  // only marks the canvas finished
    if (drawing_.page_count() == 0) return Status::failed("There was nothing to print.");
    std::filesystem::path partial = target_;
    partial += ".partial";
    partial_ = partial;
    {
      QPdfWriter writer(QString::fromStdString(partial.string()));
      writer.setResolution(pdf_resolution);
      writer.setTitle(QString::fromStdString(settings_.document_name));
      writer.setCreator("Quillon");
      writer.setPageLayout(QPageLayout(page_size_of(settings_.paper), QPageLayout::Portrait, QMarginsF()));
      QPainter painter;
      if (!painter.begin(&writer)) return Status::failed("The file " + partial.string() + " could not be written.");
      QSizeF paper_inches = page_size_of(settings_.paper).size(QPageSize::Inch);
      QPointF origin;
      if (!settings_.from_paper_edge)
        origin = QPointF((paper_inches.width() - print_grid::inches_across) / 2 * pdf_resolution,
                         pdf_top_inches * pdf_resolution);
      DeviceMapping mapping = device_mapping(pdf_resolution, pdf_resolution, origin, settings_);
      Status painted = paint_pages(painter, drawing_, mapping, [&] { return writer.newPage(); });
      if (!painter.end() || !painted)
        return painted ? Status::failed("The file " + partial.string() + " could not be completed.") : painted;
    }
    std::error_code ec;
    if (std::filesystem::file_size(partial, ec) == 0 || ec)
      return Status::failed("The file " + partial.string() + " could not be written.");
    if (Status flushed = flush_file(partial); !flushed) return flushed;
    std::filesystem::rename(partial, target_, ec);
    if (ec) return Status::failed("The file " + target_.string() + " could not be written: " + ec.message());
    partial_.clear();
    return Status::ok();
  }

  void abandon() override {
    QtJobCanvas::abandon();
    remove_partial();
  }

 private:
  void remove_partial() {
    std::error_code ec;
    if (!partial_.empty()) std::filesystem::remove(partial_, ec);
    partial_.clear();
  }
  std::filesystem::path target_;
  std::filesystem::path partial_;
  PrintSettings settings_;
};

class PrinterJob : public QtJobCanvas {
 public:
  PrinterJob(std::unique_ptr<QPrinter> printer, PrintSettings settings)
      : printer_(std::move(printer)), settings_(std::move(settings)) {}

  Status finish() override {
    (void)RecordingCanvas::finish();  // only marks the canvas finished
    if (drawing_.page_count() == 0) return Status::failed("There was nothing to print.");
    QPrinter& printer = *printer_;
    printer.setDocName(QString::fromStdString(settings_.document_name));
    printer.setPageSize(page_size_of(settings_.paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    // Label sheets are laid out from the paper's corner, the rest from the
    // printable area as the printer reports it.
    printer.setFullPage(settings_.from_paper_edge);
    QPainter painter;
    if (!painter.begin(&printer))
      return Status::failed("The printer " + printer.printerName().toStdString() + " did not accept the job.");
    DeviceMapping mapping = device_mapping(printer.logicalDpiX(), printer.logicalDpiY(), QPointF(), settings_);
    Status painted = paint_pages(painter, drawing_, mapping, [&] { return printer.newPage(); });
    bool ended = painter.end();
    if (!painted) return painted;
    if (!ended || printer.printerState() == QPrinter::Error)
      return Status::failed("The printer " + printer.printerName().toStdString() + " reported an error.");
    return Status::ok();
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  PrintSettings settings_;
};

}  // namespace

PrinterOpening open_pdf_job(const std::string& path, const PrintSettings& settings) {
  PrinterOpening opening;
  std::filesystem::path target(path);
  std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  if (path.empty() || !std::filesystem::is_directory(folder)) {
    opening.failure = PrintFailure::start_document;
    opening.detail = "the folder of " + path + " does not exist";
    return opening;
  }
  opening.canvas = std::make_unique<PdfJob>(target, settings);
  return opening;
}

PrinterOpening open_printer_job(std::unique_ptr<QPrinter> printer, const PrintSettings& settings) {
  PrinterOpening opening;
  if (!printer || !printer->isValid()) {
    opening.failure = PrintFailure::no_printer;
    return opening;
  }
  opening.canvas = std::make_unique<PrinterJob>(std::move(printer), settings);
  return opening;
}

PrinterOpening open_named_printer_job(const std::string& name, const PrintSettings& settings) {
  std::string chosen = name.empty() ? default_printer_name() : name;
  QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(chosen));
  if (chosen.empty() || info.isNull()) {
    PrinterOpening opening;
    opening.failure = PrintFailure::no_printer;
    opening.detail = name.empty() ? "there is no default printer" : "there is no printer named \"" + name + "\"";
    return opening;
  }
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  return open_printer_job(std::move(printer), settings);
}

std::string default_printer_name() { return QPrinterInfo::defaultPrinterName().toStdString(); }

void ensure_gui_application() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quillon";
  static char* argv[] = {name, nullptr};
  // Kept for the life of the process: it must outlive every font and printer.
  new QGuiApplication(argc, argv);
  use_program_locale();
}

}  // namespace quillon::print_qt
