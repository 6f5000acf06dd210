#include "exchange/network/net_cuplink_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/database.h"
#include "core/dates.h"
#include "core/fixed_text.h"
#include "core/record_values.h"
#include "core/state.h"
#include "exchange/network/net_escape.h"
#include "exchange/network/net_files.h"

namespace quillon {

namespace {

constexpr int name_column_width = 35;
constexpr int field_count = 5;
constexpr char field_mark = '\x01';

template <typename Record>
void append_record(std::string& out, const Record& r) {
  out.append(reinterpret_cast<const char*>(&r), sizeof r);
}

int two_digits(const std::string& text, std::size_t at) {
  if (text.size() < at + 2 || !std::isdigit(static_cast<unsigned char>(text[at])) ||
      !std::isdigit(static_cast<unsigned char>(text[at + 1])))
    return -1;
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

std::string cuplink_file_name(const State& state, const TournamentHeader& header) {
  char buffer[600];
  std::snprintf(buffer, sizeof buffer, "%s-ZZ-%03d-ZZ-%02d%02d%02d-ZZ-%s-ZZ-%s",
                field_text(state.system.club_id).c_str(), static_cast<int>(header.sequence_number),
                static_cast<std::uint8_t>(header.date_year) % 100, header.date_month, header.date_day,
                field_text(state.import_settings.reporting_name).c_str(), field_text(header.name).c_str());
  return buffer;
}

std::string cuplink_list_line(int year, int month, int day, const std::string& name) {
  char buffer[200];
  std::snprintf(buffer, sizeof buffer, "%s\t%-35s", long_date(year, month, day).c_str(), name.c_str());
  static_assert(name_column_width == 35);
  return buffer;
}

std::string cuplink_list_line(const TournamentHeader& header) {
  return cuplink_list_line(1900 + static_cast<std::uint8_t>(header.date_year), header.date_month, header.date_day,
                           field_text(header.name));
}

bool parse_server_file(const std::string& club, const std::string& file, ServerTournament& out) {
  if (!file.starts_with(club + cuplink_separator)) return false;
  std::string text = file;
  for (std::size_t at = text.find(cuplink_separator); at != std::string::npos;
       at = text.find(cuplink_separator, at + 1))
    text.replace(at, std::strlen(cuplink_separator), 1, field_mark);
  unescape_from_server(text);
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(field_mark, from)) != std::string::npos; from = at + 1)
    fields.push_back(text.substr(from, at - from));
  fields.push_back(text.substr(from));
  if (static_cast<int>(fields.size()) != field_count || fields[2].size() != 6) return false;
  out.file = file;
  out.year = two_digits(fields[2], 0);
  out.month = two_digits(fields[2], 2);
  out.day = two_digits(fields[2], 4);
  out.name = fields[4];
  return out.year >= 0 && out.month >= 1 && out.month <= 12 && out.day >= 1 && out.day <= 31;
}

void sort_newest_first(std::vector<ServerTournament>& list) {
  auto key = [](const ServerTournament& t) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", t.year, t.month, t.day);
    return std::string(buffer) + t.name;
  };
  std::stable_sort(list.begin(), list.end(), [&](const auto& a, const auto& b) { return key(a) > key(b); });
}

Result<std::string> write_cuplink_file(const State& state, int t) {
  Result<TournamentHeader> stored = load_header(state, t);
  if (!stored) return stored.status();
  TournamentHeader header = *stored;
  std::string name = cuplink_file_name(state, header);
  escape_for_server(name);

  // The course records in order of first use by divisions 1, 2, ...
  std::vector<int> courses;
  bool multi_round = header.format == multi_round_format;
  int divisions = multi_round ? 1 : std::clamp<int>(header.division_count, 1, 10);
  for (int d = 0; d < divisions; ++d) {
    int course = header.division_tee[d];
    auto at = std::find(courses.begin(), courses.end(), course);
    if (at == courses.end()) {
      courses.push_back(course);
      at = courses.end() - 1;
    }
    header.division_tee[d] = static_cast<std::int16_t>(at - courses.begin() + 1);
  }

  SystemRecord system = state.system;
  system.course_slot_count = static_cast<std::int16_t>(courses.size());
  system.flags |= system_flag::no_desktop_message;
  std::string bytes;
  append_record(bytes, system);
  append_record(bytes, state.import_settings);
  for (int course : courses) {
    Result<CourseRecord> tee = load_course(state, course);
    if (!tee) return tee.status();
    append_record(bytes, *tee);
  }

  if (multi_round) {
    std::memset(header.notes, 0, cuplink_round_slots * cuplink_round_slot_size);
    for (int k = 0; k < cuplink_round_slots; ++k) {
      int day = header.round_tournaments[k];
      if (day <= 0) continue;
      Result<TournamentHeader> round = load_header(state, day);
      if (!round) return round.status();
      std::string day_name = cuplink_file_name(state, *round);
      std::size_t n = std::min<std::size_t>(day_name.size(), cuplink_round_slot_size - 1);
      std::memcpy(header.notes + k * cuplink_round_slot_size, day_name.data(), n);
    }
    append_record(bytes, header);
  } else {
    append_record(bytes, header);
    int group_size = std::clamp<int>(header.group_size, 1, max_group_size);
    for (int g = 1; g <= header.group_count; ++g) {
      Result<GroupBuffer> group = load_group(state, t, *stored, g);
      if (!group) return group.status();
      for (int i = 0; i < group_size; ++i) append_record(bytes, group->entries[i]);
    }
  }
  std::error_code ec;
  std::filesystem::remove(state.file(name), ec);
  if (Status written = replace_file(state.file(name), bytes); !written) return written;
  return name;
}

}  // namespace quillon
