#include "report/score_cards.h"

#include <algorithm>
#include <tuple>

#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "handicap/course_handicap.h"
#include "handicap/stroke_allocation.h"
#include "handicap/tee_values.h"
#include "tournament/field.h"
#include "tournament/formats.h"
#include "tournament/golfer_selection.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

// Rows of a card relative to its first row.
namespace card_row {
inline constexpr int title = 2;
inline constexpr int course = 3;
inline constexpr int holes = 5;
inline constexpr int par = 6;
inline constexpr int distance = 7;
inline constexpr int first_golfer = 8;
}  // namespace card_row
inline constexpr int rows_per_golfer = 2;
inline constexpr int rows_after_golfers = 4;  // the match row, a gap, the scorer line, a gap
// The board block under the scorer line: the PIN and the address beside a
// QR code an inch and a sixth square, then a gap.
inline constexpr int board_rows = 8;
inline constexpr double board_code_rows = 7.0;
inline constexpr double board_code_left = 64.0;

inline constexpr int label_column = 2;
inline constexpr int front_total_column = 44;
inline constexpr int back_total_column = 74;
inline constexpr int total_column = 77;
inline constexpr int table_left = 1;
inline constexpr int table_right = print_grid::columns;
inline constexpr int first_cell_left = 16;
inline constexpr int cell_width = 3;
inline constexpr int handicap_column = 12;
inline constexpr int name_width = 14;  // characters of the name left of the hole cells
inline constexpr double small_print_shift = 0.2;
// A golfer's cells are two rows high: scores stand in their lower part, the dots
// above them in the upper right corner.
inline constexpr double score_row_shift = 0.7;
// A stroke dot is a filled square of about 3 points in the cell's upper right
// corner, clear of the rules; a second one stands 5 grid units to its left.
inline constexpr double dot_width = 0.45;  // columns
inline constexpr double dot_height = 0.25;  // rows
inline constexpr double dot_right_gap = 0.3;  // columns from the cell's right rule
inline constexpr double dot_top_gap = 0.2;  // rows below the cell's top rule
inline constexpr double second_dot_shift = 5.0 / 8.0;
inline constexpr int card_point_size = 10;
// Numbers inside the cells (hole numbers, pars, scores, totals) are printed a
// size smaller than the labels, so that two digits fit a cell of 3 columns.
inline constexpr int cell_point_size = 8;
// The width of a character of the fixed face in grid columns: six tenths of
// its printed size, a column being 7.5 inches / 80 = 6.75 points.
inline constexpr double column_points = 6.75;
inline constexpr int name_point_size = 8;
inline constexpr int distance_point_size = 6;
inline constexpr int end_of_report_column = 29;
inline constexpr int holes_in_nine = 9;
inline constexpr int holes_in_round = 18;

const char* const scorer_line = "Scorer : _________________________    Attested : _________________________";

bool nine_hole(const CourseRecord& tee) { return tee_values::hole_count(tee) == holes_in_nine; }

// The course hole shown in cell k: a 9-hole course repeats its nine.
int hole_of_cell(const CourseRecord& tee, int cell) { return nine_hole(tee) ? cell % holes_in_nine + 1 : cell + 1; }

void text(PrintOutput& out, double row, double column, const std::string& s, int attributes = text_attribute::regular) {
  out.canvas.print_text(row, column, attributes, s);
}

double char_columns(int point_size) { return 0.6 * printed_point_size(point_size) / column_points; }

// The column at which a number of the cell size stands centred in the cell
// whose left rule is at `cell_left`, `cells_wide` columns wide.
double centred_column(double cell_left, double cells_wide, const std::string& s) {
  return cell_left + (cells_wide - static_cast<double>(s.size()) * char_columns(cell_point_size)) / 2;
}

const CardGolfer* first_named(const CardGroup& group, const ScoreCard& card) {
  for (int slot : card.slots)
    if (group.slots[slot].named()) return &group.slots[slot];
  return nullptr;
}

