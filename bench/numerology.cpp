// The name score with all its look-ups (strokes, stored score, and the talent
// grade when no score is stored), each on a transient query, and the whole
// name analysis report into an in-memory pane, on the shipped databases.
#include <benchmark/benchmark.h>

#include "core/pane.h"
#include "data/info.h"
#include "data/query.h"
#include "numerology/grids.h"
#include "numerology/name_report.h"
#include "numerology/score.h"

namespace {

namespace num = lumeno::numerology;

void BM_NameScore(benchmark::State& state) {
  const num::FiveGrids grids = num::ComputeFiveGrids("欧阳", "明华");
  const std::string talents = num::ThreeTalents(grids);
  for (auto _ : state) benchmark::DoNotOptimize(num::NameScore("欧阳", "明华", grids, talents));
}
BENCHMARK(BM_NameScore)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_GridsAndNameScore(benchmark::State& state) {
  for (auto _ : state) {
    num::StrokeCache cache;  // as a command does it
    const num::FiveGrids grids = num::ComputeFiveGrids("欧阳", "明华", &cache);
    benchmark::DoNotOptimize(num::NameScore("欧阳", "明华", grids, num::ThreeTalents(grids), &cache));
  }
}
BENCHMARK(BM_GridsAndNameScore)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_NameReport(benchmark::State& state) {
  num::NameInputs in{"欧阳", "明华", "男", "1980", "1", "1", "子 0", "0", 0};
  lumeno::data::RecordingInfoSink sink;
  lumeno::data::ScopedInfoSink scoped(&sink);
  lumeno::data::Query window(lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelFile));
  num::AnalysisState analysis;
  for (auto _ : state) {
    lumeno::MemoryPane pane;
    num::RunNameAnalysis(in, analysis, pane, 2026, false, window);
    benchmark::DoNotOptimize(pane.lines.data());
  }
}
BENCHMARK(BM_NameReport)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
