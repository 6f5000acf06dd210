// The score cards carry the group's PIN and a QR code of its entry address
// once the board is set up for the tournament.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>

#include "app/application.h"
#include "app/demo.h"
#include "core/database.h"
#include "core/state.h"
#include "exchange/board/board_cards.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_settings.h"
#include "report/report_page.h"
#include "tests/testing/html_table.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {
namespace {

// The lines of text a command prints on its standard output.
std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char chunk[4096];
  for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) out.append(chunk, n);
  pclose(pipe);
  return out;
}

std::vector<std::string> card_texts(ScriptedUi& ui) {
  std::vector<std::string> texts;
  if (ui.previews.empty()) return texts;
  for (const DrawOp& op : ui.previews.back().drawing.ops)
    if (!op.text.empty()) texts.push_back(op.text);
  return texts;
}

bool holds(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

class BoardCards : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(prepare_demo_home(home.path(), home.clock)); }
  TestHome home;
};

TEST_F(BoardCards, CardsCarryPinAndAddressOnlyWhenTheBoardShowsTheirTournament) {
  State& state = home.started();
  home.ui.select(SelectionKind::tournament, "1");
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  ASSERT_TRUE(dispatch_command(state, 2001));
  std::vector<std::string> plain = card_texts(home.ui);
  ASSERT_FALSE(plain.empty());
  for (const std::string& t : plain) EXPECT_EQ(t.find("Clubhouse Board PIN"), std::string::npos) << t;

  ASSERT_TRUE(board::save_board_settings(home.path(), {"192.168.7.2", 8080, 1}));
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  ASSERT_TRUE(dispatch_command(state, 2001));
  std::vector<std::string> marked = card_texts(home.ui);
  auto book = board::PinBook::load(home.path());
  ASSERT_TRUE(book);
  for (int g = 1; g <= 5; ++g) {
    EXPECT_TRUE(holds(marked, "Clubhouse Board PIN : " + book->pin(1, g))) << g;
    EXPECT_TRUE(holds(marked, "http://192.168.7.2:8080/group?g=" + std::to_string(g))) << g;
  }

  // The board set up for another tournament leaves these cards as they were.
  ASSERT_TRUE(board::save_board_settings(home.path(), {"192.168.7.2", 8080, 2}));
  home.ui.answer(Button::no);
  home.ui.answer(Button::ok);
  ASSERT_TRUE(dispatch_command(state, 2001));
  EXPECT_EQ(card_texts(home.ui), plain);
}

TEST_F(BoardCards, TheBoardPinsListNamesEveryGroupWithItsPinAndAddress) {
  State& state = home.started();
  ASSERT_TRUE(board::save_board_settings(home.path(), {"192.168.7.2", 8080, 1}));
  EXPECT_TRUE(run_report(state, [](State& s) { return board::board_pins_report(s, 1); }));
  std::ifstream in(home.path() / "qlwin4.html", std::ios::binary);
  const std::string page((std::istreambuf_iterator<char>(in)), {});
  auto book = board::PinBook::load(home.path());
  ASSERT_TRUE(book);
  std::vector<RowTexts> rows = texts(data_rows(report_tables(page)));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0], (RowTexts{"", "001", "Alan Brooks, Brian Carter, Claire Dunn, David Evans", book->pin(1, 1),
                               "http://192.168.7.2:8080/group?g=1"}));
  for (int g = 1; g <= 5; ++g) EXPECT_EQ(rows[g - 1][3], book->pin(1, g));
  EXPECT_NE(page.find("Board PINs"), std::string::npos);
}

TEST_F(BoardCards, ThePrintedQrCodesDecodeToTheGroupsAddresses) {
  ASSERT_TRUE(board::save_board_settings(home.path(), {"10.1.2.3", 8090, 1}));
  const std::string pdf = (home.path() / "cards.pdf").string();
  const std::string cli = QUILLON_CLI;
  ASSERT_EQ(std::system((cli + " --home " + home.path().string() + " --tournament 1 --answer no --answer print --pdf " +
                         pdf + " 2001 2>/dev/null")
                            .c_str()),
            0);
  ASSERT_EQ(std::system(("pdftoppm -r 200 -png " + pdf + " " + (home.path() / "card").string()).c_str()), 0);
  std::set<std::string> decoded;
  for (const auto& entry : std::filesystem::directory_iterator(home.path())) {
    if (entry.path().extension() != ".png") continue;
    std::string out = run("zbarimg -q --raw " + entry.path().string() + " 2>/dev/null");
    for (std::size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
      decoded.insert(out.substr(at, end - at));
  }
  std::set<std::string> expected;
  for (int g = 1; g <= 5; ++g) expected.insert("http://10.1.2.3:8090/group?g=" + std::to_string(g));
  EXPECT_EQ(decoded, expected);
}

}  // namespace
}  // namespace quillon::testing
