// The two-list window: lines built from the groups, the re-arranging buttons,
// drag and drop, and OK writing every group back.
#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "core/text.h"
#include "tests/scoring/scoring_fixture.h"
#include "tests/testing/read_failure.h"
#include "tournament/field_lines.h"
#include "tournament/formats.h"
#include "tournament/multi_round.h"
#include "tournament/reorganize.h"

namespace quillon {
namespace {

using testing::TestHome;

GolferEntry named(const std::string& name, int index = 100) {
  GolferEntry g{};
  set_field_text(g.name, name);
  g.handicap_index = static_cast<std::int16_t>(index);
  g.gender = 'M';
  g.division = 1;
  return g;
}

std::vector<std::string> names(const std::vector<GolferEntry>& golfers) {
  std::vector<std::string> out;
  for (const auto& g : golfers) out.push_back(field_text(g.name));
  return out;
}

class ReorganizeTest : public ::testing::Test {
 protected:
  ReorganizeTest() : state(home.started()), random(7) {
    state.course = testing::scoring_tee();
    EXPECT_TRUE(write_record(state, RecordKind::course, 1));
    state.course_count = 1;
  }

  // Tournament t with `golfers` placed four to a group from group 1.
  void tournament(int t, const std::vector<GolferEntry>& golfers, Format format = Format::net, int group_size = 4) {
    state.header = testing::scoring_header(format, group_size);
    set_field_text(state.header.name, "Day " + std::to_string(t));
    state.header.group_count = static_cast<std::uint8_t>((golfers.size() + group_size - 1) / group_size);
    ASSERT_TRUE(write_record(state, RecordKind::tournament, t));
    state.tournament_count = std::max(state.tournament_count, t);
    for (std::size_t i = 0; i < golfers.size(); i += static_cast<std::size_t>(group_size)) {
      state.group = GroupBuffer{};
      for (int s = 0; s < group_size && i + s < golfers.size(); ++s) state.group.entries[s] = golfers[i + s];
      ASSERT_TRUE(write_record(state, RecordKind::group, static_cast<int>(i) / group_size + 1));
    }
  }

  // The stored field of tournament t, group by group, as names ("" = empty).
  std::vector<std::vector<std::string>> stored_groups(int t, int groups) {
    EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
    std::vector<std::vector<std::string>> out;
    for (int g = 1; g <= groups; ++g) {
      EXPECT_TRUE(read_record(state, RecordKind::group, g));
      auto& row = out.emplace_back();
      for (int s = 0; s < state.header.group_size; ++s) row.push_back(field_text(state.group.entries[s].name));
    }
    return out;
  }

  std::unique_ptr<ReorganizeModel> open(int t) {
    EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
    return std::make_unique<ReorganizeModel>(state, ReorganizeMode::reorganise, nullptr, random);
  }

  TestHome home;
  State& state;
  std::mt19937 random;
};

TEST_F(ReorganizeTest, LinesShowHeadersGolfersAndVacancies) {
  GolferEntry plus = named("Pro", -23);
  plus.in_skins = 1;
  plus.entry_flags = entry_flag::power_cart;
  tournament(1, {named("Ann", 82), plus, named("Cy", 0)});
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.first_tee_hour = 8;
  state.header.tee_interval_index = 8;  // 7.5 minutes
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  auto model = open(1);
  EXPECT_EQ(model->title(), "Re-organize Foursomes");
  EXPECT_EQ(model->find("holding")->label, "Temporary Database");
  const auto& options = model->find("field")->options;
  ASSERT_EQ(options.size(), 200u * 5);  // every group the tournament can hold
  EXPECT_EQ(options[0], "-- 1 --  08:00 ----------");
  EXPECT_EQ(options[1], "Ann\t 8.2\tN\tN\tM");
  EXPECT_EQ(options[2], "Pro\t+2.3\tY\tY\tM");
  EXPECT_EQ(options[3], "Cy\t+0.0\tN\tN\tM");
  EXPECT_EQ(options[4], " ");
  EXPECT_EQ(options[5], "-- 2 -- 08:07:30 ----------");
}

TEST_F(ReorganizeTest, AStoredGenderOtherThanMOrFShowsTheTournamentDefault) {
  GolferEntry odd = named("Odd");
  odd.gender = 'x';
  GolferEntry unset = named("Unset");
  unset.gender = 0;
  GolferEntry woman = named("Wyn");
  woman.gender = 'F';
  tournament(1, {odd, unset, woman});
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.default_gender = 'F';
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  auto model = open(1);
  const auto& options = model->find("field")->options;
  EXPECT_EQ(options[1], "Odd\t10.0\tN\tN\tF");
  EXPECT_EQ(options[2], "Unset\t10.0\tN\tN\tF");
  EXPECT_EQ(options[3], "Wyn\t10.0\tN\tN\tF");

  state.header.default_gender = 'M';
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));
  model = open(1);
  EXPECT_EQ(model->find("field")->options[1], "Odd\t10.0\tN\tN\tM");
  EXPECT_EQ(model->find("field")->options[3], "Wyn\t10.0\tN\tN\tF");
}

