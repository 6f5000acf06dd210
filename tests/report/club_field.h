#pragma once
// The field most report tests share: "Club Championship" (slot 1) with five
// golfers in two groups of four, on Pine Hills (Blue), 08:00 and 08:07:30.
#include "tests/report/report_fixture.h"

namespace quillon::testing {

class ClubField : public ReportTest {
 protected:
  void SetUp() override {
    add_courses();
    make_tournament(1, "Club Championship", 2);
    set_field_text(s.header.user_stat1_name, "Longest Drive");
    ASSERT_TRUE(write_record(s, RecordKind::tournament, 1));

    GolferEntry smith = golfer("Smith & Sons", 124);
    smith.is_member = 1;
    smith.entry_flags = entry_flag::power_cart;
    put_golfer(1, 1, smith);
    put_golfer(1, 2, golfer("<script>alert(1)</script>", 50, 'F'));
    GolferEntry adams = golfer("adams, Jim", -20);
    adams.entry_flags = entry_flag::power_cart;
    adams.user_stat1 = 1;
    set_field_text(adams.member_id, "OLD7");
    put_golfer(1, 3, adams);
    GolferEntry brown = golfer("Brown, Ann", 200, 'F');
    brown.is_member = 1;
    put_golfer(2, 1, brown);
    GolferEntry zed = golfer("Zed, Zoe", 0);
    zed.entry_flags = entry_flag::power_cart;
    put_golfer(2, 2, zed);
  }

  // The data rows of the page's report tables and their texts.
  std::vector<HtmlRow> data_rows() const { return testing::data_rows(tables()); }
  std::vector<RowTexts> data_row_texts() const { return texts(data_rows()); }
  HtmlRow header_row() const { return testing::header_row(tables()); }
};

}  // namespace quillon::testing
