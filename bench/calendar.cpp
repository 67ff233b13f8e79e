// Speed of the calendar conversions: every day of the lunar table's range
// to its lunar date and back, and the month-view lunar code of every day of
// 1901-2050. The counters give the time per converted day.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/date_cn.h"
#include "calendar/lunar.h"
#include "core/date.h"

namespace {

using lumeno::DateValue;
namespace cal = lumeno::calendar;

const DateValue kFirst = lumeno::EncodeDate(1900, 1, 31);
const DateValue kLast = lumeno::EncodeDate(2100, 12, 31);

void PerDay(benchmark::State& state, double days) {
  state.counters["per_day"] =
      benchmark::Counter(days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SolarToLunar(benchmark::State& state) {
  for (auto _ : state) {
    for (DateValue x = kFirst; x <= kLast; x += 1) benchmark::DoNotOptimize(cal::SolarToLunar(x));
  }
  PerDay(state, kLast - kFirst + 1);
}
BENCHMARK(BM_SolarToLunar)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_LunarToSolar(benchmark::State& state) {
  std::vector<cal::LunarDate> dates;
  for (DateValue x = kFirst; x <= kLast; x += 1) dates.push_back(cal::SolarToLunar(x));
  for (auto _ : state) {
    for (const cal::LunarDate& d : dates) benchmark::DoNotOptimize(cal::LunarToSolar(d));
  }
  PerDay(state, static_cast<double>(dates.size()));
}
BENCHMARK(BM_LunarToSolar)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_RoundTrip(benchmark::State& state) {
  for (auto _ : state) {
    for (DateValue x = kFirst; x <= kLast; x += 1) benchmark::DoNotOptimize(cal::LunarToSolar(cal::SolarToLunar(x)));
  }
  PerDay(state, kLast - kFirst + 1);
}
BENCHMARK(BM_RoundTrip)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_CnLunarCode(benchmark::State& state) {
  const DateValue first = lumeno::EncodeDate(1901, 1, 1);
  const DateValue last = lumeno::EncodeDate(2050, 12, 31);
  for (auto _ : state) {
    for (DateValue x = first; x <= last; x += 1) benchmark::DoNotOptimize(cal::CnLunarCode(x));
  }
  PerDay(state, last - first + 1);
}
BENCHMARK(BM_CnLunarCode)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
