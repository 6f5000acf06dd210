#include "report/report_table.h"

#include "report/report_writer.h"

namespace quillon {

void open_table(ReportWriter& w, int width) {
  w.report_line("<TABLE cellSpacing=0 cellPadding=0 width=%d border=0>", width);
}

void close_table(ReportWriter& w) { w.line("</TABLE>"); }

void write_empty_row(ReportWriter& w) { w.line("<tr><td>&nbsp;</td></tr>"); }

std::string header_cell(const std::string& caption, bool left) {
  return std::string(left ? "<TH align=left>" : "<TH align=middle>") + "<font color=#ffffff>" +
         (caption.empty() ? "&nbsp;" : caption) + "</font></TH>";
}

void write_header_row(ReportWriter& w, const PageStyle& style, const std::vector<std::string>& cells, bool centred) {
  std::string row =
      std::string("<TR align=") + (centred ? "middle" : "left") + " bgColor=" + style.heading_colour() + ">";
  for (const auto& c : cells) row += c;
  w.line(row + "</TR>");
}

std::string number_cell(const std::string& text) {
  return text.empty() ? empty_cell() : "<td align=middle>" + text + "</td>";
}

std::string name_cell(const std::string& text) {
  return text.empty() ? empty_cell() : "<td align=left>" + html_text(text) + "</td>";
}

void write_data_row(ReportWriter& w, const std::vector<std::string>& cells) {
  std::string row = "<tr align=middle>";
  for (const auto& c : cells) row += c;
  w.line(row + "</tr>");
}

}  // namespace quillon
