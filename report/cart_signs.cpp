#include "report/cart_signs.h"

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "report/field_golfers.h"
#include "tournament/formats.h"
#include "tournament/golfer_selection.h"
#include "tournament/tee_times.h"

namespace quillon {

namespace {

inline constexpr int first_sign_row = 1;
inline constexpr int signs_per_page = 3;
inline constexpr int page_end_row = first_sign_row + signs_per_page * sign_rows;  // 67
inline constexpr int large_point_size = 40;
// The golfers' lines stand two rows (24 points) apart: a 25-point face keeps
// them apart where a larger one lets descenders touch the line below.
inline constexpr int name_point_size = 25;
inline constexpr int separator_point_size = 25;
inline constexpr int normal_point_size = 10;
inline constexpr int text_column = 1;
inline constexpr int hole_column = 50;
inline constexpr int shotgun_hole_column = 45;
inline constexpr int name_column = 6;
inline constexpr int separator_column = 10;
inline constexpr int holes_in_round = 18;
inline constexpr int back_nine_offset = 9;

inline constexpr double column_points = 6.75;  // 7.5 inches across 80 columns
// A bold proportional character is at most about six tenths of its size wide.
inline constexpr double bold_char_em = 0.6;
inline constexpr int cut_line_left = 1;
inline constexpr int cut_line_right = print_grid::columns - 1;

std::string name_of(const GolferEntry& e) { return field_text(e.name); }

// The largest of the sizes the preview knows at which `text` fits the width
// from `column` to the right edge of the grid: a long club or tournament name
// is printed smaller rather than cut off at the paper's edge.
int fitting_point_size(const std::string& text, int column, int largest) {
  const double room = (print_grid::columns - column) * column_points;
  for (int size : {40, 30, 25, 14, 10})
    if (size <= largest && static_cast<double>(text.size()) * bold_char_em * size <= room) return size;
  return 10;
}

void add_pair(std::vector<CartSign>& signs, int group, const std::vector<GolferEntry>& slots, std::size_t a) {
  CartSign sign{group, name_of(slots[a]), std::nullopt};
  if (a + 1 < slots.size()) sign.second = name_of(slots[a + 1]);
  signs.push_back(sign);
}

std::string start_hole_text(const SignSheet& sheet, int group, int& column) {
  column = hole_column;
  switch (static_cast<StartType>(sheet.start_type)) {
    case StartType::crossover: return format_text(16, "Hole # %d", crossover_start_hole(group));
    case StartType::shotgun:
    case StartType::double_shotgun:
      column = shotgun_hole_column;
      return "Hole # " +
             (group <= static_cast<int>(sheet.shotgun_labels.size()) ? sheet.shotgun_labels[group - 1] : std::string());
    case StartType::normal: break;
  }
  return "Hole # 1";
}

void draw_sign(PrintOutput& out, const SignSheet& sheet, const CartSign& sign, int r) {
  PrintCanvas& c = out.canvas;
  c.select_font(FontFace::proportional, fitting_point_size(sheet.club, text_column, large_point_size));
  c.print_text(r + 1, text_column, text_attribute::bold, sheet.club);
  c.select_font(FontFace::proportional, fitting_point_size(sheet.tournament, text_column, large_point_size));
  c.print_text(r + 4, text_column, text_attribute::bold, sheet.tournament);
  c.select_font(FontFace::proportional, large_point_size);
  int column = hole_column;
  std::string hole = start_hole_text(sheet, sign.group, column);
  c.print_text(r + 7, column, text_attribute::regular, hole);
  std::string time = sign.group <= static_cast<int>(sheet.tee_times.size()) ? sheet.tee_times[sign.group - 1] : "";
  c.print_text(r + 11, hole_column, text_attribute::regular, format_text(16, "%8s", time.c_str()));
  c.select_font(FontFace::proportional, name_point_size);
  c.print_text(r + 14, name_column, text_attribute::bold, sign.first);
  if (sign.second) c.print_text(r + 16, name_column, text_attribute::bold, *sign.second);
  if (!out.printing) {
    c.select_font(FontFace::proportional, separator_point_size);
    c.print_text(r + 21, separator_column, text_attribute::regular, "--------------------------");
  } else if (r + sign_rows < page_end_row) {
    // On paper the signs are cut apart along a thin line between them.
    c.print_line(r + sign_rows - 0.5, cut_line_left, r + sign_rows - 0.5, cut_line_right, Ink::grey);
  }
  c.select_font(FontFace::proportional, normal_point_size);
}

}  // namespace

std::vector<CartSign> cart_sign_list(const std::vector<std::vector<GolferEntry>>& groups, SignSelection selection,
                                     int selected_group) {
  std::vector<CartSign> signs;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    int group = static_cast<int>(g) + 1;
    const std::vector<GolferEntry>& slots = groups[g];
    if (selection == SignSelection::selected_group && group != selected_group) continue;
    if (selection != SignSelection::requested) {
      for (std::size_t a = 0; a < slots.size(); a += 2) add_pair(signs, group, slots, a);
      continue;
    }
    std::vector<GolferEntry> riders;
    for (const GolferEntry& e : slots)
      if (e.name[0] != 0 && (e.entry_flags & entry_flag::power_cart)) riders.push_back(e);
    for (std::size_t a = 0; a < riders.size(); a += 2) add_pair(signs, group, riders, a);
  }
  return signs;
}

