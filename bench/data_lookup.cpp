// A stroke look-up as the numerology does it: a transient query (open the
// file, translate, query, read, close), and the same text on a kept
// connection (a window-owned query component).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "data/query.h"

namespace {

using lumeno::data::DatabaseFile;

// The shipped databases lie beside the benchmark executable.
const std::string kSql = "select  top 1 bh from word where zi = '张'";

void BM_TransientStrokeLookup(benchmark::State& state) {
  for (auto _ : state) {
    lumeno::data::ResultSet r = lumeno::data::RunQuery(DatabaseFile::Roruroz, kSql);
    benchmark::DoNotOptimize(r.First(0).AsInt());
  }
}
BENCHMARK(BM_TransientStrokeLookup)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_KeptConnectionStrokeLookup(benchmark::State& state) {
  lumeno::data::Query q(lumeno::data::ConnectionStringFor(DatabaseFile::Roruroz));
  for (auto _ : state) {
    q.Close();
    q.SetSql(kSql);
    q.Open();
    benchmark::DoNotOptimize(q.Field(0).AsInt());
  }
}
BENCHMARK(BM_KeptConnectionStrokeLookup)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