void draw_rules(PrintOutput& out, int r, int golfer_lines) {
  int top = r + card_row::holes;
  int bottom = r + card_row::first_golfer + rows_per_golfer * golfer_lines + 1;
  auto across = [&](int row) { out.canvas.print_line(row, table_left, row, table_right, Ink::black); };
  for (int row = top; row <= r + card_row::first_golfer; ++row) across(row);
  for (int i = 1; i <= golfer_lines; ++i) across(r + card_row::first_golfer + rows_per_golfer * i);
  across(bottom);
  auto down = [&](double column) { out.canvas.print_line(top, column, bottom, column, Ink::black); };
  down(table_left);
  for (int cell = 0; cell <= holes_in_round + 2; ++cell) {
    // Cells 0..8 are holes 1..9, cell 9 the F9 total, then holes 10..18 and B9;
    // Tot, the last cell, is one column wider than the others.
    down(first_cell_left + cell_width * cell);
  }
  down(table_right);
}

void draw_header(PrintOutput& out, const CardField& field, const CardGroup& group, const CourseRecord& tee, char sex,
                 int r) {
  // The title rows a size smaller too: "Group" at column 75 then ends inside the card.
  out.canvas.select_font(FontFace::fixed, cell_point_size);
  text(out, r + card_row::title, label_column, "Tournament : " + field.tournament_name);
  text(out, r + card_row::title, 57, field.date_text);
  text(out, r + card_row::title, 75, "Group");
  text(out, r + card_row::course, label_column,
       "Course     : " + field_text(tee.course_name) + " (" + field_text(tee.tee_name) + ")");
  text(out, r + card_row::course, 56, group.start);
  text(out, r + card_row::course, 76, format_text(8, "%03d", group.number));
  out.canvas.select_font(FontFace::fixed, card_point_size);

  int holes_row = r + card_row::holes;
  int par_row = r + card_row::par;
  text(out, holes_row, label_column, "Hole", text_attribute::bold);
  text(out, par_row, label_column, "Par");
  out.canvas.select_font(FontFace::fixed, cell_point_size);
  for (int cell = 0; cell < holes_in_round; ++cell) {
    int shown = nine_hole(tee) ? hole_of_cell(tee, cell) : cell + 1;
    text(out, holes_row, hole_cell_column(cell), std::to_string(shown), text_attribute::bold);
  }
  text(out, holes_row, front_total_column, "F9", text_attribute::bold);
  text(out, holes_row, back_total_column, "B9", text_attribute::bold);
  text(out, holes_row, total_column, "Tot", text_attribute::bold);

  int front = 0, back = 0;
  for (int cell = 0; cell < holes_in_round; ++cell) {
    int par = tee_values::par(tee, sex, hole_of_cell(tee, cell));
    (cell < holes_in_nine ? front : back) += par;
    text(out, par_row, hole_cell_column(cell), std::to_string(par));
  }
  int total = nine_hole(tee) ? 2 * front : tee_values::total_par(tee, sex);
  text(out, par_row, front_total_column, std::to_string(front));
  text(out, par_row, back_total_column, std::to_string(back));
  text(out, par_row, total_column, std::to_string(total));
  out.canvas.select_font(FontFace::fixed, card_point_size);

  int distance_row = r + card_row::distance;
  text(out, distance_row, label_column, field.yards ? "Yards" : "Metres");
  // Element by element: the packed record's lengths may sit at odd addresses.
  bool has_distances = false;
  for (int hole = 0; hole < 18; ++hole) has_distances = has_distances || tee.hole_length[hole] > 0;
  if (has_distances) {
    out.canvas.select_font(FontFace::fixed, distance_point_size);
    for (int cell = 0; cell < holes_in_round; ++cell) {
      int length = tee.hole_length[hole_of_cell(tee, cell) - 1];
      if (length > 0)
        text(out, distance_row + small_print_shift, hole_cell_column(cell) - 1 + small_print_shift,
             std::to_string(length));
    }
    out.canvas.select_font(FontFace::fixed, card_point_size);
  }
}

