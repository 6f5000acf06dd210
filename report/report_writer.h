#pragma once
// The one writer of HTML report lines, over the page file being written.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace quillon {

// A data text (a name, a note) made safe to stand in a page: '&', '<', '>'
// and '"' become their entities, so that the text shows as typed and can
// never open a tag; letters beyond ASCII become numeric character references.
std::string html_text(std::string_view text);

class ReportWriter {
 public:
  ReportWriter() = default;
  ~ReportWriter();
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;

  // Creates (or empties) the page file; false when it cannot be created.
  bool open(const std::filesystem::path& path);
  // Closes the page; a page any of whose lines failed to be written (a full
  // disk) is removed, so that it is never shown as done.
  void close();
  bool failed() const { return failed_; }
  bool is_open() const { return file_ != nullptr; }

  // Formats as printf does, appends CR LF and writes the line. Lines are
  // meant to stay within 749 characters; a longer one is still written whole,
  // never cut, so that no tag or entity is left broken. After a write error
  // nothing more is written and close() removes the page.
  void report_line(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // The same for a line already built.
  void line(std::string_view text);

 private:
  std::FILE* file_ = nullptr;
  std::filesystem::path path_;
  bool failed_ = false;
};

}  // namespace quillon
