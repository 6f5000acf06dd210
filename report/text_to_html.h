#pragma once
// Turns the plain-text spool "ql4tmp.dat" of the print engine into the report
// page, keeping its line breaks and runs of spaces in a fixed-width font.
namespace quillon {

struct State;

// The page's title names Quillon for product code 100, Ravelin otherwise.
// Returns false when the spool cannot be read or the page cannot be created.
bool text_report_to_html(State& state, int product_code);

}  // namespace quillon