void draw_golfer(PrintOutput& out, const CardGolfer& golfer, const CourseRecord& tee, bool dots, int row) {
  out.canvas.select_font(FontFace::fixed, name_point_size);
  text(out, row, label_column, field_text(golfer.entry.name).substr(0, name_width));
  out.canvas.select_font(FontFace::fixed, card_point_size);
  // In the lower part of the golfer's cell, as the scores, clear of the rule below.
  text(out, row + score_row_shift, handicap_column,
       format_text(8, "%3s", handicap_report_text(golfer.course_handicap).c_str()));
  out.canvas.select_font(FontFace::fixed, cell_point_size);
  int holes = tee_values::hole_count(tee);
  int front = 0, back = 0;
  bool front_played = false, back_played = false;
  for (int cell = 0; cell < holes_in_round; ++cell) {
    const double cell_left = hole_cell_column(cell) - 1;
    if (dots) {
      int hole = hole_of_cell(tee, cell);
      int strokes = strokes_on_hole(tee_values::stroke_index(tee, golfer.sex, hole), golfer.course_handicap, holes);
      for (int dot = 0; dot < std::min(strokes, 2); ++dot) {
        double right = cell_left + cell_width - dot_right_gap - dot * second_dot_shift;
        out.canvas.fill_box(row + dot_top_gap, right - dot_width, row + dot_top_gap + dot_height, right, Ink::black);
      }
    }
    int score = golfer.entry.hole_scores[cell];
    if (score > 0) {
      std::string shown = std::to_string(score);
      text(out, row + score_row_shift, centred_column(cell_left, cell_width, shown), shown);
      (cell < holes_in_nine ? front : back) += score;
      (cell < holes_in_nine ? front_played : back_played) = true;
    }
  }
  for (auto [played, sum, column] :
       {std::tuple{front_played, front, front_total_column}, std::tuple{back_played, back, back_total_column}}) {
    if (!played) continue;
    std::string shown = std::to_string(sum);
    text(out, row + score_row_shift, centred_column(column - 1, cell_width, shown), shown);
  }
  out.canvas.select_font(FontFace::fixed, card_point_size);
}

void draw_board_mark(PrintOutput& out, const CardBoardMark& mark, int row) {
  text(out, row + 1, label_column, "Clubhouse Board PIN : " + mark.pin, text_attribute::bold);
  text(out, row + 3, label_column, "Enter the group's scores on a phone at");
  text(out, row + 4, label_column, mark.address);
  if (mark.qr_size <= 0) return;
  // Four modules of quiet zone on each side; a module is as wide as it is high.
  const double module_rows = board_code_rows / (mark.qr_size + 8);
  const double module_columns = module_rows * print_grid::units_per_row / print_grid::units_per_column;
  const double top = row + 0.5 + 4 * module_rows, left = board_code_left + 4 * module_columns;
  for (int y = 0; y < mark.qr_size; ++y)
    for (int x = 0; x < mark.qr_size; ++x)
      if (mark.qr[static_cast<std::size_t>(y * mark.qr_size + x)])
        out.canvas.fill_box(top + y * module_rows, left + x * module_columns, top + (y + 1) * module_rows,
                            left + (x + 1) * module_columns, Ink::black);
}

void draw_card(PrintOutput& out, const CardField& field, const ScoreCard& card, bool dots, int r) {
  const CardGroup& group = field.groups[card.group - 1];
  const CardGolfer* first = first_named(group, card);
  const CourseRecord& tee = field.tees.of(first ? first->entry.division : 1);
  char sex = first ? first->sex : 'M';
  out.canvas.select_font(FontFace::fixed, card_point_size);
  draw_rules(out, r, static_cast<int>(card.slots.size()));
  draw_header(out, field, group, tee, sex, r);
  int row = r + card_row::first_golfer;
  for (int slot : card.slots) {
    const CardGolfer& golfer = group.slots[slot];
    if (golfer.named()) draw_golfer(out, golfer, field.tees.of(golfer.entry.division), dots, row);
    row += rows_per_golfer;
  }
  text(out, row, label_column, "Match + -");
  // A size smaller, so that the line ends inside the card's right rule.
  out.canvas.select_font(FontFace::fixed, cell_point_size);
  text(out, row + 2, label_column, scorer_line);
  out.canvas.select_font(FontFace::fixed, card_point_size);
  if (card.board) draw_board_mark(out, field.board.at(card.group), row + rows_after_golfers);
}

}  // namespace

CardField::CardField(State& state) : tees(state) {
  const TournamentHeader& h = state.header;
  tournament_name = field_text(h.name);
  date_text = long_date(h.date_year, h.date_month, h.date_day);
  yards = (state.system.flags & system_flag::yards) != 0;
  std::vector<std::vector<GolferEntry>> entries = field_groups(state);
  bool shotgun_start = h.start_type == static_cast<int>(StartType::shotgun) ||
                       h.start_type == static_cast<int>(StartType::double_shotgun);
  for (std::size_t g = 0; g < entries.size(); ++g) {
    CardGroup group;
    group.number = static_cast<int>(g) + 1;
    std::string label = shotgun_start ? shotgun_hole_of_group(state, group.number) : "";
    group.start = card_start_text(h.start_type, group.number, tee_time_of_group(h, group.number), label);
    for (const GolferEntry& e : entries[g]) {
      CardGolfer golfer;
      golfer.entry = e;
      golfer.sex = entry_gender(state, e.gender);
      if (golfer.named()) golfer.course_handicap = report_course_handicap(state, tees, e);
      group.slots.push_back(golfer);
    }
    groups.push_back(std::move(group));
  }
}

