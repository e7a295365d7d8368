// SPDX-License-Identifier: MIT
// Speed of the chart: a curve from the sweep into the chart model, and the whole
// chart drawn into each file format (on Qt's offscreen platform, no window).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "chart/chart.h"
#include "chart_drawing/chart_export.h"
#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"
#include "platform/fonts/fonts.h"

namespace {

void BM_EquationOfTimeCurve(benchmark::State& state) {
  for (auto _ : state) {
    chart::Chart chart;
    chart.AddCurve(chart::CurveOf(chart::CurveKind::kEquationOfTime, 2002, 0, chart::SweepEquationOfTime(2002)));
    benchmark::DoNotOptimize(chart.curves.data());
  }
}
BENCHMARK(BM_EquationOfTimeCurve)->Unit(benchmark::kMillisecond);

void BM_RateOfChangeCurve(benchmark::State& state) {
  for (auto _ : state) {
    chart::Chart chart;
    chart.AddCurve(chart::CurveOf(chart::CurveKind::kRateOfChange, 2002, chart::kRateColour,
                                  chart::SweepRateOfChange(2002)));
    benchmark::DoNotOptimize(chart.curves.data());
  }
}
BENCHMARK(BM_RateOfChangeCurve)->Unit(benchmark::kMillisecond);

// The README's chart: three years and a rate, encoded as the command line does.
void EncodeReadmeChart(benchmark::State& state, chart::ChartFormat format) {
  const chart::Chart chart = chart::ChartOfYears({-2000, 2002, 4000}, true);
  for (auto _ : state) benchmark::DoNotOptimize(chart::EncodeChart(chart, format, false));
}
void BM_EncodePng(benchmark::State& state) { EncodeReadmeChart(state, chart::ChartFormat::kPng); }
void BM_EncodeSvg(benchmark::State& state) { EncodeReadmeChart(state, chart::ChartFormat::kSvg); }
void BM_EncodePdf(benchmark::State& state) { EncodeReadmeChart(state, chart::ChartFormat::kPdf); }
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  platform::RegisterFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
