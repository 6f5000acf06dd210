#pragma once
// The report page "qlwin4.html" in the home folder: how a report command
// prepares it, creates it and has the browser show it.
#include <filesystem>
#include <functional>

#include "core/status.h"

namespace quillon {

struct State;
class ReportWriter;

inline constexpr const char* report_page_file = "qlwin4.html";

// The page's path in the home folder.
std::filesystem::path report_page_path(const State& state);

// The first steps of every report command: the page name is set back to
// "qlwin4.html" and an old page is deleted.
void prepare_report_page(State& state);

// Creates the page for writing; false when it cannot be created (the report
// then writes nothing, and show_report_page tells the user).
bool open_report_page(State& state, ReportWriter& writer);

// After a report has run: opens the page in the browser, or tells the user
// that it could not be created.
Status show_report_page(State& state);

// A report that returns false when it stopped before making a page (the user
// cancelled or was already told why).
using PageReport = std::function<bool(State&)>;

// The calling order of a report command: prepare the page, run the report and
// show the page, unless the report stopped before making one. A page made
// after a database read failed (the user was told) is removed, not shown.
Status run_report(State& state, const PageReport& report);

}  // namespace quillon
