#include "shell/print_preview_window.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "print_qt/painting.h"
#include "shell/qt_text.h"

namespace quillon::shell {

namespace {

constexpr double preview_dpi = 96;  // the sheet as it would print, at screen size
constexpr double margin_inches = 0.25;  // white border around the grid
constexpr int strip_rows = print_grid::rows_per_page;
// A text reaches down from the row it starts on by at most this many rows
// (40-point type), so a strip also paints the operations just above it.
constexpr int tallest_text_rows = 5;
constexpr int frame_width = 560 * 96 / 72;
constexpr int frame_height = 340 * 96 / 72;

}  // namespace

PreviewSheet::PreviewSheet(const Drawing& drawing, int sheet_lines, QWidget* parent)
    : QWidget(parent), drawing_(drawing), lines_(std::max(sheet_lines, 1)) {
  ops_by_row_.resize(lines_ + 1);
  for (const DrawOp& op : drawing_.ops) {
    if (op.kind == DrawKind::page_start || op.kind == DrawKind::page_end) continue;
    // Text is kept under the row it starts on, a shape under every row it spans.
    double low = op.kind == DrawKind::text ? op.row : std::min(op.row, op.row2);
    double high = op.kind == DrawKind::text ? op.row : std::max(op.row, op.row2);
    int from = std::clamp(static_cast<int>(std::floor(low)), 0, lines_);
    int to = std::clamp(static_cast<int>(std::floor(high)), 0, lines_);
    for (int row = from; row <= to; ++row) ops_by_row_[row].push_back(&op);
  }
  int width = static_cast<int>((print_grid::inches_across + 2 * margin_inches) * preview_dpi);
  int height = static_cast<int>(lines_ * pixels_per_row() + 2 * margin_inches * preview_dpi);
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double PreviewSheet::pixels_per_row() const { return preview_dpi / print_grid::rows_per_inch; }

const QPixmap& PreviewSheet::strip(int index) {
  auto found = strips_.find(index);
  if (found != strips_.end()) return found->second;
  int strip_height = static_cast<int>(std::ceil(strip_rows * pixels_per_row()));
  qreal ratio = devicePixelRatioF();
  QPixmap pixmap(QSize(width(), strip_height) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  double top = index * strip_height;
  painter.translate(0, -top);
  PrintSettings screen;
  double margin = margin_inches * preview_dpi;
  print_qt::DeviceMapping mapping = print_qt::device_mapping(preview_dpi, preview_dpi, QPointF(margin, margin), screen);
  int first = std::max(0, index * strip_rows - tallest_text_rows);
  int last = std::min(lines_, (index + 1) * strip_rows + 1);
  std::vector<const DrawOp*> ops;
  for (int row = first; row <= last; ++row) ops.insert(ops.end(), ops_by_row_[row].begin(), ops_by_row_[row].end());
  // A shape spanning several rows is listed under each; paint it once, in drawing order.
  std::sort(ops.begin(), ops.end());
  ops.erase(std::unique(ops.begin(), ops.end()), ops.end());
  print_qt::paint_ops(painter, mapping, ops);
  painter.end();
  ++strips_painted_;
  return strips_.emplace(index, std::move(pixmap)).first->second;
}

void PreviewSheet::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  int strip_height = static_cast<int>(std::ceil(strip_rows * pixels_per_row()));
  QRect exposed = event->rect();
  int first = std::max(0, exposed.top() / strip_height);
  int last = exposed.bottom() / strip_height;
  for (int i = first; i <= last; ++i) painter.drawPixmap(0, i * strip_height, strip(i));
}

PrintPreviewWindow::PrintPreviewWindow(const std::string& title, const Drawing& drawing, int sheet_lines,
                                       std::function<void()> help, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(qt_text(title));
  auto* layout = new QVBoxLayout(this);
  auto* scroll = new QScrollArea(this);
  sheet_ = new PreviewSheet(drawing, sheet_lines, scroll);
  scroll->setWidget(sheet_);
  scroll->setAlignment(Qt::AlignHCenter);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // One line per arrow, a frame's worth per page.
  scroll->verticalScrollBar()->setSingleStep(static_cast<int>(preview_dpi / print_grid::rows_per_inch));
  scroll->setMinimumSize(std::min(frame_width, sheet_->width()) + 24, frame_height);
  layout->addWidget(scroll, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* ok = new QPushButton("OK", this);
  auto* print = new QPushButton("OK/PRINT", this);
  auto* help_button = new QPushButton("Help", this);
  for (auto* b : {ok, print, help_button}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, [this] {
    action_ = PreviewAction::close;
    accept();
  });
  connect(print, &QPushButton::clicked, this, [this] {
    action_ = PreviewAction::print;
    accept();
  });
  connect(help_button, &QPushButton::clicked, this, [help] {
    if (help) help();
  });
  ok->setDefault(true);
  resize(sheet_->width() + 48, 720);
}

}  // namespace quillon::shell
