#include "report/report_writer.h"

#include <cstdarg>
#include <vector>

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
      default: out += c;
    }
  }
  return out;
}

ReportWriter::~ReportWriter() { close(); }

bool ReportWriter::open(const std::filesystem::path& path) {
  close();
  file_ = std::fopen(path.string().c_str(), "wb");
  return file_ != nullptr;
}

void ReportWriter::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
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
  if (!file_) return;
  std::fwrite(text.data(), 1, text.size(), file_);
  std::fwrite("\r\n", 1, 2, file_);
}

}  // namespace quillon
