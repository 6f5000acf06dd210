#pragma once
// A canvas that keeps what was drawn: tests assert on it, the preview window
// paints from it and the printers replay it once the job is complete.
#include <string>
#include <vector>

#include "core/print_canvas.h"

namespace quillon {

enum class DrawKind { page_start, page_end, text, line, box, fill };

struct DrawOp {
  DrawKind kind = DrawKind::text;
  int page = 0;  // 0 before the first start_page (a preview), then 1, 2, ...
  double row = 0, column = 0, row2 = 0, column2 = 0;
  int attributes = 0;
  FontFace face = FontFace::fixed;
  int point_size = 10;  // as the report asked for it
  Ink ink = Ink::black;
  std::string text;
  bool operator==(const DrawOp&) const = default;
};

struct Drawing {
  std::vector<DrawOp> ops;
  int page_count() const;
  // The last row any operation reaches, rounded up (0 when nothing was drawn).
  int last_row() const;
};

class RecordingCanvas : public PrintCanvas {
 public:
  Status start_page() override;
  Status end_page() override;
  void select_font(FontFace face, int point_size) override;
  void print_text(double row, double column, int attributes, const std::string& text) override;
  void print_line(double row1, double column1, double row2, double column2, Ink ink) override;
  void print_box(double top, double left, double bottom, double right, Ink ink) override;
  void fill_box(double top, double left, double bottom, double right, Ink ink) override;
  bool cancel_requested() override { return false; }
  Status finish() override;
  void abandon() override;

  const Drawing& drawing() const { return drawing_; }

 protected:
  Drawing drawing_;

 private:
  // A new operation of the kind on the current page, its other fields to fill.
  DrawOp& record(DrawKind kind);
  void shape(DrawKind kind, double r1, double c1, double r2, double c2, Ink ink);
  int page_ = 0;
  FontFace face_ = FontFace::fixed;
  int point_size_ = 10;
};

}  // namespace quillon
