// The almanac: one look-up as the almanac window's 测算 does it, a 365-day
// auspicious-day search (goal: below 20 ms), the activity list the search
// window reads when it opens, and the rule columns of one day as the
// database build computes them for each of its 73,049 rows.
#include <benchmark/benchmark.h>

#include <string>

#include "core/date.h"
#include "core/pane.h"
#include "data/database.h"
#include "data/query.h"
#include "fortune/almanac.h"
#include "fortune/almanac_rules.h"

namespace {

namespace fortune = lumeno::fortune;
using lumeno::DateValue;

// The shipped databases lie beside the benchmark executable.
std::string VelBirth() { return lumeno::data::ConnectionStringFor(lumeno::data::DatabaseFile::VelBirth); }

void BM_AlmanacLookUp(benchmark::State& state) {
  lumeno::data::Query query(VelBirth());
  lumeno::MemoryPane pane;
  std::string overview;
  int day = 1;
  for (auto _ : state) {
    // A different day each time, as a user stepping through a month.
    const std::string d = std::to_string(day);
    benchmark::DoNotOptimize(fortune::LookUpAlmanacDay("2026", "5", d, query, overview, pane));
    day = day % 28 + 1;
  }
}
BENCHMARK(BM_AlmanacLookUp)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LuckyDaySearch365(benchmark::State& state) {
  const std::string connection = VelBirth();
  const DateValue from = lumeno::EncodeDate(2026, 1, 1);
  for (auto _ : state) {
    auto days = fortune::FindLuckyDays(connection, "嫁娶", from, 365);
    benchmark::DoNotOptimize(days.data());
  }
}
BENCHMARK(BM_LuckyDaySearch365)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_AlmanacActivities(benchmark::State& state) {
  const std::string connection = VelBirth();
  for (auto _ : state) {
    auto activities = fortune::AlmanacActivities(connection);
    benchmark::DoNotOptimize(activities.data());
  }
}
BENCHMARK(BM_AlmanacActivities)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_RuleColumnsOfOneDay(benchmark::State& state) {
  DateValue day = fortune::AlmanacFirstDay();
  for (auto _ : state) {
    const fortune::AlmanacPillars p = fortune::AlmanacPillarsOf(day);
    std::string texts = fortune::OverviewText(day) + fortune::SuiciText(p) + fortune::WuhangText(p) +
                        fortune::CongText(p.day);
    benchmark::DoNotOptimize(texts.data());
    day = day + 1 > fortune::AlmanacLastDay() ? fortune::AlmanacFirstDay() : day + 1;
  }
}
BENCHMARK(BM_RuleColumnsOfOneDay)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
