#include "report/address_labels.h"

#include <algorithm>
#include <cstring>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "report/field_golfers.h"

namespace quillon {

namespace {

inline constexpr int label_point_size = 8;
inline constexpr double inner_margin = 0.15;  // inches between a label's left edge and its text
inline constexpr int lines_per_label = 4;

const char* const reminder_text =
    "If the data is not correctly aligned on the address labels, the alignment can be adjusted in increments of "
    "one tenth of an inch vertically or horizonatally by selecting \"Maintenance\" / \" Printer Output "
    "Alignment\".\n\n"
    "Do you wish to be reminded of this output alignment capability the next time you print address labels?";

bool wanted(const GolferEntry& e, LabelGolfers who) {
  switch (who) {
    case LabelGolfers::all: return true;
    case LabelGolfers::members: return e.is_member != 0;
    case LabelGolfers::non_members: return e.is_member == 0;
  }
  return true;
}

void draw_label(PrintOutput& out, const LabelSheet& sheet, int position, const GolferEntry& golfer) {
  int row = position / sheet.columns;
  int column = position % sheet.columns;
  double top = sheet.top + row * sheet.pitch_down;
  double left = sheet.left + column * sheet.pitch_across + inner_margin;
  // The address block is centred in the label's height.
  double block = static_cast<double>(lines_per_label) / print_grid::rows_per_inch;
  double first_row = print_grid::rows_of_inches(top + (sheet.height - block) / 2);
  double text_column = print_grid::columns_of_inches(left);
  int line = 0;
  for (const auto* text : {&golfer.name, &golfer.info1, &golfer.info2, &golfer.info3}) {
    std::string s = field_text(*text);
    if (s.empty()) continue;
    out.canvas.print_text(first_row + line, text_column, text_attribute::regular, s);
    ++line;
  }
}

}  // namespace

std::vector<GolferEntry> label_golfers(const std::vector<GolferEntry>& field, LabelGolfers who, LabelOrder order) {
  std::vector<GolferEntry> chosen;
  for (const GolferEntry& e : field)
    if (e.name[0] != 0 && wanted(e, who)) chosen.push_back(e);
  if (order == LabelOrder::alphabetical)
    std::stable_sort(chosen.begin(), chosen.end(), [](const GolferEntry& a, const GolferEntry& b) {
      return std::strncmp(a.name, b.name, sizeof a.name) < 0;
    });
  return chosen;
}

bool draw_address_labels(PrintOutput& out, const LabelSheet& sheet, int start,
                         const std::vector<GolferEntry>& golfers) {
  int per_sheet = sheet.rows * sheet.columns;
  int position = std::clamp(start, 0, per_sheet - 1);
  bool page_open = false;
  for (const GolferEntry& golfer : golfers) {
    if (out.cancelled()) return false;
    if (!page_open) {
      if (out.printing) out.start_page();
      page_open = true;
    }
    out.canvas.select_font(FontFace::fixed, label_point_size);
    draw_label(out, sheet, position, golfer);
    if (++position == per_sheet) {
      if (out.printing) out.end_page();
      page_open = false;
      position = 0;
    }
  }
  if (page_open && out.printing) out.end_page();
  return true;
}

PrintSettings label_job_settings(const State& state, const LabelSheet& sheet) {
  PrintSettings settings = job_settings(state);
  settings.paper = sheet.paper;
  settings.from_paper_edge = true;
  settings.offset_tenths_x += state.system.label_offset_x;
  settings.offset_sixths_y += state.system.label_offset_y;
  return settings;
}

Status print_address_labels(State& state, LabelGolfers who, LabelOrder order) {
  if ((state.system.flags & system_flag::no_label_reminder) == 0 &&
      ask_titled(state, message_kind::question, "Printer Output Alignment", reminder_text) == Button::no) {
    std::uint16_t before = state.system.flags;
    state.system.flags |= system_flag::no_label_reminder;
    if (!write_record(state, RecordKind::system, 1)) {
      state.system.flags = before;
      return Status::told();
    }
  }
  std::vector<GolferEntry> field;
  const int failed_reads = state.told_read_failures;
  for (const FieldGolfer& g : named_golfers(state)) field.push_back(g.entry);
  if (state.told_read_failures != failed_reads) return Status::told();  // labels would lack golfers not read
  std::vector<GolferEntry> golfers = label_golfers(field, who, order);
  if (golfers.empty()) {
    not_done_box(state, message_kind::information, "There are no golfers to print on address labels.");
    return Status::told();
  }
  const LabelSheet& sheet = label_sheet(state.system.label_format);
  StartPositionModel start(sheet);
  if (!state.ui.run_dialog(start)) return Status::told();
  auto draw = [&](PrintOutput& out) { return draw_address_labels(out, sheet, start.chosen(), golfers); };
  return print_job(state, label_job_settings(state, sheet), draw);
}

}  // namespace quillon
