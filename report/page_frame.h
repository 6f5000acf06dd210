#pragma once
// The frame every report page wraps around its content: the head with the
// program heading, the tournament information block, the rule, the section
// title and the footer, in colour or in black and white.
#include <string>

namespace quillon {

struct State;
class ReportWriter;

struct PageStyle {
  bool colour = true;

  // Read from the system record each time a report starts.
  static PageStyle of(const State& state);
  // Headings, section titles and header-row backgrounds.
  const char* heading_colour() const { return colour ? "#006545" : "#000000"; }
  // The tournament name and date/course lines.
  const char* information_colour() const { return colour ? "#0000FF" : "#000000"; }
};

// What the tournament information block shows; texts are plain (unescaped).
struct TournamentInformation {
  std::string name;
  std::string date;  // DD-Mon-YYYY
  std::string course;  // the course name of division 1
  std::string suffix;  // " - Division : 2", " - Division : All" or ""
};

// The block of the current tournament header. The division suffix is added
// only when `division` is given (a report with a division filter: 0 = all)
// and the tournament has more than one division. Reads division 1's course.
TournamentInformation tournament_information(State& state, int division = -1);

void write_page_head(ReportWriter& w, const PageStyle& style);
inline constexpr int information_table_width = 470;
// The block's two tables are `width` wide (a multi-round event's page uses 450).
void write_tournament_information(ReportWriter& w, const PageStyle& style, const TournamentInformation& info,
                                  int width = information_table_width);
void write_rule(ReportWriter& w, const PageStyle& style);
void write_section_title(ReportWriter& w, const PageStyle& style, const std::string& title);
// The opening of a page: the head, the tournament information block (when the
// page has one), the rule and the section title.
void write_page_opening(ReportWriter& w, const PageStyle& style, const std::string& title);
void write_page_opening(ReportWriter& w, const PageStyle& style, const TournamentInformation& info,
                        const std::string& title);
// Ends the page; "</html>" only where `html_end` asks for it.
void write_page_footer(ReportWriter& w, bool html_end);

}  // namespace quillon
