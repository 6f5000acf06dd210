#include "app/commands.h"

#include "app/print_commands.h"

#include "app/field_commands.h"
#include "core/build_info.h"
#include "core/database.h"
#include "core/database_io.h"
#include "core/help_topics.h"
#include "core/messages.h"
#include "core/reporting_name.h"
#include "core/state.h"
#include "core/system_configuration.h"
#include "courses/course_commands.h"
#include "courses/tee_consolidation.h"
#include "exchange/backup/backup_commands.h"
#include "exchange/backup/net_backup.h"
#include "exchange/imports/exchange_commands.h"
#include "exchange/network/net_commands.h"
#include "handicap/stableford_settings.h"
#include "report/field_report_commands.h"
#include "report/results_report_commands.h"
#include "scoring/manual_winner.h"
#include "scoring/score_golfer.h"
#include "tournament/formats.h"
#include "tournament/golfer_commands.h"
#include "tournament/score_commands.h"
#include "tournament/tournament_commands.h"

namespace quillon {

namespace {

// The desktop program saves its window's rectangle as it closes the database.
// A failed flush is shown to the user; the program ends all the same.
Status exit_program(State& state, int) {
  state.exit_requested = true;
  return flush_database(state);
}

Status getting_started(State& state, int) {
  show_help(state, Help::getting_started);
  state.system.getting_started_seen = 1;
  Status written = write_record(state, RecordKind::system, 1);
  // Not marked seen in memory either when it could not be recorded (the user has been told).
  if (!written) state.system.getting_started_seen = 0;
  return written;
}

// Commands that give the number of what they changed, 0 when they stopped
// after telling the user why (or on the user's Cancel).
Status done_if_numbered(int number) { return Status::ok_or_told(number != 0); }

std::vector<std::string> format_names_for_configuration() {
  std::vector<std::string> names;
  for (int code = 0; code < format_count; ++code) names.push_back(format_name(static_cast<Format>(code)));
  return names;
}

CommandRegistry build_registry() {
  CommandRegistry r;
  r.add({1101}, exit_program);
  r.add({1407}, [](State& s, int) { return change_reporting_name(s); });
  r.add({1701}, [](State& s, int) { return system_configuration(s, format_names_for_configuration()); });
  r.add({1801, 927, 998}, [](State& s, int) {
    show_help(s, Help::contents);
    return Status::ok();
  });
  r.add({1803}, getting_started);
  r.add({1306, 1307, 1308, 1309}, [](State& s, int n) {
    int holes = (n == 1306 || n == 1307) ? 9 : 18;
    return (n == 1306 || n == 1308) ? add_course(s, holes) : add_tee_position(s, holes);
  });
  r.add({1405}, [](State& s, int) { return change_course(s); });
  r.add({1502}, [](State& s, int) { return remove_course(s); });
  r.add({1412}, [](State& s, int) { return consolidate_tees(s); });
  r.add({1301}, [](State& s, int) { return done_if_numbered(add_tournament(s)); });
  r.add({1401}, [](State& s, int) { return done_if_numbered(modify_tournament(s)); });
  r.add({1310, 1311}, [](State& s, int n) { return done_if_numbered(copy_tournament(s, n == 1310)); });
  r.add({1501}, [](State& s, int) { return done_if_numbered(drop_tournament(s)); });
  r.add({1702}, [](State& s, int) { return done_if_numbered(purge_older_tournaments(s)); });
  r.add({1303, 1304, 988}, [](State& s, int) { return Status::ok_or_told(add_golfers(s, GolferWindow::summary)); });
  r.add({1402}, [](State& s, int) { return Status::ok_or_told(change_golfers_summary(s)); });
  r.add({1403}, [](State& s, int) { return Status::ok_or_told(change_golfers_detail(s)); });
  r.add({1703}, [](State& s, int) { return Status::ok_or_told(custom_stableford_configuration(s)); });
  r.add({1602, 1603, 1604, 1605, 1606, 1616, 1617, 1623, 1627, 1628, 1637, 1638},
        [](State& s, int n) { return run_field_report_command(s, n); });
  auto engine = [](State& s, int slot) { return score_golfer(s, slot, CardMessages::quiet); };
  r.add({1305, 987}, [engine](State& s, int) { return Status::ok_or_told(add_scores(s, engine)); });
  r.add({1404}, [engine](State& s, int) { return Status::ok_or_told(change_scores(s, engine)); });
  r.add({1413}, [](State& s, int) { return manually_specify_winner(s); });
  r.add({1607, 1608, 1609, 1611, 1612, 1613, 1614, 1615, 1621, 1622, 1636, 1639},
        [](State& s, int n) { return run_results_report_command(s, n); });
  r.add({2005}, [](State& s, int) {
    s.ui.open_page(default_web_host);
    return Status::ok();
  });
  register_field_commands(r);
  register_network_commands(r);
  register_backup_commands(r, std::make_shared<ConfiguredBackupServer>());
  register_exchange_commands(r);
  add_print_commands(r);
  return r;
}

}  // namespace

const CommandRegistry& command_registry() {
  static const CommandRegistry registry = build_registry();
  return registry;
}

}  // namespace quillon
