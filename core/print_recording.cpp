#include "core/print_recording.h"

#include <algorithm>
#include <cmath>

namespace quillon {

FontStyle font_style_of(int attributes) {
  if (attributes & text_attribute::bold_italic) return FontStyle::bold_italic;
  if (attributes & text_attribute::italic) return FontStyle::italic;
  if (attributes & text_attribute::bold) return FontStyle::bold;
  return FontStyle::regular;
}

const char* font_face_name(FontFace face) { return face == FontFace::fixed ? "Courier New" : "Arial"; }

int printed_point_size(int requested) {
  switch (requested) {
    case 6: return 8;
    case 8: return 10;
    case 10: return 12;
  }
  return requested;
}

int Drawing::page_count() const {
  return static_cast<int>(
      std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) { return op.kind == DrawKind::page_start; }));
}

int Drawing::last_row() const {
  double last = 0;
  for (const auto& op : ops) last = std::max({last, op.row, op.row2});
  return static_cast<int>(std::ceil(last));
}

DrawOp& RecordingCanvas::record(DrawKind kind) {
  DrawOp& op = drawing_.ops.emplace_back();
  op.kind = kind;
  op.page = page_;
  return op;
}

Status RecordingCanvas::start_page() {
  ++page_;
  record(DrawKind::page_start);
  return Status::ok();
}

Status RecordingCanvas::end_page() {
  record(DrawKind::page_end);
  return Status::ok();
}

void RecordingCanvas::select_font(FontFace face, int point_size) {
  face_ = face;
  point_size_ = point_size;
}

void RecordingCanvas::print_text(double row, double column, int attributes, const std::string& text) {
  DrawOp& op = record(DrawKind::text);
  op.row = row;
  op.column = column;
  op.attributes = attributes;
  op.face = face_;
  op.point_size = point_size_;
  op.text = text;
}

void RecordingCanvas::shape(DrawKind kind, double r1, double c1, double r2, double c2, Ink ink) {
  DrawOp& op = record(kind);
  op.row = r1;
  op.column = c1;
  op.row2 = r2;
  op.column2 = c2;
  op.ink = ink;
}

void RecordingCanvas::print_line(double row1, double column1, double row2, double column2, Ink ink) {
  shape(DrawKind::line, row1, column1, row2, column2, ink);
}

void RecordingCanvas::print_box(double top, double left, double bottom, double right, Ink ink) {
  shape(DrawKind::box, top, left, bottom, right, ink);
}

void RecordingCanvas::fill_box(double top, double left, double bottom, double right, Ink ink) {
  shape(DrawKind::fill, top, left, bottom, right, ink);
}

// The drawing is complete as it stands: nothing is held back to be flushed.
Status RecordingCanvas::finish() { return Status::ok(); }

void RecordingCanvas::abandon() {}

}  // namespace quillon