TEST_F(ReorganizeTest, HcapSortOnACrossOverStartPutsTheLowestEightInGroupsOneAndThree) {
  std::vector<GolferEntry> field;
  for (int i = 0; i < 16; ++i) field.push_back(named("G" + std::to_string(i), (16 - i) * 10));  // G15 lowest
  tournament(1, field);
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  state.header.start_type = static_cast<std::int8_t>(StartType::crossover);
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 1));

  auto model = open(1);
  home.ui.answer(Button::yes);  // ascending
  home.ui.answer(Button::yes);  // lower handicaps on tee #1
  ASSERT_TRUE(model->press("HcapSort").is_ok());
  EXPECT_EQ(home.ui.messages[0].title, "Sort Order");
  EXPECT_EQ(home.ui.messages[1].text,
            "This tournament is using a Cross Over start.  Do you wish to start the lower handicapped golfers on "
            "tee #1 and the higher handicapped golfers on tee #10?");
  ASSERT_TRUE(model->accept());
  auto groups = stored_groups(1, 4);
  EXPECT_EQ(groups[0], (std::vector<std::string>{"G15", "G14", "G13", "G12"}));
  EXPECT_EQ(groups[1], (std::vector<std::string>{"G7", "G6", "G5", "G4"}));
  EXPECT_EQ(groups[2], (std::vector<std::string>{"G11", "G10", "G9", "G8"}));
  EXPECT_EQ(groups[3], (std::vector<std::string>{"G3", "G2", "G1", "G0"}));
}

TEST_F(ReorganizeTest, AVacancyLeftByRemoveStaysAfterOkAndCancelWritesNothing) {
  tournament(1, {named("A"), named("B"), named("C"), named("D"), named("E")});
  auto model = open(1);
  ASSERT_TRUE(model->set("field", "B").is_ok());  // by its first column
  ASSERT_TRUE(model->press("REMOVE").is_ok());
  EXPECT_EQ(names(model->holding()), (std::vector<std::string>{"B"}));
  model->cancel();
  EXPECT_EQ(stored_groups(1, 1)[0], (std::vector<std::string>{"A", "B", "C", "D"}));

  model = open(1);
  ASSERT_TRUE(model->set("field", "#3").is_ok());
  ASSERT_TRUE(model->press("REMOVE").is_ok());
  ASSERT_TRUE(model->accept());
  auto groups = stored_groups(1, 2);
  EXPECT_EQ(groups[0], (std::vector<std::string>{"A", "", "C", "D"}));
  EXPECT_EQ(groups[1], (std::vector<std::string>{"E", "", "", ""}));
}

TEST_F(ReorganizeTest, OneHundredAndThirtyGroupsAreReorganisedWithoutLoss) {
  std::vector<GolferEntry> field;
  for (int i = 0; i < 130 * 4; ++i) field.push_back(named(format_text(16, "Golfer %03d", 519 - i), i % 300));
  tournament(1, field);
  auto model = open(1);
  ASSERT_TRUE(model->press("Alpha").is_ok());
  ASSERT_TRUE(model->accept());
  auto groups = stored_groups(1, 131);
  EXPECT_EQ(groups[0][0], "Golfer 000");
  EXPECT_EQ(groups[129][3], "Golfer 519");
  EXPECT_EQ(groups[130][0], "");
  EXPECT_EQ(state.header.group_count, 130);
}

