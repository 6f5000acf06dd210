// An 800-golfer tee sheet: exported to .xlsx and imported back, and the
// spreadsheet library's share of the reading on its own.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/spreadsheet_reader.h"
#include "exchange/tee_sheet_export.h"
#include "exchange/tee_sheet_import.h"

namespace quillon::bench {
namespace {

// Tournament 1 with 200 groups of four named golfers.
void fill_field(State& state) {
  state.tournament_count = 1;
  (void)resize_database(state);
  TournamentHeader h{};
  h.date_year = 126;
  h.date_month = 12;
  h.date_day = 7;
  set_field_text(h.name, "Big Open");
  h.group_size = 4;
  h.group_count = 200;
  h.division_count = 1;
  h.first_tee_hour = 7;
  h.tee_interval_index = 8;
  state.header = h;
  (void)write_record(state, RecordKind::tournament, 1);
  for (int g = 1; g <= 200; ++g) {
    std::memset(&state.group, 0, sizeof state.group);
    for (int s = 0; s < 4; ++s) {
      GolferEntry& e = state.group.entries[s];
      set_field_text(e.name, "Golfer Number " + std::to_string(g * 4 + s));
      e.handicap_index = static_cast<std::int16_t>((g * 7 + s * 13) % 360);
      e.gender = s % 2 ? 'F' : 'M';
      e.division = 1;
    }
    (void)write_record(state, RecordKind::group, g);
  }
}

void BM_TeeSheetExportAndImport800(benchmark::State& run) {
  BenchHome home("quillon-tee-sheet-bench");
  State& state = *home.state;
  fill_field(state);
  const std::string path = (home.home / "big.xlsx").string();
  for (auto _ : run) {
    std::filesystem::remove(path);
    home.ui.files.push_back(path);
    export_tee_sheet(state, 1);
    home.ui.answer(Button::ok);
    home.ui.files.push_back(path);
    import_tee_sheet(state, 1);
  }
  if (home.ui.last_message()->text != "A total of 800 golfers were imported into the (Big Open) tournament.")
    run.SkipWithError(home.ui.last_message()->text.c_str());
}
BENCHMARK(BM_TeeSheetExportAndImport800)->Unit(benchmark::kMillisecond);

void BM_TeeSheetExport800(benchmark::State& run) {
  BenchHome home("quillon-tee-sheet-export-bench");
  State& state = *home.state;
  fill_field(state);
  const std::string path = (home.home / "big.xlsx").string();
  for (auto _ : run) {
    std::filesystem::remove(path);
    home.ui.files.push_back(path);
    export_tee_sheet(state, 1);
  }
}
BENCHMARK(BM_TeeSheetExport800)->Unit(benchmark::kMillisecond);

// Reading the workbook alone: the library's part of an import.
void BM_ReadXlsx800(benchmark::State& run) {
  BenchHome home("quillon-xlsx-read-bench");
  State& state = *home.state;
  fill_field(state);
  const std::string path = (home.home / "big.xlsx").string();
  home.ui.files.push_back(path);
  export_tee_sheet(state, 1);
  for (auto _ : run) {
    SheetTable table;
    if (!read_spreadsheet(path, table) || table.rows.size() != 800) run.SkipWithError("the sheet was not read");
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_ReadXlsx800)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon::bench
