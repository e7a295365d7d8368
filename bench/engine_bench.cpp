// SPDX-License-Identifier: MIT
// Speed of the engine: one full evaluation, one evaluation at an instant (published
// and as a value), and the arithmetic of a whole year's sweep (no drawing).
#include <benchmark/benchmark.h>

#include "engine/module1.h"
#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"

namespace {

void BM_FullEvaluation(benchmark::State& state) {
  using namespace Module1;
  double jd = 2452275.5;
  for (auto _ : state) {
    const double T = JulianCenturies(jd);
    const double eps = Obliquity(T);
    const double L = SunMeanLongitude(T);
    const double varpi = PerihelionLongitude(T);
    const double e = OrbitEccentricity(T);
    benchmark::DoNotOptimize(EquationOfTime(eps, L, varpi, L - varpi, e));
    jd += 0.15;
  }
}
BENCHMARK(BM_FullEvaluation);

// The detail window's evaluation: the value, published in the shared texts.
void BM_EquationOfTimeAt(benchmark::State& state) {
  double day = 11.125;
  for (auto _ : state) {
    Module1::EquationOfTimeAt(2002, 2, day);
    benchmark::ClobberMemory();  // the published results count as written
    day = day < 28 ? day + 1 : 1.125;
  }
}
BENCHMARK(BM_EquationOfTimeAt);

// The value alone, as the command line takes it.
void BM_EquationOfTimeValueAt(benchmark::State& state) {
  double day = 11.125;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Module1::EquationOfTimeValueAt(2002, 2, day));
    day = day < 28 ? day + 1 : 1.125;
  }
}
BENCHMARK(BM_EquationOfTimeValueAt);

void BM_EquationOfTimeYearSweep(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(chart::SweepEquationOfTime(2002));
}
BENCHMARK(BM_EquationOfTimeYearSweep)->Unit(benchmark::kMicrosecond);

void BM_RateOfChangeYearSweep(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(chart::SweepRateOfChange(2002));
}
BENCHMARK(BM_RateOfChangeYearSweep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
