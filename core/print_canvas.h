#pragma once
// The drawing interface of printed output (score cards, cart signs, address
// labels). Positions are text cells of the page grid: 80 columns across 7.5
// inches and rows of a sixth of an inch, both possibly fractional. A front end
// turns them into device positions (print_grid below); the logic only draws.
#include <string>

#include "core/status.h"

namespace quillon {

// The two faces reports ask for: "Courier New" and the proportional "Arial".
enum class FontFace { fixed, proportional };

// Text attribute bits; of the four style bits the highest set one wins.
namespace text_attribute {
inline constexpr int regular = 1;
inline constexpr int bold = 2;
inline constexpr int italic = 4;
inline constexpr int bold_italic = 8;
inline constexpr int opaque = 16;  // white background behind the text
}  // namespace text_attribute

enum class FontStyle { regular, bold, italic, bold_italic };
FontStyle font_style_of(int attributes);
const char* font_face_name(FontFace face);  // "Courier New", "Arial"

// Point size a printer gets for a size a report asks for: 6, 8 and 10 are
// raised to 8, 10 and 12, other sizes are kept.
int printed_point_size(int requested);

enum class Ink { black, grey, white };

class PrintCanvas {
 public:
  virtual ~PrintCanvas() = default;

  [[nodiscard]] virtual Status start_page() = 0;
  [[nodiscard]] virtual Status end_page() = 0;

  // Face and size (points, as the report asks) of the text drawn from now on.
  virtual void select_font(FontFace face, int point_size) = 0;
  // Text whose top-left corner is at the cell position.
  virtual void print_text(double row, double column, int attributes, const std::string& text) = 0;
  virtual void print_line(double row1, double column1, double row2, double column2, Ink ink) = 0;
  // The outline and the filled inside of a rectangle between two corners.
  virtual void print_box(double top, double left, double bottom, double right, Ink ink) = 0;
  virtual void fill_box(double top, double left, double bottom, double right, Ink ink) = 0;

  // True once the user asked to stop the job; drawing stops at the next check.
  virtual bool cancel_requested() = 0;

  // The end of the job: the document goes to its device. Nothing is sent when
  // the job is abandoned instead.
  [[nodiscard]] virtual Status finish() = 0;
  virtual void abandon() = 0;
};

// Where the page grid lies: the cell-to-grid mapping and the device mapping.
namespace print_grid {
inline constexpr int columns = 80;  // text columns across the grid
inline constexpr int rows_per_page = 66;  // text rows down a page (11 inches)
inline constexpr int rows_per_inch = 6;
inline constexpr double grid_units_across = 640.0;
inline constexpr double inches_across = 7.5;
inline constexpr double units_per_column = grid_units_across / columns;  // 8
inline constexpr double units_per_row = grid_units_across / inches_across / rows_per_inch;  // 14.22

inline double grid_x(double column) { return column * units_per_column; }
inline double grid_y(double row) { return row * units_per_row; }
// A position of the grid on a device of `dots_per_inch`: units × dpi × 7.5 / 640.
inline double device_position(double grid_units, int dots_per_inch) {
  return grid_units * dots_per_inch * inches_across / grid_units_across;
}
// Device pixels of the alignment offsets: tenths of an inch across, sixths down.
inline int offset_pixels_x(int tenths, int dots_per_inch) { return tenths * dots_per_inch / 10; }
inline int offset_pixels_y(int sixths, int dots_per_inch) { return sixths * dots_per_inch / 6; }
// Inches to cells, for layouts given in inches (label sheets).
inline double columns_of_inches(double inches) { return inches * columns / inches_across; }
inline double rows_of_inches(double inches) { return inches * rows_per_inch; }
}  // namespace print_grid

// The paper of cards and signs: `automatic` is the printer's default paper,
// or for a PDF file the paper of the user's country.
enum class Paper { automatic, letter, a4 };

// What a front end needs to open a print job.
struct PrintSettings {
  std::string document_name = "Quillon";
  Paper paper = Paper::automatic;
  // Whether the grid's origin is the paper's corner (label sheets) or the
  // printer's printable area (everything else).
  bool from_paper_edge = false;
  int offset_tenths_x = 0;  // alignment offsets added to every position
  int offset_sixths_y = 0;
};

}  // namespace quillon
