#pragma once
// A tournament published on the Cuplink Network: its server file name and the
// small database file uploaded under it.
#include <filesystem>
#include <string>
#include <vector>

#include "core/records/tournament_header.h"
#include "core/result.h"
#include "core/status.h"

namespace quillon {

struct State;

inline constexpr const char* cuplink_separator = "-ZZ-";
inline constexpr const char* cuplink_folder = "tdb/";
inline constexpr const char* cuplink_message_folder = "tdb/tmess/";
inline constexpr int cuplink_round_slots = 5;
inline constexpr int cuplink_round_slot_size = 200;

// The file name before escaping: club, sequence number, yymmdd date,
// reporting name and tournament name joined by "-ZZ-".
std::string cuplink_file_name(const State& state, const TournamentHeader& header);

// The list line of a tournament: its date as DD-Mon-YYYY, a tab and its name
// padded to 35 characters.
std::string cuplink_list_line(int year, int month, int day, const std::string& name);
std::string cuplink_list_line(const TournamentHeader& header);

// A tournament found on the server.
struct ServerTournament {
  std::string file;  // as listed (escaped)
  int year = 0;  // two digits
  int month = 0;
  int day = 0;
  std::string name;
  std::string line() const { return cuplink_list_line(year + 2000, month, day, name); }
};

// Splits a listed file name; false when it is not one of the club's five-field names.
bool parse_server_file(const std::string& club, const std::string& file, ServerTournament& out);
// Newest first: by date, then by name, descending.
void sort_newest_first(std::vector<ServerTournament>& list);

// Writes the upload file of tournament t in the home folder under its escaped
// name, which it returns. The records are read as values; the state's buffers
// stay as they are.
[[nodiscard]] Result<std::string> write_cuplink_file(const State& state, int t);

}  // namespace quillon
