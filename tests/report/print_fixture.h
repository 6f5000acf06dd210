#pragma once
// A small field for the printed reports and finders over what was drawn.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/print_recording.h"
#include "tests/report/report_fixture.h"

namespace quillon::testing {

// The text operations drawn, in drawing order; with a page number (0 = outside
// any page) only those of that page.
inline std::vector<DrawOp> drawn_texts(const Drawing& d, std::optional<int> page = std::nullopt) {
  std::vector<DrawOp> found;
  for (const auto& op : d.ops)
    if (op.kind == DrawKind::text && (!page || op.page == *page)) found.push_back(op);
  return found;
}

class PrintTest : public ReportTest {
 protected:
  void SetUp() override {
    add_courses();
    make_tournament(1, "Spring Cup", 3);
  }

  // Fills group g with named golfers "G<g> Golfer <n>" (index 10 × n).
  void fill_group(int group, int count) {
    for (int n = 1; n <= count; ++n) {
      std::string name = "G" + std::to_string(group) + " Golfer " + std::to_string(n);
      put_golfer(group, n, golfer(name.c_str(), 10 * n));
    }
  }

  void set_start_type(int start_type) {
    s.header.start_type = static_cast<std::int8_t>(start_type);
    ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));
  }

  static std::vector<DrawOp> with_text(const Drawing& d, const std::string& text) {
    std::vector<DrawOp> found;
    for (const auto& op : drawn_texts(d))
      if (op.text == text) found.push_back(op);
    return found;
  }

  static std::vector<DrawOp> at_row(const Drawing& d, double row) {
    std::vector<DrawOp> found;
    for (const auto& op : drawn_texts(d))
      if (op.row == row) found.push_back(op);
    return found;
  }

  static std::string text_at(const Drawing& d, double row, double column, int page = -1) {
    for (const auto& op : drawn_texts(d))
      if (op.row == row && op.column == column && (page < 0 || op.page == page)) return op.text;
    return "<nothing>";
  }
};

}  // namespace quillon::testing
