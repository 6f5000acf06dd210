// The score cards of a 200-group tournament drawn into a PDF file by the Qt
// renderer: the time of a whole job and the size of the file it writes.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/bench_home.h"
#include "core/database.h"
#include "core/fixed_text.h"
#include "print_qt/print_jobs.h"
#include "report/score_cards.h"

namespace {

using namespace quillon;

constexpr int card_groups = 200;
constexpr int card_group_size = 4;

void write_card_field(State& state) {
  std::memset(&state.header, 0, sizeof state.header);
  set_field_text(state.header.name, "Club Championship");
  state.header.date_year = 126;
  state.header.date_month = 12;
  state.header.date_day = 7;
  state.header.format = 2;
  state.header.group_size = card_group_size;
  state.header.group_count = card_groups;
  state.header.division_count = 1;
  state.header.default_gender = 'M';
  state.header.first_tee_hour = 7;
  state.header.tee_interval_index = 8;
  for (int d = 0; d < 10; ++d) {
    state.header.division_tee[d] = 1;
    state.header.division_allowance[d] = 100;
  }
  state.tournament_count = 1;
  (void)write_record(state, RecordKind::tournament, 1);
  for (int g = 1; g <= card_groups; ++g) {
    std::memset(&state.group, 0, sizeof state.group);
    for (int i = 0; i < card_group_size; ++i) {
      GolferEntry& e = state.group.entries[i];
      set_field_text(e.name, "Golfer " + std::to_string(g) + "-" + std::to_string(i + 1));
      e.handicap_index = static_cast<std::int16_t>((g * 7 + i * 31) % 300);
      e.gender = 'M';
      e.division = 1;
    }
    (void)write_record(state, RecordKind::group, g);
  }
}

void BM_ScoreCardsToPdf(benchmark::State& bench_state) {
  print_qt::ensure_gui_application();
  bench::BenchHome home("quillon-cards-bench");
  State& state = *home.state;
  bench::write_bench_course(state);
  write_card_field(state);
  CardField field(state);
  std::vector<ScoreCard> cards = score_card_list(field, CardsPer::group, std::nullopt);
  std::filesystem::path pdf = home.home / "cards.pdf";
  for (auto _ : bench_state) {
    PrinterOpening opening = print_qt::open_pdf_job(pdf.string(), job_settings(state));
    PrintOutput out(state, *opening.canvas, true);
    draw_score_cards(out, field, cards, true);
    Status sent = opening.canvas->finish();
    if (!sent) bench_state.SkipWithError(sent.reason().c_str());
  }
  bench_state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
  bench_state.counters["cards"] = static_cast<double>(cards.size());
}
BENCHMARK(BM_ScoreCardsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
