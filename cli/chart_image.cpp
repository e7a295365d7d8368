// SPDX-License-Identifier: MIT
#include "cli/chart_image.h"

#include <QImage>
#include <QSaveFile>

#include "app/program_windows.h"
#include "platform/forms/runtime.h"

namespace cli {

std::string RenderChartImage(const ChartRequest& request) {
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
  if (!failure.empty()) return failure;
  if (image.isNull()) return "the chart could not be drawn";

  QSaveFile file(QString::fromStdString(request.output_path));
  if (!file.open(QIODevice::WriteOnly)) {
    return "cannot write " + request.output_path + ": " + file.errorString().toStdString();
  }
  if (!image.save(&file, "PNG") || !file.commit()) {
    file.cancelWriting();
    return "cannot write " + request.output_path + ": " + file.errorString().toStdString();
  }
  return {};
}

}  // namespace cli
