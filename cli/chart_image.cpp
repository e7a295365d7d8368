// SPDX-License-Identifier: MIT
#include "cli/chart_image.h"

#include <QBuffer>
#include <QImage>

#include "app/program_windows.h"
#include "cli/errors.h"
#include "platform/forms/runtime.h"

namespace cli {

std::string RenderChartPng(const ChartRequest& request) {
  auto& runtime = platform::Runtime::Get();
  runtime.SetEndHandler([] {});
  runtime.SetSoundPlayer([](const std::string&) {});
  std::string failure;
  runtime.SetMessageBoxPresenter([&failure](const platform::MessageBoxRequest& box) { failure = box.text; });

  app::ProgramWindows windows;
  graph::Frm2kin& chart = windows.chart;

  QImage image;
  runtime.Dispatch(nullptr, [&] {
    for (std::size_t i = 0; i < request.years.size(); ++i) {
      if (i > 0) chart.mnureturn_Click();
      windows.session.CalcYear = request.years[i];
      chart.Show();
      chart.mnuhyouji_Click();
    }
    if (request.rate) chart.mnu1_Click();
    image = chart.Client()->grab().toImage();
  });
  if (!failure.empty()) throw ValueError{"the chart could not be drawn: " + failure};
  if (image.isNull()) throw ValueError{"the chart could not be drawn"};

  // Encoded in memory, so the only write that can fail is ours, reported once.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw ValueError{"the chart could not be encoded as PNG"};
  return png.toStdString();
}

}  // namespace cli