std::string card_start_text(int start_type, int group, const std::string& tee_time, const std::string& shotgun_label) {
  switch (static_cast<StartType>(start_type)) {
    case StartType::crossover: return tee_time + (group % 2 == 1 ? " Hole #1" : " Hole #10");
    case StartType::shotgun:
    case StartType::double_shotgun: return tee_time + " Hole #" + shotgun_label;
    case StartType::normal: break;
  }
  return tee_time + " Hole #1";
}

std::vector<ScoreCard> score_card_list(const CardField& field, CardsPer per, std::optional<int> only_group) {
  std::vector<ScoreCard> cards;
  for (const CardGroup& group : field.groups) {
    if (only_group && group.number != *only_group) continue;
    int slots = static_cast<int>(group.slots.size());
    if (per == CardsPer::group) {
      ScoreCard card{group.number, {}};
      for (int s = 0; s < slots; ++s) card.slots.push_back(s);
      card.board = field.board.count(group.number) > 0;
      cards.push_back(card);
    } else {
      for (int s = 0; s < slots; ++s)
        if (group.slots[s].named()) cards.push_back({group.number, {s}, field.board.count(group.number) > 0});
    }
  }
  return cards;
}

int score_card_rows(const ScoreCard& card) {
  return card_row::first_golfer + rows_per_golfer * static_cast<int>(card.slots.size()) + rows_after_golfers +
         (card.board ? board_rows : 0);
}

int score_card_sheet_lines(const std::vector<ScoreCard>& cards) {
  int lines = 2;  // the closing line
  for (const auto& card : cards) lines += score_card_rows(card);
  return std::max(lines, preview_minimum_lines);
}

int hole_cell_column(int cell) {
  return cell < holes_in_nine ? 17 + cell_width * cell : 47 + cell_width * (cell - holes_in_nine);
}

bool draw_score_cards(PrintOutput& out, const CardField& field, const std::vector<ScoreCard>& cards, bool dots) {
  int r = 0;
  bool page_open = false;
  for (const ScoreCard& card : cards) {
    if (out.cancelled()) return false;
    if (out.printing) {
      if (page_open && r + score_card_rows(card) > print_grid::rows_per_page) {
        out.end_page();
        page_open = false;
      }
      if (!page_open) {
        out.start_page();
        page_open = true;
        r = 0;
      }
    }
    draw_card(out, field, card, dots, r);
    r += score_card_rows(card);
  }
  if (page_open) out.end_page();
  if (!out.printing) {
    out.canvas.select_font(FontFace::fixed, card_point_size);
    text(out, r + 1, end_of_report_column, "*** End of Report ***");
  }
  return true;
}

Status print_score_cards(State& state, CardsPer per, bool selected_group_only, const CardBoardMarks& board) {
  std::optional<int> only_group;
  if (selected_group_only) {
    std::optional<GolferPlace> place = select_golfer(state);
    if (!place) return Status::told();
    only_group = place->group;
  }
  bool dots = message_box(state, message_kind::question,
                          "Do you wish to have dots which indicate the # of Handicap Strokes for each hole printed "
                          "in the upper right corner of the score boxes?") == Button::yes;
  const int failed_reads = state.told_read_failures;
  CardField field(state);
  if (state.told_read_failures != failed_reads) return Status::told();  // cards would lack what was not read
  if (board) field.board = board(state);
  std::vector<ScoreCard> cards = score_card_list(field, per, only_group);
  auto draw = [&](PrintOutput& out) { return draw_score_cards(out, field, cards, dots); };
  if (print_preview(state, "Tournament Score Cards", score_card_sheet_lines(cards), draw) != PreviewAction::print)
    return Status::ok();  // closed without printing, as the user chose
  // The job prints exactly the cards that were previewed.
  return print_job(state, job_settings(state), draw);
}

}  // namespace quillon
