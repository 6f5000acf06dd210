// Which division rows the Tournament Detail Information dialog shows.
#include <gtest/gtest.h>

#include "core/database.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/header_defaults.h"
#include "tournament/tournament_dialog.h"

namespace quillon {
namespace {

std::vector<int> visible_rows(const TournamentDialogModel& model) {
  std::vector<int> rows;
  for (int d = 1; d <= 10; ++d) {
    bool tee = model.find(division_field("division_tee", d))->visible;
    bool allowance = model.find(division_field("division_allowance", d))->visible;
    bool limit = model.find(division_field("division_handicap_limit", d))->visible;
    EXPECT_EQ(tee, allowance) << "division " << d;
    EXPECT_EQ(tee, limit) << "division " << d;
    if (tee) rows.push_back(d);
  }
  return rows;
}

TEST(TournamentDialogRows, OnlyTheDivisionsInUseAreShown) {
  testing::TestHome home;
  State& state = home.started();
  testing::put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
  TournamentHeader header = new_tournament_header(state);
  TournamentDialogModel model(state, header, TournamentDialogMode::add, 1);
  EXPECT_EQ(visible_rows(model), (std::vector<int>{1}));

  ASSERT_TRUE(model.set("division_count", " 3").is_ok());
  EXPECT_EQ(visible_rows(model), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(model.set("division_allowance.3", "90%").is_ok());
  EXPECT_FALSE(model.set("division_allowance.4", "90%").is_ok());

  ASSERT_TRUE(model.set("division_count", "10").is_ok());
  EXPECT_EQ(visible_rows(model).size(), 10u);
  ASSERT_TRUE(model.set("division_count", " 2").is_ok());
  EXPECT_EQ(visible_rows(model), (std::vector<int>{1, 2}));

  // Choosing the format with a Callaway division raises one division to two.
  ASSERT_TRUE(model.set("division_count", " 1").is_ok());
  ASSERT_TRUE(model.set("format", "Net Scores with 1 Callaway Division").is_ok());
  EXPECT_EQ(visible_rows(model), (std::vector<int>{1, 2}));

  // A stored tournament opens with its own number of rows.
  header.division_count = 4;
  TournamentDialogModel stored(state, header, TournamentDialogMode::change, 1);
  EXPECT_EQ(visible_rows(stored), (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace quillon
