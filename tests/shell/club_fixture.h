#pragma once
// A started test club for the dialog tests: an 18-hole course (par 5 on hole
// 1, par 3 on hole 2, par 4 elsewhere) and one tournament made through the
// add command, optionally with golfers in its first group.
#include <string>
#include <vector>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/tournament_commands.h"

namespace quillon::testing {

struct Club {
  TestHome home;
  State& state = home.started();

  // A tournament in the given format; returns whether it was added.
  bool add_tournament_of(const std::string& format) {
    put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
    home.ui.dialog({{{"name", "Spring Cup"}, {"format", format}}, false, false});
    return add_tournament(state) == 1;
  }
  // Writes golfers into group 1 of the current tournament.
  void put_golfers(const std::vector<std::string>& names) {
    ASSERT_TRUE(read_record(state, RecordKind::group, 1));
    for (std::size_t i = 0; i < names.size(); ++i) {
      set_field_text(state.group.entries[i].name, names[i]);
      state.group.entries[i].division = 1;
      state.group.entries[i].gender = 'M';
    }
    EXPECT_TRUE(write_record(state, RecordKind::group, 1));
  }
};

}  // namespace quillon::testing
