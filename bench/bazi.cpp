// The whole eight-character report with its look-ups and the bone-weight
// statements, into an in-memory pane, on the shipped databases.
#include <benchmark/benchmark.h>

#include "bazi/report.h"
#include "data/info.h"

namespace {

void BM_BaziReport(benchmark::State& state) {
  lumeno::bazi::BaziInputs in;
  in.surname = "张";
  in.sex = "男";
  in.year = "1984";
  in.month = "2";
  in.day = "4";
  in.hourItem = "午 12";
  in.minute = "0";
  lumeno::data::RecordingInfoSink sink;
  lumeno::data::ScopedInfoSink scoped(&sink);
  for (auto _ : state) {
    lumeno::MemoryPane pane;
    benchmark::DoNotOptimize(lumeno::bazi::BaziReport(in, pane, 2026));
  }
}
BENCHMARK(BM_BaziReport)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
