#include "report/course_list_report.h"

#include <string>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "report/page_frame.h"
#include "report/report_page.h"
#include "report/report_table.h"
#include "report/report_writer.h"

namespace quillon {

namespace {

struct ListedTee {
  int slot = 0;
  CourseRecord tee{};
};

Result<std::vector<ListedTee>> listed_tees(State& state) {
  std::vector<ListedTee> tees;
  for (int slot = 1; slot <= state.course_slot_count(); ++slot) {
    if (Status read = read_record(state, RecordKind::course, slot); !read) return read;
    if (state.course.course_name[0] != 0) tees.push_back({slot, state.course});
  }
  return tees;
}

// The pars of holes first..last as digits; nothing for holes the course lacks.
std::string par_digits(const std::int8_t* pars, int first, int last, int hole_count) {
  std::string digits;
  for (int h = first; h <= last && h <= hole_count; ++h) digits += std::to_string(pars[h - 1]);
  return digits;
}

std::vector<std::string> tee_line(const CourseRecord& c, bool men) {
  int holes = c.hole_count == 9 ? 9 : 18;
  const std::int8_t* pars = men ? c.men_par : c.women_par;
  int rating = men ? c.men_rating : c.women_rating;
  return {name_cell(std::string(men ? "M " : "F ") + par_digits(pars, 1, 9, holes)),
          name_cell(par_digits(pars, 10, 18, holes)), number_cell(std::to_string(men ? c.men_slope : c.women_slope)),
          number_cell(std::to_string(men ? c.men_total_par : c.women_total_par)),
          number_cell(format_text(16, "%4.1f", rating / 10.0))};
}

}  // namespace

bool print_course_list(State& state) {
  Result<std::vector<ListedTee>> listed = listed_tees(state);
  if (!listed) return false;
  const std::vector<ListedTee>& tees = *listed;
  if (tees.empty()) {
    not_done_box(state, message_kind::information, "No courses defined in database");
    return false;
  }
  ReportWriter w;
  if (!open_report_page(state, w)) return true;
  PageStyle style = PageStyle::of(state);
  write_page_opening(w, style, "Course List");
  open_table(w, 800);
  write_header_row(w, style,
                   {header_cell(""), header_cell("Course", true), header_cell("Tee", true), header_cell("Abbrev", true),
                    header_cell("Front 9", true), header_cell("Back 9", true), header_cell("Slope"), header_cell("Par"),
                    header_cell("Rating")});
  write_empty_row(w);
  for (const auto& t : tees) {
    std::vector<std::string> men = {number_cell(std::to_string(t.slot)), name_cell(field_text(t.tee.course_name)),
                                    name_cell(field_text(t.tee.tee_name)), name_cell(field_text(t.tee.course_abbrev))};
    std::vector<std::string> women(4, empty_cell());
    for (const auto& cell : tee_line(t.tee, true)) men.push_back(cell);
    for (const auto& cell : tee_line(t.tee, false)) women.push_back(cell);
    write_data_row(w, men);
    write_data_row(w, women);
    write_empty_row(w);
  }
  close_table(w);
  write_page_footer(w, false);
  return true;
}

}  // namespace quillon
