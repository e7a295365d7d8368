// SPDX-License-Identifier: MIT
#include "cli/chart_image.h"

#include <QByteArray>

#include "app/program_windows.h"
#include "cli/errors.h"
#include "platform/forms/runtime.h"

namespace cli {

std::string RenderChart(const ChartRequest& request) {
  auto& runtime = platform::Runtime::Get();
  runtime.SetEndHandler([] {});
  runtime.SetSoundPlayer([](const std::string&) {});
  std::string failure;
  runtime.SetMessageBoxPresenter([&failure](const platform::MessageBoxRequest& box) { failure = box.text; });

  app::ProgramWindows windows;
  graph::Frm2kin& chart = windows.chart;

  bool drawn = false;
  runtime.Dispatch(nullptr, [&] {
    for (std::size_t i = 0; i < request.years.size(); ++i) {
      if (i > 0) chart.mnureturn_Click();
      windows.session.CalcYear = request.years[i];
      chart.Show();
      chart.mnuhyouji_Click();
    }
    if (request.rate) chart.mnu1_Click();
    drawn = chart.Client() != nullptr;
  });
  if (!failure.empty()) throw ValueError{"the chart could not be drawn: " + failure};
  if (!drawn) throw ValueError{"the chart could not be drawn"};

  // Encoded in memory, so the only write that can fail is ours, reported once.
  const QByteArray bytes = graph::EncodeChart(*chart.Client(), request.format);
  if (bytes.isEmpty()) throw ValueError{"the chart could not be encoded"};
  return bytes.toStdString();
}

}  // namespace cli
