// An export whose database read fails stops with the read error and leaves no file.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/database.h"
#include "exchange/imports/tee_sheet_export.h"
#include "tests/exchange/support/exchange_fixture.h"
#include "tests/testing/read_failure.h"

namespace quillon::testing {
namespace {

TEST(ExportReadFailure, TheTeeSheetIsNotWrittenWhenAGroupCannotBeRead) {
  TestHome home;
  State& state = home.started();
  put_cup(state, 3);
  put_golfers(state, {{1, 0, "Alan Brooks", 84, 'M', 1, true}, {2, 0, "David Evans", 42, 'M', 1, true}});
  home.ui.files.push_back((home.path() / "sheet").string());
  home.ui.messages.clear();

  state.db.fail_reads_after(tournament_header_size);  // the header, then the first group fails
  Status exported = export_tee_sheet(state, 1);
  state.db.fail_reads_after(std::nullopt);

  EXPECT_FALSE(exported);
  EXPECT_FALSE(exported.needs_telling());
  EXPECT_EQ(home.ui.message_texts(), std::vector<std::string>{testing::injected_read_error});
  EXPECT_FALSE(std::filesystem::exists(home.path() / "sheet.xlsx"));
}

}  // namespace
}  // namespace quillon::testing
