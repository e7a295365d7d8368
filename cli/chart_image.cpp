// SPDX-License-Identifier: MIT
#include "cli/chart_image.h"

#include <QImage>
#include <QSaveFile>

#include "app/forms.h"
#include "app/frm1kin.h"
#include "app/shared_state.h"
#include "detail/frm4kin.h"
#include "graph/frm2kin.h"
#include "platform/runtime.h"

namespace cli {

std::string RenderChartImage(const ChartRequest& request) {
  auto& runtime = platform::Runtime::Get();
  runtime.SetEndHandler([] {});
  runtime.SetSoundPlayer([](const std::string&) {});
  std::string failure;
  runtime.SetMessageBoxPresenter([&failure](const platform::MessageBoxRequest& box) { failure = box.text; });

  app::Frm1kin year_entry;
  graph::Frm2kin chart;
  detail::Frm4kin detail_window;
  app::frm1kin = &year_entry;
  app::frm2kin = &chart;
  app::frm4kin = &detail_window;

  QImage image;
  runtime.Dispatch(nullptr, [&] {
    for (std::size_t i = 0; i < request.years.size(); ++i) {
      if (i > 0) chart.mnureturn_Click();
      app::CalcYear = request.years[i];
      chart.Show();
      chart.mnuhyouji_Click();
    }
    if (request.rate) chart.mnu1_Click();
    image = chart.Client()->grab().toImage();
  });
  app::frm1kin = app::frm2kin = app::frm4kin = nullptr;
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
