#include "report/text_to_html.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "core/state.h"
#include "report/report_page.h"

namespace quillon {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void put(std::FILE* out, const char* text) { std::fputs(text, out); }

}  // namespace

bool text_report_to_html(State& state, int product_code) {
  std::error_code ignored;
  std::filesystem::remove(state.file(report_page_file), ignored);
  File spool(std::fopen(state.file(state.work_file_name).string().c_str(), "rb"));
  if (!spool) return false;
  File page(std::fopen(state.file(report_page_file).string().c_str(), "wb"));
  if (!page) return false;

  put(page.get(), "<html>\r\n<head>\r\n");
  put(page.get(), product_code == 100 ? "<title>Quillon for Windows - HTML Report</title>\r\n"
                                      : "<title>Ravelin for Windows - HTML Report</title>\r\n");
  put(page.get(), "</head>\r\n<body>\r\n<TT>");
  for (int c; (c = std::fgetc(spool.get())) != EOF;) {
    if (c == '\r') put(page.get(), "<br>");
    switch (c) {
      case ' ': put(page.get(), "&nbsp;"); break;
      // The spool holds names typed by users: they must show, not act as markup.
      case '&': put(page.get(), "&amp;"); break;
      case '<': put(page.get(), "&lt;"); break;
      case '>': put(page.get(), "&gt;"); break;
      case '"': put(page.get(), "&quot;"); break;
      default: std::fputc(c, page.get());
    }
  }
  put(page.get(), "</TT></body>\r\n</html>\r\n");
  return true;
}

}  // namespace quillon
