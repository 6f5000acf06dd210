#pragma once
// Reads the tables of a report page into tables -> rows -> cells, so that
// tests compare what a reader sees cell by cell instead of whole HTML lines.
// It knows the simple markup our report writer makes: upper- or lower-case
// tags, attributes with or without quotes (and with blanks around '='),
// <font color=...> and <b> inside cells, <br> as a line break, and the named
// entities with or without their ';'. Tables are not nested in our pages.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillon::testing {

// Attributes of an element: names in lower case, values as written.
struct HtmlAttributes {
  std::map<std::string, std::string> values;
  // The value, or "" when the attribute is absent.
  std::string operator[](const std::string& name) const;
};

// A piece of a cell's text with the look it is drawn in.
struct HtmlRun {
  std::string text;  // entities decoded, not trimmed; "\n" for <br>
  std::string colour;  // of the innermost <font color=...>, "" for none
  bool bold = false;
};

struct HtmlCell {
  bool header = false;  // <TH> rather than <TD>
  HtmlAttributes attributes;
  std::vector<HtmlRun> runs;

  // The visible text: tags stripped, entities decoded, each line (split at
  // <br>) trimmed of blanks at both ends; an empty cell ("&nbsp") gives "".
  std::string text() const;
  std::string align() const { return attributes["align"]; }
  int colspan() const;
  // The colour all of the visible text is drawn in; "" when some of it has
  // no colour or the colours differ.
  std::string colour() const;
  // True when there is visible text and all of it is bold.
  bool bold() const;
  // The coloured pieces in order, as (colour, trimmed text); blank ones left out.
  std::vector<std::pair<std::string, std::string>> coloured_texts() const;
};

struct HtmlRow {
  HtmlAttributes attributes;
  std::vector<HtmlCell> cells;

  bool is_header() const;  // holds a <TH> cell
  // The separator row: one cell with no text.
  bool is_spacer() const { return cells.size() == 1 && cells[0].text().empty(); }
};

struct HtmlTable {
  HtmlAttributes attributes;
  std::vector<HtmlRow> rows;
};

using RowTexts = std::vector<std::string>;

// Every table of the page in order.
std::vector<HtmlTable> html_tables(std::string_view html);
// The tables of a report page without the tournament information block (the
// table headed "Tournament Information" and the name and date table after it).
std::vector<HtmlTable> report_tables(std::string_view page);
// The data rows of the tables: neither header rows nor spacer rows.
std::vector<HtmlRow> data_rows(const std::vector<HtmlTable>& tables);
// The first header row of the tables, or an empty row when there is none.
HtmlRow header_row(const std::vector<HtmlTable>& tables);

// The look every header row of a report shares: the row on `background`,
// each caption in white.
::testing::AssertionResult has_heading_look(const HtmlRow& row, const std::string& background = "#006545");

// Per cell of a row: its text, its align attribute, its colour.
std::vector<std::string> texts(const HtmlRow& row);
std::vector<std::string> aligns(const HtmlRow& row);
std::vector<std::string> colours(const HtmlRow& row);
// The texts (the alignments) of each row.
std::vector<RowTexts> texts(const std::vector<HtmlRow>& rows);
std::vector<RowTexts> aligns(const std::vector<HtmlRow>& rows);

// Decodes the named and numeric entities ("&amp;", "&nbsp" ...); &nbsp
// becomes a plain blank.
std::string decode_entities(std::string_view text);

}  // namespace quillon::testing
