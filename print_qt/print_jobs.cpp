#include "print_qt/print_jobs.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>

#include "core/atomic_file.h"
#include "core/program_locale.h"
#include "print_qt/painting.h"
#include "print_qt/paper.h"

namespace quillon::print_qt {

namespace {

constexpr int pdf_resolution = 1200;
// Where the grid of cards and signs lies on the paper: a quarter inch down,
// centred across, so that it keeps clear of the edges on Letter and A4 alike.
constexpr double grid_top_inches = 0.25;

// The grid's corner in device pixels from the paper's corner; label sheets
// are laid out from the corner itself.
QPointF grid_origin(const PrintSettings& settings, Paper paper, double dpi_x, double dpi_y) {
  if (settings.from_paper_edge) return {};
  QSizeF paper_inches = page_size_of(paper).size(QPageSize::Inch);
  return {(paper_inches.width() - print_grid::inches_across) / 2 * dpi_x, grid_top_inches * dpi_y};
}

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

class PdfJob : public QtJobCanvas {
 public:
  PdfJob(std::filesystem::path target, PrintSettings settings)
      : target_(std::move(target)), settings_(std::move(settings)) {}

  Status finish() override {
    (void)RecordingCanvas::finish();  // only marks the canvas finished
    if (drawing_.page_count() == 0) return Status::failed("There was nothing to print.");
    Result<AtomicFile> file = AtomicFile::create(target_);
    if (!file)
      return Status::failed("The file " + target_.string() + " could not be written: " + file.status().reason());
    // The PDF writer opens the temporary itself.
    file->release_descriptor();
    const std::filesystem::path& partial = file->temporary_path();
    {
      QPdfWriter writer(QString::fromStdString(partial.string()));
      writer.setResolution(pdf_resolution);
      writer.setTitle(QString::fromStdString(settings_.document_name));
      writer.setCreator("Quillon");
      const Paper paper = resolved_pdf_paper(settings_.paper);
      writer.setPageLayout(QPageLayout(page_size_of(paper), QPageLayout::Portrait, QMarginsF()));
      QPainter painter;
      if (!painter.begin(&writer)) return Status::failed("The file " + target_.string() + " could not be written.");
      DeviceMapping mapping = device_mapping(pdf_resolution, pdf_resolution,
                                             grid_origin(settings_, paper, pdf_resolution, pdf_resolution), settings_);
      Status painted = paint_pages(painter, drawing_, mapping, [&] { return writer.newPage(); });
      if (!painter.end() || !painted)
        return painted ? Status::failed("The file " + target_.string() + " could not be completed.") : painted;
    }
    std::error_code ec;
    if (std::filesystem::file_size(partial, ec) == 0 || ec)
      return Status::failed("The file " + target_.string() + " could not be written.");
    Status placed = file->commit();
    if (!placed) return Status::failed("The file " + target_.string() + " could not be written: " + placed.reason());
    return Status::ok();
  }

 private:
  std::filesystem::path target_;
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
    const Paper paper = resolved_paper(settings_.paper, printer.pageLayout().pageSize());
    printer.setPageSize(page_size_of(paper));
    printer.setPageOrientation(QPageLayout::Portrait);
    // Positions are measured from the paper's corner, as on a PDF page, so
    // that the printer's own margins do not move the grid.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
      return Status::failed("The printer " + printer.printerName().toStdString() + " did not accept the job.");
    DeviceMapping mapping =
        device_mapping(printer.logicalDpiX(), printer.logicalDpiY(),
                       grid_origin(settings_, paper, printer.logicalDpiX(), printer.logicalDpiY()), settings_);
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