TEST_F(ReorganizeTest, AddRefusesMoreGolfersThanVacanciesAndAddsIntoVacancies) {
  tournament(1, {named("A"), named("B"), named("C")}, Format::net, 5);  // room for 800 in 160 groups of 5
  auto model = open(1);
  for (const char* n : {"A", "B", "C"}) {
    ASSERT_TRUE(model->set("field", n).is_ok());
    ASSERT_TRUE(model->press("REMOVE").is_ok());
  }
  ASSERT_TRUE(model->set("holding", "#1,#3").is_ok());
  EXPECT_TRUE(model->press("ADD").is_ok());
  EXPECT_EQ(home.ui.last_message()->text, "The starting point for inserting the selected golfers must be specified.");
  const int last_group_header = 159 * 6;
  ASSERT_TRUE(model->set("field", "#" + std::to_string(last_group_header + 5)).is_ok());  // two vacancies left
  ASSERT_TRUE(model->set("holding", "#1,#2,#3").is_ok());
  ASSERT_TRUE(model->press("ADD").is_ok());
  EXPECT_EQ(home.ui.last_message()->text,
            "There is room for 2 of the 3 selected golfers after the selected starting point.  No golfers were "
            "added.");
  EXPECT_EQ(model->holding().size(), 3u);

  ASSERT_TRUE(model->set("field", "#2").is_ok());
  ASSERT_TRUE(model->set("holding", "#1,#3").is_ok());
  ASSERT_TRUE(model->press("ADD").is_ok());
  EXPECT_EQ(names(model->holding()), (std::vector<std::string>{"B"}));
  EXPECT_EQ(model->find("field")->options[1], "A\t10.0\tN\tN\tM");
  EXPECT_EQ(model->find("field")->options[2], "C\t10.0\tN\tN\tM");
  home.ui.messages.clear();
  ASSERT_TRUE(model->set("holding", "").is_ok());
  ASSERT_TRUE(model->press("ADD").is_ok());
  EXPECT_EQ(home.ui.last_message()->text, "No golfers selected for importing.");
}

TEST_F(ReorganizeTest, HighLowSpreadsTheRemainderOverTheLowBandsWithoutLoss) {
  std::vector<GolferEntry> field;
  for (int i = 1; i <= 10; ++i) field.push_back(named("H" + std::to_string(i), i * 10));
  // 10 golfers in groups of 4: bands of 3, 3, 2, 2.
  auto groups = high_low_groups(field, 4);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(names(groups[0]), (std::vector<std::string>{"H1", "H6", "H7", "H10"}));
  EXPECT_EQ(names(groups[1]), (std::vector<std::string>{"H2", "H5", "H8", "H9"}));
  EXPECT_EQ(names(groups[2]), (std::vector<std::string>{"H3", "H4"}));
  // Two to a group: the lowest and the highest remaining golfer.
  auto pairs = high_low_groups(field, 2);
  EXPECT_EQ(names(pairs[0]), (std::vector<std::string>{"H1", "H10"}));
  EXPECT_EQ(names(pairs[4]), (std::vector<std::string>{"H5", "H6"}));
}

TEST_F(ReorganizeTest, RandomDrawsOverTheWholeFieldAndKeepsEveryGolfer) {
  std::vector<GolferEntry> field;
  for (int i = 0; i < 600; ++i) field.push_back(named(format_text(16, "R%03d", i)));
  std::vector<GolferEntry> shuffled = field;
  shuffle_field(shuffled, random);
  std::vector<std::string> sorted = names(shuffled);
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, names(field));
  // A generator capped at 32767 could not reach far positions evenly; the
  // last hundred places must still receive golfers from the first hundred.
  int early_golfers_late = 0;
  for (std::size_t i = 500; i < 600; ++i) early_golfers_late += field_text(shuffled[i].name) < "R100";
  EXPECT_GT(early_golfers_late, 0);
}

TEST_F(ReorganizeTest, DragMovesIntoAVacancyOntoAGroupAndExchangesGolfers) {
  tournament(1, {named("A"), named("B"), named("C"), named("D"), named("E")});
  auto model = open(1);
  ASSERT_TRUE(model->move("E", "#1").is_ok());  // onto group 1's header: it has no vacancy
  EXPECT_EQ(home.ui.last_message()->text, "Group 1 has no vacancy.");
  ASSERT_TRUE(model->move("A", "#8").is_ok());  // a vacancy of group 2
  ASSERT_TRUE(model->move("E", "#1").is_ok());  // now group 1 has a vacancy
  ASSERT_TRUE(model->move("B", "C").is_ok());  // exchange
  ASSERT_TRUE(model->move("D", "holding").is_ok());
  EXPECT_FALSE(model->move("#1", "#3").is_ok());  // a header line is not moved
  ASSERT_TRUE(model->accept());
  auto groups = stored_groups(1, 2);
  EXPECT_EQ(groups[0], (std::vector<std::string>{"E", "C", "B", ""}));
  EXPECT_EQ(groups[1], (std::vector<std::string>{"", "A", "", ""}));
}

