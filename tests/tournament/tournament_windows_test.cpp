// The windows the tournament dialog opens: the NotePad and the shotgun
// allocation.
#include <gtest/gtest.h>

#include <string>

#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/shotgun_holes.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::put_course;
using testing::TestHome;

struct TournamentWindowsTest : ::testing::Test {
  TestHome home;
  State& state = home.started();
  std::vector<std::string> seen_titles;
  std::vector<std::string> seen_labels;
  void SetUp() override {
    put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
    put_course(state, 2, "Short Links", "SL", "White", 9);
    home.ui.on_list_fields = [this](const DialogModel& model) {
      seen_titles.push_back(model.title());
      for (const Field& f : model.fields())
        if (f.kind == FieldKind::label) seen_labels.push_back(f.text);
    };
  }
  int add(std::vector<std::pair<std::string, std::string>> sets) {
    home.ui.dialog({std::move(sets), false, false});
    return add_tournament(state);
  }
};

TEST_F(TournamentWindowsTest, NotepadOfAStoredTournamentIsWrittenAtOnce) {
  ASSERT_EQ(add({{"name", "Spring Cup"}}), 1);

  // Change mode: the notes are stored even though the dialog is then cancelled.
  home.ui.dialog({{{"!notepad", ""}}, true, false});
  home.ui.dialog({{{"notes", "Shotgun at nine.\nBring a collared shirt."}}, false, false});
  EXPECT_EQ(modify_tournament(state), 0);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(field_text(state.header.notes), "Shotgun at nine.\nBring a collared shirt.");
  EXPECT_EQ(field_text(state.header.name), "Spring Cup");

  // A cancelled NotePad keeps the old text; the window is titled with the name.
  home.ui.dialog({{{"!notepad", ""}}, true, false});
  home.ui.dialog({{}, false, true});
  EXPECT_EQ(modify_tournament(state), 0);
  EXPECT_EQ(seen_titles, std::vector<std::string>{"Tournament Notepad : Spring Cup"});
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(field_text(state.header.notes), "Shotgun at nine.\nBring a collared shirt.");

  // A new tournament keeps its notes with the rest on OK, cut at 2999 characters.
  home.ui.dialog({{{"name", "Autumn Cup"}, {"!notepad", ""}}, false, false});
  home.ui.dialog({{{"notes", std::string(2999, 'n')}}, false, false});
  ASSERT_EQ(add_tournament(state), 2);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  EXPECT_EQ(field_text(state.header.notes).size(), 2999u);
  EXPECT_EQ(state.header.notes[2999], 0);
  EXPECT_FALSE(home.ui.error_shown());
}

TEST_F(TournamentWindowsTest, ShotgunAllocationWindow) {
  ASSERT_EQ(add({{"name", "Shotgun Day"}, {"start_type", "Shotgun"}}), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  TournamentHeader h = state.header;

  // Preset from the header, one line per hole with its par, the explanation first.
  ShotgunHolesModel window(state, h, 1);
  EXPECT_EQ(window.title(), "Allocation of Groups for Shotgun Start");
  EXPECT_EQ(window.text("explanation"),
            "For each hole, select the # of groups which should start on the hole for a Shotgun start.  For a "
            "Single Shotgun select the values for Shotgun 1 only.  For a Double Shotgun, select values for both "
            "Shotgun 1 and Shotgun 2.");
  EXPECT_EQ(window.text("hole_label.1"), "Hole #1, Par 5");
  EXPECT_EQ(window.text("hole_label.2"), "Hole #2, Par 3");
  EXPECT_EQ(window.index(ShotgunHolesModel::shotgun_field(1, 1)), 3);
  EXPECT_EQ(window.index(ShotgunHolesModel::shotgun_field(2, 2)), 1);
  EXPECT_EQ(window.index(ShotgunHolesModel::shotgun_field(1, 18)), 2);
  EXPECT_FALSE(window.set(ShotgunHolesModel::shotgun_field(1, 1), "7").is_ok());

  // OK through the tournament dialog stores both columns.
  home.ui.dialog({{{"!shotgun_holes", ""}}, false, false});
  home.ui.dialog(
      {{{"shotgun1.1", "1"}, {"shotgun2.1", "4"}, {"shotgun1.18", "6"}, {"shotgun2.17", "0"}}, false, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.shotgun_groups_per_hole[0], 1);
  EXPECT_EQ(state.header.shotgun2_groups_per_hole[0], 4);
  EXPECT_EQ(state.header.shotgun_groups_per_hole[17], 6);
  EXPECT_EQ(state.header.shotgun2_groups_per_hole[16], 0);
  EXPECT_EQ(state.header.shotgun_groups_per_hole[1], 1);  // untouched par 3

  // Cancel changes nothing.
  home.ui.dialog({{{"!shotgun_holes", ""}}, false, false});
  home.ui.dialog({{{"shotgun1.1", "5"}}, true, false});
  ASSERT_EQ(modify_tournament(state), 1);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.shotgun_groups_per_hole[0], 1);

  // A 9-hole course shows nine holes; the back nine's values stay as stored.
  h = state.header;
  ShotgunHolesModel nine(state, h, 2);
  EXPECT_NE(nine.find(ShotgunHolesModel::shotgun_field(1, 9)), nullptr);
  EXPECT_EQ(nine.find(ShotgunHolesModel::shotgun_field(1, 10)), nullptr);
  ASSERT_TRUE(nine.set(ShotgunHolesModel::shotgun_field(1, 9), "0").is_ok());
  nine.store(h);
  EXPECT_EQ(h.shotgun_groups_per_hole[8], 0);
  EXPECT_EQ(h.shotgun_groups_per_hole[17], 6);
}

}  // namespace
}  // namespace quillon
