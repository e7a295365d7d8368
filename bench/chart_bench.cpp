// SPDX-License-Identifier: MIT
// Speed of the chart's menu commands: from the menu item to the curve plotted on
// the drawing surface, the repaint request included (on Qt's offscreen platform).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

#include "app/program_windows.h"
#include "platform/forms/fonts.h"
#include "platform/forms/runtime.h"

namespace {

graph::Frm2kin* g_chart = nullptr;

void TriggerMenuItem(benchmark::State& state, const char* name) {
  QAction* item = g_chart->Window()->findChild<QAction*>(name);
  if (!item) {
    state.SkipWithError("menu item not found");
    return;
  }
  for (auto _ : state) {
    item->trigger();
    benchmark::ClobberMemory();
  }
}

void BM_DrawEquationOfTimeCurve(benchmark::State& state) { TriggerMenuItem(state, "mnuhyouji"); }
BENCHMARK(BM_DrawEquationOfTimeCurve)->Unit(benchmark::kMillisecond);

void BM_DrawRateOfChangeCurve(benchmark::State& state) { TriggerMenuItem(state, "mnu1"); }
BENCHMARK(BM_DrawRateOfChangeCurve)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  platform::RegisterFontSubstitutions();
  platform::Runtime::Get().SetEndHandler([] {});
  app::ProgramWindows windows;
  g_chart = &windows.chart;
  windows.session.CalcYear = 2002;
  windows.chart.Show();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
