// The command-line driver's contract: a value or a dialog that is refused
// leaves nothing stored and ends with status 1; dialogs opened by a button are
// driven with --next-dialog.
#include <gtest/gtest.h>

#include <sstream>

#include "app/application.h"
#include "cli/runner.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "tests/testing/test_home.h"
#include "tests/tournament/tournament_fixture.h"

namespace quillon {
namespace {

struct CliStrictTest : ::testing::Test {
  testing::TestHome home;
  void SetUp() override {
    State& state = home.started();
    testing::put_course(state, 1, "Pine Valley", "PV", "Blue", 18);
  }
  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path().string(), "--today", "2026-12-07"});
    std::ostringstream out, err_stream;
    int status = cli::run(args, out, err_stream);
    err = err_stream.str();
    return status;
  }
  // The database as another opener sees it now.
  State& reopened() {
    fresh = home.new_state();
    int exit_code = 0;
    EXPECT_TRUE(start_application(*fresh, {}, exit_code));
    return *fresh;
  }
  std::string err;
  std::unique_ptr<State> fresh;
};

TEST_F(CliStrictTest, ARefusedTypedValueCancelsTheDialogAndStoresNothing) {
  EXPECT_EQ(run({"--set", "name=Spring Cup", "--set", "group_size=0", "1301"}), 1);
  EXPECT_NE(err.find("Quillon - Error: The number of golfers per group must be between 1 and 5\n"
                     "quillon-cli: the value \"0\" of group_size was refused; the dialog was cancelled and nothing "
                     "of it was stored\n"),
            std::string::npos)
      << err;
  EXPECT_EQ(reopened().tournament_count, 0);

  EXPECT_EQ(run({"--set", "name=A name far longer than the field can hold", "1301"}), 1);
  EXPECT_NE(err.find("is longer than the 35 characters the field takes"), std::string::npos) << err;
  EXPECT_EQ(reopened().tournament_count, 0);

  ASSERT_EQ(run({"--set", "name=Spring Cup", "1301"}), 0);
  EXPECT_EQ(run({"--tournament", "1", "--set", "name.1.1=Ann Lee", "--set", "gender.1.1=Q", "1303"}), 1);
  State& state = reopened();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  EXPECT_EQ(field_text(state.group.entries[0].name), "") << "the row with the refused gender was not saved";
}

TEST_F(CliStrictTest, AValueTheFieldDoesNotTakeOrARefusedOkStoresNothing) {
  ASSERT_EQ(run({"--set", "name=Spring Cup", "--set", "format=Net Scores", "1301"}), 0);
  ASSERT_EQ(run({"--tournament", "1", "--set", "name.1=Ann Lee", "--set", "score.1.1=5", "1305"}), 0);
  EXPECT_EQ(run({"--tournament", "1", "--set", "score.1.1=4", "--set", "score.1.2=4a", "1305"}), 1);
  EXPECT_NE(err.find("does not take \"4a\""), std::string::npos) << err;
  State& state = reopened();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  ASSERT_TRUE(read_record(state, RecordKind::group, 1));
  EXPECT_EQ(state.group.entries[0].hole_scores[0], 5) << "hole 1 keeps its stored score";

  EXPECT_EQ(run({"--tournament", "1", "--set", "name.1=Ann Lee", "--set", "handicap_index.1=abc", "1305"}), 1);
  EXPECT_NE(err.find("refused its values on OK"), std::string::npos) << err;
}

TEST_F(CliStrictTest, ButtonsOpenNestedDialogsThatTheNextScriptDrives) {
  EXPECT_EQ(run({"--set", "name=Callaway Day", "--set", "format=Callaway Handicaps", "--press",
                 "callaway_configuration", "--next-dialog", "--set", "table_base=72", "1301"}),
            0)
      << err;
  State& state = reopened();
  ASSERT_TRUE(read_record(state, RecordKind::tournament, 1));
  EXPECT_EQ(state.header.callaway_table_base, 72);

  EXPECT_EQ(run({"--set", "name=Second Day", "--set", "format=Callaway Handicaps", "--press", "callaway_configuration",
                 "--next-dialog", "--set", "table_base=7x", "1301"}),
            1);
  EXPECT_NE(err.find("the dialog opened by callaway_configuration was refused"), std::string::npos) << err;
  EXPECT_EQ(reopened().tournament_count, 1) << "the outer dialog was cancelled too";

  EXPECT_EQ(run({"--set", "name=Third Day", "--press", "notepad", "--next-dialog", "--list-fields", "1301"}), 0);
  EXPECT_EQ(reopened().tournament_count, 1) << "listing a nested dialog stores nothing";
}

}  // namespace
}  // namespace quillon
