#include "tournament/flights.h"

#include <algorithm>

#include "core/database.h"
#include "core/database_transaction.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/text.h"
#include "tournament/formats.h"
#include "tournament/header_options.h"
#include "tournament/tournament_selection.h"

namespace quillon {

namespace {

constexpr const char* complete_message =
    "Reorganization Complete.\n\nTo view a list of golfers sorted by Handicap Index and Division select 'Print' / "
    "'Golfer List' / 'By Handicap'.";

// Team events, and the team-card formats among them, have no flights by index.
bool refuses_flights(int code) {
  if (!is_table_format(code)) return false;
  const Format format = static_cast<Format>(code);
  return format_traits(format).team || format == Format::scramble || format == Format::callaway_scramble ||
         format == Format::ambrose;
}

struct Placed {
  int group;
  int slot;  // 0-based
  int index;
};

}  // namespace

std::vector<int> flight_sizes(int golfers, int flights, bool extra_to_last) {
  std::vector<int> sizes(static_cast<std::size_t>(flights), golfers / flights);
  const int extra = golfers % flights;
  for (int k = 0; k < extra; ++k) ++sizes[static_cast<std::size_t>(extra_to_last ? flights - 1 - k : k)];
  return sizes;
}

FlightSettingsModel::FlightSettingsModel(State& state, int preset)
    : state_(state),
      flights_(add(Field::list_field("flights", "# of Flights", number_list(min_flights, max_flights, "%2d")))),
      extra_(add(Field::list_field("extra", "Assignment of Extra Golfers",
                                   {"From first flight to last", "From last flight to first"}))),
      explanation_(add(Field::label_field(
          "explanation",
          "When the # of golfers is not evenly divisible by the # of flights, the \"Assignment of Extra "
          "Golfers\" feature allows you to specify if the first or last flight should be allocated the "
          "higher # of golfers."))),
      example_(add(Field::label_field("example",
                                      "For example, if 81 golfers are being divided into 4 flights, should it be the "
                                      "first or last flight which will contain 21 golfers?"))) {
  title_ = "Automatic Assignment of Flights";
  flights_.index = std::clamp(preset, min_flights, max_flights) - min_flights;
  extra_.index = (state.system.flags & system_flag::extra_golfers_last) ? 1 : 0;
  focus_ = flights_.name;
}

bool FlightSettingsModel::accept() {
  state_.system.default_flight_count = static_cast<std::uint8_t>(flights());
  if (extra_to_last()) state_.system.flags |= system_flag::extra_golfers_last;
  else state_.system.flags &= static_cast<std::uint16_t>(~system_flag::extra_golfers_last);
  return write_record(state_, RecordKind::system, 1).is_ok();
}

bool reorganize_flights_by_index(State& state) {
  const int slot = select_tournament(state, TournamentList::days);
  if (slot == 0) return false;
  if (refuses_flights(state.header.format)) {
    not_done_box(state, message_kind::warning,
                 "Reorganization of flights based on Handicap Index is not possible for Scramble, Ambrose, or Team "
                 "events.");
    return false;
  }
  FlightSettingsModel settings(state, state.header.division_count <= 1 ? min_flights : state.header.division_count);
  if (!state.ui.run_dialog(settings)) return false;
  const int flights = settings.flights();

  header_options::set(state.header, header_options::auto_assign, false);
  state.header.division_count = static_cast<std::int8_t>(flights);
  DatabaseTransaction change(state);
  if (!write_record(state, RecordKind::tournament, slot)) return false;

  BusyCursor busy(state);
  const int group_size = std::clamp(static_cast<int>(state.header.group_size), 1, max_group_size);
  std::vector<Placed> golfers;
  for (int g = 1; g <= state.header.group_count; ++g) {
    if (!read_record(state, RecordKind::group, g)) return false;
    for (int s = 0; s < group_size; ++s) {
      const GolferEntry& e = state.group.entries[s];
      if (e.name[0] != '\0' && !e.disqualified) golfers.push_back({g, s, e.handicap_index});
    }
  }
  std::stable_sort(golfers.begin(), golfers.end(), [](const Placed& a, const Placed& b) { return a.index < b.index; });
  const std::vector<int> sizes = flight_sizes(static_cast<int>(golfers.size()), flights, settings.extra_to_last());

  std::size_t next = 0;
  for (int flight = 1; flight <= flights; ++flight) {
    for (int k = 0; k < sizes[static_cast<std::size_t>(flight - 1)]; ++k, ++next) {
      const Placed& p = golfers[next];
      if (k == 0 && next > 0 && golfers[next - 1].index == p.index)
        message_box(state, message_kind::warning,
                    "The Handicap Index %4.1f overlaps between divisions %d and %d.\n\nTo view a list of golfers "
                    "sorted by Handicap Index and Division select 'Print' / 'Golfer List' / 'By Handicap'.",
                    p.index / 10.0, flight - 1, flight);
      if (!read_record(state, RecordKind::group, p.group)) return false;
      state.group.entries[p.slot].division = static_cast<std::int8_t>(flight);
      if (!write_record(state, RecordKind::group, p.group)) return false;
    }
  }
  if (!change.commit()) return false;
  show_message_text(state, message_kind::information, complete_message);
  return true;
}

}  // namespace quillon
