// SPDX-License-Identifier: MIT
// Speed of the engine: one full evaluation, one evaluation at an instant, and the
// arithmetic of a whole year's sweep (no drawing).
#include <benchmark/benchmark.h>

#include "engine/module1.h"
#include "graph/equation_of_time_curve.h"
#include "graph/rate_of_change_curve.h"

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

void BM_EquationOfTimeAt(benchmark::State& state) {
  double day = 11.125;
  for (auto _ : state) {
    Module1::EquationOfTimeAt(2002, 2, day);
    benchmark::DoNotOptimize(Module1::EotSeconds);
    day = day < 28 ? day + 1 : 1.125;
  }
}
BENCHMARK(BM_EquationOfTimeAt);

void BM_EquationOfTimeYearSweep(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graph::SweepEquationOfTime(2002));
}
BENCHMARK(BM_EquationOfTimeYearSweep)->Unit(benchmark::kMicrosecond);

void BM_RateOfChangeYearSweep(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(graph::SweepRateOfChange(2002));
}
BENCHMARK(BM_RateOfChangeYearSweep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
