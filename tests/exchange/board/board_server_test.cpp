// The board served on loopback and driven over HTTP as phones and boards do.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/database.h"
#include "core/fixed_text.h"
#include "core/state.h"
#include "report/event_results_page.h"
#include "report/results_page.h"
#include "scoring/format_rules.h"
#include "tests/exchange/board/board_fixture.h"
#include "tests/testing/html_table.h"

namespace quillon::testing {
namespace {

constexpr int winter_medal = 1, spring_stableford = 2, summer_best_ball = 3, autumn_scramble = 4, championship = 8;

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// (rank, first name line) of every ranked row of the results page of tournament t.
std::vector<std::pair<std::string, std::string>> page_ranking(State& state, int t) {
  EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
  const bool made = state.header.format == 99 ? event_results_report(state, report_type::traditional, 0)
                                              : results_report(state, report_type::traditional, 0, false);
  EXPECT_TRUE(made);
  auto tables = report_tables(read_file(state.file(state.report_page_name)));
  std::vector<std::string> heads = texts(header_row(tables));
  std::size_t rank = heads.size(), name = heads.size();
  for (std::size_t i = 0; i < heads.size(); ++i) {
    if (rank == heads.size() && heads[i].rfind("Rank", 0) == 0) rank = i;
    if (name == heads.size() && heads[i].rfind("Golfer", 0) == 0) name = i;
  }
  EXPECT_LT(name, heads.size());
  std::vector<std::pair<std::string, std::string>> rows;
  for (const RowTexts& cells : texts(data_rows(tables)))
    if (cells.size() > name && !cells[rank].empty())
      rows.emplace_back(cells[rank], cells[name].substr(0, cells[name].find('\n')));
  return rows;
}

// The score of hole h of the golfer in `slot` on a group's card.
int card_score(const Tree& card, int slot, int hole) {
  for (const auto& golfer : card.get_child("golfers")) {
    if (golfer.second.get<int>("slot") != slot) continue;
    auto score = golfer.second.get_child("scores").begin();
    std::advance(score, hole - 1);
    return std::stoi(score->second.data());
  }
  return -1;
}

std::vector<std::int8_t> holes_of(State& state, int t, int group, int slot) {
  EXPECT_TRUE(read_record(state, RecordKind::tournament, t));
  EXPECT_TRUE(read_record(state, RecordKind::group, group));
  const GolferEntry& e = state.group.entries[slot - 1];
  return std::vector<std::int8_t>(std::begin(e.hole_scores), std::end(e.hole_scores));
}

TEST_F(BoardServerTest, BoardRowsRankAsTheResultsPageDoesForStrokeStablefordTeamsAndAnEvent) {
  State& state = home.started();
  for (int t : {winter_medal, spring_stableford, summer_best_ball, autumn_scramble, championship}) {
    serve(t);
    Tree board = get_json("/api/board.json");
    auto expected = page_ranking(state, t);
    EXPECT_GE(expected.size(), 5u) << "tournament " << t;
    EXPECT_EQ(board_ranking(board), expected) << "tournament " << t;
    stop();
  }
}

TEST_F(BoardServerTest, BoardColumnsFollowTheFormat) {
  serve(spring_stableford);
  Tree board = get_json("/api/board.json");
  std::vector<std::string> columns;
  for (const auto& c : board.get_child("columns")) columns.push_back(c.second.data());
  EXPECT_EQ(columns, (std::vector<std::string>{"Gross", "Points"}));
  EXPECT_EQ(board.get<std::string>("format"), "Stableford (Net Par)");
  stop();
  serve(championship);
  board = get_json("/api/board.json");
  columns.clear();
  for (const auto& c : board.get_child("columns")) columns.push_back(c.second.data());
  EXPECT_EQ(columns, (std::vector<std::string>{"R1", "R2", "R3", "Gross", "Net"}));
  EXPECT_EQ(board.get<std::string>("event"), "true");
  // An event takes scores for its last day.
  EXPECT_EQ(get_json("/api/groups.json").get<int>("tournament"), championship - 1);
}

TEST_F(BoardServerTest, AScoreSavedThroughTheApiIsInTheDatabaseAndOnEveryListeningBoard) {
  State& state = home.started();
  serve(winter_medal);
  const std::vector<std::int8_t> before = holes_of(state, winter_medal, 1, 1);
  ASSERT_EQ(before[0], 5);
  const int gross = state.group.entries[0].gross_score, net = state.group.entries[0].net_score;
  const std::string name = field_text(state.group.entries[0].name);
  EventListener listener(port);
  ASSERT_TRUE(listener.next_board()) << "the first event carries the board as it is";

  HttpReply reply = post_score(1, R"({"golfer": 1, "hole": 1, "score": 3, "was": 5})", pin(1));
  ASSERT_EQ(reply.status, 200) << reply.body;
  EXPECT_EQ(parse_json(reply.body).get<int>("stored"), 3);

  std::vector<std::int8_t> after = holes_of(state, winter_medal, 1, 1);
  EXPECT_EQ(after[0], 3);
  EXPECT_TRUE(std::equal(after.begin() + 1, after.end(), before.begin() + 1));
  EXPECT_EQ(state.group.entries[0].gross_score, gross - 2) << "the completed card was scored again";
  EXPECT_EQ(state.group.entries[0].net_score, net - 2);

  auto event = listener.next_board();
  ASSERT_TRUE(event);
  EXPECT_EQ(board_values(parse_json(*event), name),
            (std::vector<std::string>{std::to_string(gross - 2), std::to_string(net - 2)}));
  EXPECT_EQ(board_values(get_json("/api/board.json"), name), board_values(parse_json(*event), name));
  EXPECT_EQ(card_score(get_json("/api/groups/1.json"), 1, 1), 3);
}

TEST_F(BoardServerTest, AWriteByAnotherProgramReachesListeningBoards) {
  State& state = home.started();
  serve(winter_medal);
  EventListener listener(port);
  ASSERT_TRUE(listener.next_board());
  std::vector<std::int8_t> holes = holes_of(state, winter_medal, 2, 1);
  const std::string name = field_text(state.group.entries[0].name);
  int gross = 0;
  for (int h = 0; h < 17; ++h) gross += holes[h];
  state.group.entries[0].hole_scores[17] = 1;  // an ace on the last hole, written as another program would
  ASSERT_TRUE(write_record(state, RecordKind::group, 2));
  auto event = listener.next_board();
  ASSERT_TRUE(event) << "no event after another program's write";
  EXPECT_EQ(board_values(parse_json(*event), name).at(0), std::to_string(gross + 1));
}

TEST_F(BoardServerTest, WrongPinsAreRefusedAndPausedAfterFiveFromOneAddress) {
  State& state = home.started();
  serve(winter_medal);
  const std::string right = pin(3);
  ASSERT_EQ(right.size(), 6u);
  const std::string wrong = right == "000000" ? "111111" : "000000";
  const auto before = holes_of(state, winter_medal, 3, 1);
  for (int attempt = 1; attempt <= 5; ++attempt) {
    HttpReply reply = post_score(3, R"({"golfer": 1, "hole": 1, "score": 2})", wrong);
    ASSERT_EQ(reply.status, 403) << reply.body;
    EXPECT_EQ(parse_json(reply.body).get<int>("tries_left"), 5 - attempt);
  }
  HttpReply paused = post_score(3, R"({"golfer": 1, "hole": 1, "score": 2})", right);
  EXPECT_EQ(paused.status, 429) << paused.body;
  EXPECT_EQ(parse_json(paused.body).get<std::string>("error"),
            "Too many wrong PINs for group 3. Try again in 10 minute(s).");
  EXPECT_EQ(paused.headers["retry-after"], "600");
  EXPECT_EQ(holes_of(state, winter_medal, 3, 1), before);
  // The pause is for that group only.
  EXPECT_EQ(post_score(4, R"({"golfer": 1, "hole": 1, "score": 4})", pin(4)).status, 200);
  // Without the page's token a right PIN does not write either.
  HttpReply forged = http_request(port, "POST", "/api/groups/4/scores", R"({"golfer": 1, "hole": 1, "score": 2})",
                                  {{"Content-Type", "application/json"}, {"X-Board-Pin", pin(4)}});
  EXPECT_EQ(forged.status, 403);
  HttpReply other_site = http_request(port, "POST", "/api/groups/4/scores", R"({"golfer": 1, "hole": 1, "score": 2})",
                                      {{"Content-Type", "application/json"},
                                       {"X-Board-Pin", pin(4)},
                                       {"X-Board-Token", token()},
                                       {"Origin", "http://evil.example"}});
  EXPECT_EQ(other_site.status, 403);
  EXPECT_EQ(holes_of(state, winter_medal, 4, 1)[0], 4);
}

TEST_F(BoardServerTest, ScoresTheCardDoesNotTakeAreRefusedWithTheReason) {
  State& state = home.started();
  serve(winter_medal);
  const auto before = holes_of(state, winter_medal, 1, 2);
  struct Case {
    const char* body;
    int status;
    const char* error;
  };
  const Case cases[] = {
      {R"({"golfer": 2, "hole": 4, "score": 16})", 422, "A hole score is a whole number from 1 to 15"},
      {R"({"golfer": 2, "hole": 4, "score": 0})", 422, "A hole score is a whole number from 1 to 15"},
      {R"({"golfer": 2, "hole": 4, "score": "4a"})", 422, "A hole score is a whole number from 1 to 15"},
      {R"({"golfer": 2, "hole": 4, "score": "X"})", 422, "\"X\" (picked up) is taken only in the Stableford formats"},
      {R"({"golfer": 2, "hole": 19, "score": 4})", 404, "The course has no hole 19"},
      {R"({"golfer": 5, "hole": 4, "score": 4})", 404, "There is no golfer 5 in group 1"},
      {R"({"golfer": 2, "hole": 4})", 400, "A score needs \"golfer\", \"hole\" and \"score\""},
      {R"({"golfer": 2, "hole": 4, "score": 4, "was": "5"})", 400, "\"was\" is a number"},
      {R"({"golfer": 2, "hole": 4, "score": 4,})", 400, "The body is not a JSON object of numbers and texts"},
  };
  for (const Case& c : cases) {
    HttpReply reply = post_score(1, c.body, pin(1));
    EXPECT_EQ(reply.status, c.status) << c.body;
    EXPECT_EQ(parse_json(reply.body).get<std::string>("error"), c.error) << c.body;
  }
  EXPECT_EQ(post_score(99, R"({"golfer": 1, "hole": 1, "score": 4})", "123456").status, 403)
      << "a group without a PIN takes no PIN";
  EXPECT_EQ(holes_of(state, winter_medal, 1, 2), before);
}

TEST_F(BoardServerTest, StablefordTakesAPickUpAsTheScoreWindowDoes) {
  State& state = home.started();
  serve(spring_stableford);
  HttpReply reply = post_score(1, R"({"golfer": 1, "hole": 2, "score": "X"})", pin(1));
  ASSERT_EQ(reply.status, 200) << reply.body;
  const int stored = parse_json(reply.body).get<int>("stored");
  EXPECT_EQ(holes_of(state, spring_stableford, 1, 1)[1], stored);
  // Hole 2 is a par 5 at Lakeside: a pick-up is at least two over par, as a net double bogey scores nothing.
  EXPECT_GE(stored, 7);
  EXPECT_LE(stored, 9);
}

TEST_F(BoardServerTest, AScoreChangedAtTheDeskMeanwhileIsNotOverwritten) {
  State& state = home.started();
  serve(winter_medal);
  const int seen = holes_of(state, winter_medal, 2, 3)[6];
  EXPECT_EQ(card_score(get_json("/api/groups/2.json"), 3, 7), seen);
  state.group.entries[2].hole_scores[6] = static_cast<std::int8_t>(seen + 1);  // the desk types another score
  ASSERT_TRUE(write_record(state, RecordKind::group, 2));
  HttpReply reply =
      post_score(2, R"({"golfer": 3, "hole": 7, "score": 2, "was": )" + std::to_string(seen) + "}", pin(2));
  EXPECT_EQ(reply.status, 409) << reply.body;
  EXPECT_EQ(parse_json(reply.body).get<int>("stored"), seen + 1);
  EXPECT_EQ(holes_of(state, winter_medal, 2, 3)[6], seen + 1);
  // Told what the card says now, the phone may send its score again.
  reply = post_score(2, R"({"golfer": 3, "hole": 7, "score": 2, "was": )" + std::to_string(seen + 1) + "}", pin(2));
  EXPECT_EQ(reply.status, 200) << reply.body;
  EXPECT_EQ(holes_of(state, winter_medal, 2, 3)[6], 2);
}

TEST_F(BoardServerTest, MalformedRequestsGetA4xxALogLineAndWriteNothing) {
  serve(winter_medal);
  const std::string database = read_file(home.path() / "qlwin4.dat");
  EXPECT_EQ(raw_exchange(port, "NONSENSE\r\n\r\n").substr(0, 12), "HTTP/1.1 400");
  EXPECT_EQ(
      raw_exchange(port, "GET / HTTP/1.1\r\nHost: x\r\nContent-Length: 12\r\nContent-Length: 13\r\n\r\n").substr(0, 12),
      "HTTP/1.1 400");
  EXPECT_EQ(raw_exchange(port, "POST /api/groups/1/scores HTTP/1.1\r\nHost: x\r\nContent-Length: 100000\r\n\r\n")
                .substr(0, 12),
            "HTTP/1.1 413");
  EXPECT_EQ(
      raw_exchange(port, "GET / HTTP/1.1\r\nHost: x\r\nX-Long: " + std::string(9000, 'a') + "\r\n\r\n").substr(0, 12),
      "HTTP/1.1 431");
  EXPECT_EQ(http_request(port, "GET", "/../qlwin4.dat").status, 404);
  EXPECT_EQ(http_request(port, "GET", "/api/groups/1000.json").status, 404);
  EXPECT_EQ(http_request(port, "GET", "/api/groups/99.json").status, 404);
  EXPECT_EQ(http_request(port, "DELETE", "/api/board.json").status, 405);
  EXPECT_EQ(http_request(port, "POST", "/api/groups/1/scores", "{}", {{"Content-Type", "text/plain"}}).status, 415);
  int malformed = 0;
  for (const std::string& line : log_lines()) malformed += line.find("malformed request") != std::string::npos;
  EXPECT_EQ(malformed, 4);
  EXPECT_EQ(http_request(port, "GET", "/api/board.json").status, 200) << "the board still serves";
  EXPECT_EQ(read_file(home.path() / "qlwin4.dat"), database);
}

TEST_F(BoardServerTest, NamesReachThePagesOnlyEscaped) {
  State& state = home.started();
  holes_of(state, winter_medal, 1, 1);
  set_field_text(state.group.entries[0].name, "<img src=x>&\"Al\"");
  ASSERT_TRUE(write_record(state, RecordKind::group, 1));
  serve(winter_medal);
  for (const char* target : {"/api/board.json", "/api/groups/1.json", "/api/groups.json"}) {
    HttpReply reply = http_request(port, "GET", target);
    EXPECT_EQ(reply.body.find("<img"), std::string::npos) << target;
    EXPECT_NE(reply.body.find(R"(\u003cimg src=x\u003e\u0026\"Al\")"), std::string::npos) << target;
    EXPECT_EQ(reply.headers["x-content-type-options"], "nosniff");
  }
  EXPECT_EQ(parse_json(http_request(port, "GET", "/api/groups/1.json").body)
                .get_child("golfers")
                .front()
                .second.get<std::string>("name"),
            "<img src=x>&\"Al\"");
}

TEST_F(BoardServerTest, ACertificateAndKeyInTheHomeFolderSwitchOnHttps) {
  const std::string folder = home.path().string();
  ASSERT_EQ(std::system(("openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 -keyout " + folder +
                         "/board_key -out " + folder + "/board_cert 2>/dev/null")
                            .c_str()),
            0);
  serve(winter_medal);
  EXPECT_TRUE(server->tls());
  EXPECT_EQ(server->address(), "https://127.0.0.1:" + std::to_string(port) + "/");
  HttpReply reply = https_get(port, "/api/board.json");
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(parse_json(reply.body).get<std::string>("name"), "Winter Medal");
  EXPECT_EQ(http_request(port, "GET", "/api/board.json").status, 0) << "no plain HTTP beside it";
}

TEST_F(BoardServerTest, ConnectionsBeyondTheCapAreClosedAndLogged) {
  serve(winter_medal, 2);
  EventListener first(port), second(port);
  ASSERT_TRUE(first.next_board());
  ASSERT_TRUE(second.next_board());
  EXPECT_EQ(http_request(port, "GET", "/api/board.json").status, 0);
  int refused = 0;
  for (const std::string& line : log_lines())
    refused += line.find("refused: 2 connections are open") != std::string::npos;
  EXPECT_EQ(refused, 1);
}

TEST_F(BoardServerTest, AScrambleTeamEntersItsOneCard) {
  State& state = home.started();
  serve(autumn_scramble);
  Tree card = get_json("/api/groups/2.json");
  EXPECT_EQ(card.get<std::string>("team"), "true");
  ASSERT_EQ(card.get_child("golfers").size(), 1u);
  EXPECT_EQ(card.get_child("golfers").front().second.get<std::string>("name"), "Team");
  EXPECT_EQ(card.get_child("golfers").front().second.get_child("members").size(), 4u);
  const int seen = holes_of(state, autumn_scramble, 2, 1)[8];
  const int typed = seen == 3 ? 4 : 3;
  HttpReply reply = post_score(2, R"({"golfer": 1, "hole": 9, "score": )" + std::to_string(typed) + "}", pin(2));
  ASSERT_EQ(reply.status, 200) << reply.body;
  EXPECT_EQ(holes_of(state, autumn_scramble, 2, 1)[8], typed);
  EXPECT_EQ(post_score(2, R"({"golfer": 2, "hole": 9, "score": 4})", pin(2)).status, 404)
      << "a team keeps one card, in its first slot";
}

}  // namespace
}  // namespace quillon::testing
