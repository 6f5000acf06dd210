// Two processes with the same database open: adding and purging at the same
// moment loses no tournament and hands out no number twice. Each round forks
// real processes, since the database lock excludes other openers.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/database.h"
#include "core/database_startup.h"
#include "core/fixed_text.h"
#include "tests/tournament/tournament_fixture.h"
#include "tournament/tournament_commands.h"

namespace quillon {
namespace {

using testing::TestHome;

constexpr int rounds = 4;
constexpr int adds_per_process = 3;

std::unique_ptr<State> open_again(TestHome& home) {
  auto state = home.new_state();
  if (!open_or_create_database(*state)) return nullptr;
  EXPECT_TRUE(read_configuration(*state));
  EXPECT_TRUE(finish_database_startup(*state));
  return state;
}

// Runs `work` in a child process; its exit status says whether every step
// reported success.
pid_t in_child(const std::function<bool()>& work) {
  pid_t pid = fork();
  if (pid == 0) _exit(work() ? 0 : 1);
  return pid;
}

bool child_succeeded(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool add_named(TestHome& home, const std::string& prefix, int year) {
  auto state = open_again(home);
  if (!state) return false;
  for (int k = 1; k <= adds_per_process; ++k) {
    home.ui.dialog(
        {{{"name", prefix + std::to_string(k)}, {"date", std::to_string(year) + "-06-0" + std::to_string(k)}},
         false,
         false});
    if (add_tournament(*state) == 0) return false;
  }
  return true;
}

struct Stored {
  std::multiset<std::string> names;
  std::set<int> sequence_numbers;
};

Stored stored_tournaments(TestHome& home) {
  Stored s;
  auto state = open_again(home);
  for (int t = 1; state && t <= state->tournament_count; ++t) {
    EXPECT_TRUE(read_record(*state, RecordKind::tournament, t));
    if (tournament_slot_free(state->header)) continue;
    s.names.insert(field_text(state->header.name));
    s.sequence_numbers.insert(state->header.sequence_number);
  }
  return s;
}

TEST(ConcurrentOpeners, TwoAddingAtOnceKeepEveryTournament) {
  for (int round = 0; round < rounds; ++round) {
    TestHome home;
    testing::put_course(home.started(), 1, "Pine Valley", "PV", "Blue", 18);
    pid_t a = in_child([&] { return add_named(home, "Alpha ", 2026); });
    pid_t b = in_child([&] { return add_named(home, "Bravo ", 2026); });
    EXPECT_TRUE(child_succeeded(a));
    EXPECT_TRUE(child_succeeded(b));

    Stored s = stored_tournaments(home);
    EXPECT_EQ(s.names, (std::multiset<std::string>{"Alpha 1", "Alpha 2", "Alpha 3", "Bravo 1", "Bravo 2", "Bravo 3"}))
        << "round " << round;
    EXPECT_EQ(s.sequence_numbers.size(), 6u) << "round " << round;
  }
}

TEST(ConcurrentOpeners, APurgeKeepsTournamentsAddedMeanwhile) {
  for (int round = 0; round < rounds; ++round) {
    TestHome home;
    State& first = home.started();
    testing::put_course(first, 1, "Pine Valley", "PV", "Blue", 18);
    for (int k = 1; k <= 3; ++k) {
      home.ui.dialog({{{"name", "Old " + std::to_string(k)}, {"date", "2019-05-0" + std::to_string(k)}}, false, false});
      ASSERT_NE(add_tournament(first), 0);
    }
    pid_t adder = in_child([&] { return add_named(home, "New ", 2026); });
    pid_t purger = in_child([&] {
      auto state = open_again(home);
      int purged = 0;
      return state && purge_tournaments(*state, Date{125, 1, 1}, purged).is_ok();
    });
    EXPECT_TRUE(child_succeeded(adder));
    EXPECT_TRUE(child_succeeded(purger));

    // Whichever ran first, the old ones go and every new one stays.
    Stored s = stored_tournaments(home);
    EXPECT_EQ(s.names.count("New 1") + s.names.count("New 2") + s.names.count("New 3"), 3u) << "round " << round;
    EXPECT_EQ(s.names.size(), 3u) << "round " << round;
  }
}

}  // namespace
}  // namespace quillon
