#include "report/report_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <cstdarg>
#include <cstdint>
#include <system_error>
#include <vector>

#include "core/cp1252.h"

namespace quillon {

std::string html_text(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // A letter beyond ASCII as a character reference: it shows right
        // even when a web server calls the page UTF-8.
        if (static_cast<unsigned char>(c) >= 0x80)
          out += "&#" + std::to_string(static_cast<std::uint32_t>(cp1252_code_point(c))) + ";";
        else out += c;
    }
  }
  return out;
}

ReportWriter::~ReportWriter() { close(); }

bool ReportWriter::open(const std::filesystem::path& path) {
  close();
  // A link planted under the page's name is not followed.
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    return false;
  }
  path_ = path;
  failed_ = false;
  return true;
}

void ReportWriter::close() {
  if (!file_) return;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  // A page that is not whole is not shown as the report: without the file the
  // user is told that the page could not be created.
  if (failed_) {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
}

void ReportWriter::report_line(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list measure;
  va_copy(measure, args);
  int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  std::vector<char> text(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, 0);
  if (length > 0) std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  line(std::string_view(text.data(), length > 0 ? static_cast<std::size_t>(length) : 0));
}

void ReportWriter::line(std::string_view text) {
  if (!file_ || failed_) return;
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fwrite("\r\n", 1, 2, file_) != 2)
    failed_ = true;
}

}  // namespace quillon
