// SPDX-License-Identifier: MIT
#include "cli/chart_image.h"

#include <QByteArray>

#include "cli/errors.h"
#include "graph/chart.h"

namespace cli {

std::string RenderChart(const ChartRequest& request) {
  // Encoded in memory, so the only write that can fail is ours, reported once.
  const QByteArray bytes =
      graph::EncodeChart(graph::ChartOfYears(request.years, request.rate), request.format, request.legend);
  if (bytes.isEmpty()) throw ValueError{"the chart could not be encoded"};
  return bytes.toStdString();
}

}  // namespace cli
