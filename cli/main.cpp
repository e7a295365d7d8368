// SPDX-License-Identifier: MIT
// orvalin-cli: the equation of time at an instant, a year's daily table, and the
// chart as an image. The chart is drawn by the graph window on Qt's offscreen
// platform, so no display is needed.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/chart_image.h"
#include "cli/cli.h"
#include "platform/forms/fonts.h"

namespace {

// The command's output is its text and its file; Qt's own notes (no runtime
// directory, and the like) are not part of it.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::unique_ptr<QApplication> application;
  int qt_argc = 1;  // QApplication keeps a reference to it
  auto render_chart = [&](const cli::ChartRequest& request) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepQtQuiet);
    application = std::make_unique<QApplication>(qt_argc, argv);
    platform::RegisterFontSubstitutions();
    return cli::RenderChartImage(request);
  };
  return cli::RunCli(args, std::cout, std::cerr, render_chart);
}
