#include "tests/exchange/backup/backup_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/backup/backup_dialogs.h"
#include "exchange/backup/sha256.h"

namespace quillon::testing {

Bytes file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> folder_names(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void write_file(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

void put_bytes(State& state, std::int64_t offset, const void* data, std::size_t n) {
  if (!state.db.write_at(offset, data, n)) throw std::runtime_error("cannot fill the test database");
}

}  // namespace

void fill_database(State& state, int courses, int tournaments) {
  for (int n = 1; n <= courses; ++n) {
    CourseRecord course{};
    set_field_text(course.course_name, "Course " + std::to_string(n));
    set_field_text(course.tee_name, "White");
    put_bytes(state, course_offset(n), &course, sizeof course);
  }
  state.tournament_count = tournaments;
  if (!resize_database(state)) throw std::runtime_error("cannot size the test database");
  for (int t = 1; t <= tournaments; ++t) {
    TournamentHeader header{};
    header.date_year = static_cast<std::int8_t>(120 + t % 7);
    header.date_month = static_cast<std::int8_t>(1 + t % 12);
    header.date_day = 15;
    header.group_size = 4;
    set_field_text(header.name, "Cup " + std::to_string(t));
    put_bytes(state, tournament_offset(state, t), &header, sizeof header);
    for (int i = 0; i < 20 + t % 60; ++i) {
      GolferEntry golfer{};
      set_field_text(golfer.name, "Golfer " + std::to_string(t) + "-" + std::to_string(i));
      for (int h = 0; h < 18; ++h) golfer.hole_scores[h] = static_cast<std::int8_t>(3 + (t + i + h) % 4);
      golfer.handicap_index = static_cast<std::int16_t>(i * 7 % 360);
      put_bytes(state, tournament_offset(state, t) + tournament_header_size + golfer_entry_size * i, &golfer,
                sizeof golfer);
    }
  }
  if (!state.db.flush()) throw std::runtime_error("cannot flush the test database");
}

void mark_database(State& state, const std::string& mark) {
  set_field_text(state.import_settings.reporting_name, mark);
  EXPECT_TRUE(write_record(state, RecordKind::import_settings, 1));
}

void script_local_backup(ScriptedUi& ui, const std::string& path) {
  ui.dialog(DialogScript{{{std::string("!") + save_local_button, ""}}, false, false});
  ui.files.push_back(path);
}

void script_restore(ScriptedUi& ui, const std::string& path, const std::string& confirmation) {
  ui.dialog(
      DialogScript{{{confirmation_field, confirmation}, {std::string("!") + restore_browse_button, ""}}, false, false});
  ui.files.push_back(path);
}

std::string sha256_of(const Bytes& bytes) {
  auto hash = Sha256::start();
  if (!hash) {
    ADD_FAILURE() << hash.status().reason();
    return {};
  }
  hash->update(bytes.data(), bytes.size());
  return hash->hex();
}

}  // namespace quillon::testing