TEST_F(ReorganizeTest, GuestReplacesALineAndAsksAboutALinkedGolfer) {
  GolferEntry member = named("Member");
  member.is_member = 1;
  tournament(1, {member});
  auto model = open(1);
  ASSERT_TRUE(model->press("Guest").is_ok());
  EXPECT_EQ(home.ui.last_message()->text, "The destination for the guest must be selected.");
  ASSERT_TRUE(model->set("field", "#2").is_ok());
  home.ui.answer(Button::yes);
  home.ui.dialog(DialogScript{{{"name", "Visitor"}, {"index", "+1.5"}, {"gender", "Female"}, {"skins", "1"}}});
  ASSERT_TRUE(model->press("Guest").is_ok());
  EXPECT_EQ(home.ui.messages.back().title, "Quillon - Warning");
  EXPECT_EQ(model->find("field")->options[1], "Visitor\t+1.5\tY\tN\tF");
}

TEST_F(ReorganizeTest, PrevRndRefusedOnDayOneAndPlacesAGolferAbsentTheDayBeforeLast) {
  // Day 1: Ann 74, Bob 70, Cid entered without a score; Dee is not there.
  GolferEntry ann = testing::par_golfer("Ann", {{1, 7}}, 0);
  GolferEntry bob = testing::par_golfer("Bob", {{1, 3}}, 0);
  tournament(1, {ann, bob, named("Cid", 0)});
  tournament(2, {named("Dee"), named("Cid"), named("Bob"), named("Ann")});
  state.header = TournamentHeader{};
  set_field_text(state.header.name, "Event");
  set_format(state.header, Format::multi_round);
  state.header.round_tournaments[0] = 1;
  state.header.round_tournaments[1] = 2;
  ASSERT_TRUE(write_record(state, RecordKind::tournament, 3));
  state.tournament_count = 3;

  auto day1 = open(1);
  ASSERT_TRUE(day1->press("Prev Rnd").is_ok());
  EXPECT_EQ(home.ui.last_message()->text,
            "The selected tournament is not a 2nd, 3rd, 4th, or 5th round in a multiple round tournament.\nTo "
            "create a multiple round tournament select 'Add' / 'Add Multi-Round Tournament'");

  ASSERT_TRUE(read_record(state, RecordKind::tournament, 2));
  auto day2 = std::make_unique<ReorganizeModel>(
      state, ReorganizeMode::reorganise,
      [](State& s, int slot) {
        GolferEntry& e = s.group.entries[slot - 1];
        int sum = 0;
        for (int h = 0; h < 18; ++h) sum += e.hole_scores[h];
        e.gross_score = e.net_score = static_cast<std::int16_t>(sum);
        return Status::ok();
      },
      random);
  home.ui.answer(Button::yes);  // ascending
  home.ui.answer(Button::yes);  // gross
  ASSERT_TRUE(day2->press("Prev Rnd").is_ok());
  EXPECT_EQ(names(golfers_of(day2->lines())), (std::vector<std::string>{"Bob", "Ann", "Cid", "Dee"}));
  EXPECT_EQ(previous_round_key(PreviousDayScore{true, 2, 70}, true, false), "09929");
  EXPECT_EQ(previous_round_key(PreviousDayScore{}, true, false), "11999");
}

// A field that could not be read whole would be written back without the
// golfers not read: the window is not offered, and OK writes nothing.
TEST_F(ReorganizeTest, AFieldThatCouldNotBeReadIsNeverWrittenBack) {
  tournament(1, {named("Ann"), named("Bob"), named("Cid"), named("Dee"), named("Eve"), named("Fay")});
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  home.ui.messages.clear();
  state.db.fail_reads_after(4 * golfer_entry_size);  // group 1 is read, group 2 is not
  ReorganizeModel model(state, ReorganizeMode::reorganise, nullptr, random);
  state.db.fail_reads_after(std::nullopt);

  EXPECT_FALSE(model.field_read());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  EXPECT_FALSE(model.accept());
  EXPECT_EQ(stored_groups(1, 2),
            (std::vector<std::vector<std::string>>{{"Ann", "Bob", "Cid", "Dee"}, {"Eve", "Fay", "", ""}}));
}

}  // namespace
}  // namespace quillon