int crossover_start_hole(int group) {
  int g = group <= holes_in_round ? group : group - holes_in_round * ((group - 19) / holes_in_round + 1);
  int hole = (g + 1) / 2;
  return group % 2 == 0 ? hole + back_nine_offset : hole;
}

SignSheet read_sign_sheet(State& state) {
  SignSheet sheet;
  sheet.club = field_text(state.import_settings.reporting_name);
  sheet.tournament = field_text(state.header.name);
  sheet.start_type = state.header.start_type;
  bool shotgun_start = sheet.start_type == static_cast<int>(StartType::shotgun) ||
                       sheet.start_type == static_cast<int>(StartType::double_shotgun);
  for (int g = 1; g <= state.header.group_count; ++g) {
    sheet.tee_times.push_back(tee_time_of_group(state.header, g));
    if (shotgun_start) sheet.shotgun_labels.push_back(shotgun_hole_of_group(state, g));
  }
  return sheet;
}

bool draw_cart_signs(PrintOutput& out, const SignSheet& sheet, const std::vector<CartSign>& signs) {
  int r = first_sign_row;
  bool page_open = false;
  for (const CartSign& sign : signs) {
    if (out.cancelled()) return false;
    // A page is started only when a sign is there to go on it, so a full last
    // page is not followed by a blank one.
    if (out.printing && !page_open) {
      out.start_page();
      page_open = true;
    }
    draw_sign(out, sheet, sign, r);
    r += sign_rows;
    if (out.printing && r >= page_end_row) {
      out.end_page();
      page_open = false;
      r = first_sign_row;
    }
  }
  if (page_open) out.end_page();
  return true;
}

Status print_cart_signs(State& state, SignSelection selection) {
  int selected_group = 0;
  if (selection == SignSelection::selected_group) {
    std::optional<GolferPlace> place = select_golfer(state);
    if (!place) return Status::told();
    selected_group = place->group;
    if (Status read = read_record(state, RecordKind::group, selected_group); !read) return read;
    std::string text = format_text(message_limit,
                                   "Do you wish to print a Cart Sign for the folllowing group?\n\nGroup # %d\n"
                                   "Tee Time : %s\n\n",
                                   selected_group, tee_time_of_group(state.header, selected_group).c_str());
    for (int slot = 0; slot < state.header.group_size && slot < max_group_size; ++slot)
      text += field_text(state.group.entries[slot].name) + "\n";
    if (show_message_text(state, message_kind::question, text) != Button::yes) return Status::told();
  }
  SignSheet sheet = read_sign_sheet(state);
  const int failed_reads = state.told_read_failures;
  std::vector<CartSign> signs = cart_sign_list(field_groups(state), selection, selected_group);
  if (state.told_read_failures != failed_reads) return Status::told();  // signs would lack groups not read
  const char* title = selection == SignSelection::all         ? "Tournament Cart Signs - All"
                      : selection == SignSelection::requested ? "Tournament Cart Signs - Requested Carts"
                                                              : "Tournament Cart Signs - Selected Group";
  auto draw = [&](PrintOutput& out) { return draw_cart_signs(out, sheet, signs); };
  int lines = sign_rows * static_cast<int>(signs.size()) + first_sign_row;
  // Closing the preview without printing is an outcome the user chose.
  if (print_preview(state, title, lines, draw) != PreviewAction::print) return Status::ok();
  return print_job(state, job_settings(state), draw);
}

}  // namespace quillon
