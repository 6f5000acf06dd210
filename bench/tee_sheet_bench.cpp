// An 800-golfer tee sheet: exported to .xlsx and imported back, the import
// alone, our reader alone (zlib and expat), and the floor: liborcus reading
// the same workbook into its own document, in the same run.
#include <benchmark/benchmark.h>

#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>

#include <cstring>
#include <filesystem>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "exchange/imports/tee_sheet_export.h"
#include "exchange/imports/tee_sheet_import.h"
#include "exchange/spreadsheets/spreadsheet_reader.h"

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

// A home holding the field, and the workbook the benchmarks write.
struct TeeSheetBench {
  explicit TeeSheetBench(const std::string& name) : home(name), path((home.home / "big.xlsx").string()) {
    fill_field(*home.state);
  }
  // Exports the tee sheet over the workbook of the last run.
  bool export_sheet() {
    std::filesystem::remove(path);
    home.ui.files.push_back(path);
    return export_tee_sheet(*home.state, 1).is_ok();
  }

  BenchHome home;
  std::string path;
};

void BM_TeeSheetExportAndImport800(benchmark::State& run) {
  TeeSheetBench bench("quillon-tee-sheet-bench");
  for (auto _ : run) {
    if (!bench.export_sheet()) {
      run.SkipWithError("the export failed");
      break;
    }
    bench.home.ui.answer(Button::ok);
    bench.home.ui.files.push_back(bench.path);
    if (!import_tee_sheet(*bench.home.state, 1)) {
      run.SkipWithError("the import failed");
      break;
    }
  }
  const std::string& told = bench.home.ui.last_message()->text;
  if (told != "A total of 800 golfers were imported into the (Big Open) tournament.") run.SkipWithError(told.c_str());
}
BENCHMARK(BM_TeeSheetExportAndImport800)->Unit(benchmark::kMillisecond);

// The import alone (the sheet, the erase question, the field written with one
// flush of the database); compare with BM_ReadXlsx800, its floor.
void BM_TeeSheetImport800(benchmark::State& run) {
  TeeSheetBench bench("quillon-tee-sheet-import-bench");
  bench.export_sheet();
  for (auto _ : run) {
    bench.home.ui.answer(Button::ok);
    bench.home.ui.files.push_back(bench.path);
    if (!import_tee_sheet(*bench.home.state, 1)) break;
  }
  const std::string& told = bench.home.ui.last_message()->text;
  if (told != "A total of 800 golfers were imported into the (Big Open) tournament.") run.SkipWithError(told.c_str());
}
BENCHMARK(BM_TeeSheetImport800)->Unit(benchmark::kMillisecond);

void BM_TeeSheetExport800(benchmark::State& run) {
  TeeSheetBench bench("quillon-tee-sheet-export-bench");
  for (auto _ : run) {
    if (!bench.export_sheet()) {
      run.SkipWithError("the export failed");
      break;
    }
  }
}
BENCHMARK(BM_TeeSheetExport800)->Unit(benchmark::kMillisecond);

// Reading the workbook alone: the library's part of an import.
void BM_ReadXlsx800(benchmark::State& run) {
  TeeSheetBench bench("quillon-xlsx-read-bench");
  bench.export_sheet();
  for (auto _ : run) {
    Result<SheetTable> table = read_spreadsheet(bench.path);
    if (!table || table->rows.size() != 800) run.SkipWithError("the sheet was not read");
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_ReadXlsx800)->Unit(benchmark::kMillisecond);

void BM_Floor_LiborcusParse800(benchmark::State& run) {
  TeeSheetBench bench("quillon-orcus-read-bench");
  bench.export_sheet();
  for (auto _ : run) {
    orcus::spreadsheet::document document{orcus::spreadsheet::range_size_t{1048576, 16384}};
    orcus::spreadsheet::import_factory factory{document};
    orcus::orcus_xlsx workbook{&factory};
    workbook.read_file(bench.path);
    if (document.get_sheet_count() != 1) run.SkipWithError("liborcus read no sheet");
    benchmark::DoNotOptimize(document);
  }
}
BENCHMARK(BM_Floor_LiborcusParse800)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillon::bench
