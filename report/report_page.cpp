#include "report/report_page.h"

#include <system_error>

#include "core/messages.h"
#include "core/state.h"
#include "report/report_writer.h"

namespace quillon {

std::filesystem::path report_page_path(const State& state) { return state.file(state.report_page_name); }

void prepare_report_page(State& state) {
  state.report_page_name = report_page_file;
  std::error_code ignored;
  std::filesystem::remove(report_page_path(state), ignored);
}

bool open_report_page(State& state, ReportWriter& writer) { return writer.open(report_page_path(state)); }

Status show_report_page(State& state) {
  std::error_code ignored;
  if (std::filesystem::is_regular_file(report_page_path(state), ignored)) {
    state.ui.open_page(report_page_path(state).string());
    return Status::ok();
  }
  std::string folder = state.home_folder.string().substr(0, 255);
  message_box(state, message_kind::error,
              "The HTML report file [%s], could not be created in the current folder [%s].  Either the file already "
              "exists and is write protected or you do not have permission to create files in that folder",
              state.report_page_name.c_str(), folder.c_str());
  return Status::told();
}

Status run_report(State& state, const PageReport& report) {
  prepare_report_page(state);
  const int failed_reads = state.told_read_failures;
  if (!report(state)) return Status::told();
  // A page written on after a failed read (told) lacks what could not be read.
  if (state.told_read_failures != failed_reads) {
    std::error_code ec;
    std::filesystem::remove(report_page_path(state), ec);
    return Status::told();
  }
  return show_report_page(state);
}

}  // namespace quillon
