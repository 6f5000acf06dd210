#pragma once
// The demonstration club's home folder with the board served on loopback.
#include <gtest/gtest.h>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <filesystem>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/demo.h"
#include "exchange/board/board_pins.h"
#include "exchange/board/board_server.h"
#include "tests/exchange/board/board_client.h"
#include "tests/testing/test_home.h"

namespace quillon::testing {

using Tree = boost::property_tree::ptree;

inline Tree parse_json(const std::string& text) {
  Tree tree;
  std::istringstream in(text);
  boost::property_tree::read_json(in, tree);
  return tree;
}

// (rank, name) of each row of a board, in order.
inline std::vector<std::pair<std::string, std::string>> board_ranking(const Tree& board) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const auto& row : board.get_child("rows"))
    rows.emplace_back(row.second.get<std::string>("rank"), row.second.get<std::string>("name"));
  return rows;
}

// The values of a golfer's row on a board; empty when the golfer has none.
inline std::vector<std::string> board_values(const Tree& board, const std::string& name) {
  std::vector<std::string> values;
  for (const auto& row : board.get_child("rows"))
    if (row.second.get<std::string>("name") == name)
      for (const auto& v : row.second.get_child("values")) values.push_back(v.second.data());
  return values;
}

class BoardServerTest : public ::testing::Test {
 protected:
  // The demonstration club is made once and copied into each test's home.
  static void SetUpTestSuite() {
    demo_ = std::make_unique<TestHome>();
    ASSERT_TRUE(prepare_demo_home(demo_->path(), demo_->clock));
  }
  static void TearDownTestSuite() { demo_.reset(); }
  void SetUp() override {
    ASSERT_TRUE(demo_);
    std::filesystem::copy(demo_->path(), home.path(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  }
  void TearDown() override { stop(); }

  void serve(int tournament, std::size_t max_connections = 500) {
    board::ServerOptions options;
    options.max_connections = max_connections;
    options.home = home.path();
    options.address = "127.0.0.1";
    options.port = 0;
    options.tournament = tournament;
    options.log = [this](const std::string& line) {
      std::lock_guard<std::mutex> hold(log_mutex);
      log.push_back(line);
    };
    auto created = board::BoardServer::create(options);
    ASSERT_TRUE(created) << created.status().reason();
    server = std::move(*created);
    server->start();
    port = server->port();
    this->tournament = tournament;
  }
  void stop() {
    if (server) server->stop();
    server.reset();
  }

  Tree get_json(const std::string& target) {
    HttpReply reply = http_request(port, "GET", target);
    EXPECT_EQ(reply.status, 200) << target << ": " << reply.body;
    return parse_json(reply.body);
  }
  std::string token() { return get_json("/api/token.json").get<std::string>("token"); }
  std::string pin(int group) {
    auto book = board::PinBook::load(home.path());
    EXPECT_TRUE(book);
    return book ? book->pin(tournament, group) : "";
  }
  HttpReply post_score(int group, const std::string& body, const std::string& pin_text) {
    return http_request(port, "POST", "/api/groups/" + std::to_string(group) + "/scores", body,
                        {{"Content-Type", "application/json"}, {"X-Board-Pin", pin_text}, {"X-Board-Token", token()}});
  }
  std::vector<std::string> log_lines() {
    std::lock_guard<std::mutex> hold(log_mutex);
    return log;
  }

  static inline std::unique_ptr<TestHome> demo_;
  TestHome home;
  std::unique_ptr<board::BoardServer> server;
  int port = 0;
  int tournament = 0;
  std::mutex log_mutex;
  std::vector<std::string> log;
};

}  // namespace quillon::testing
