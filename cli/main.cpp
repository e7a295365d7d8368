// SPDX-License-Identifier: MIT
// orvalin-cli: the equation of time at an instant, a year's daily table, the noon
// table of a dial, the chart as an image and the correction card. The text
// commands use QtCore alone and never create an application object; the drawing
// commands start Qt's GUI on its offscreen platform (no display needed) for the
// fonts, and draw from values (the chart from the sweeps) without any window.
#include <QGuiApplication>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cli/card_command.h"
#include "cli/chart_command.h"
#include "cli/cli.h"
#include "cli/standard_output.h"
#include "cli/text_commands.h"
#include "platform/fonts/fonts.h"

namespace {

// The command's output is its text and its file; Qt's own notes (no runtime
// directory, and the like) are not part of it.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  cli::GuardStandardDescriptors();
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::unique_ptr<QGuiApplication> application;
  int qt_argc = 1;  // QGuiApplication keeps a reference to it
  // The drawing commands start Qt's GUI on its offscreen platform: no display needed.
  auto start_gui = [&] {
    if (application) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepQtQuiet);
    application = std::make_unique<QGuiApplication>(qt_argc, argv);
    platform::RegisterFontSubstitutions();
  };
  auto render_chart = [&](const cli::ChartRequest& request) {
    start_gui();
    return cli::RenderChart(request);
  };
  const std::vector<cli::Command> commands = {cli::AtCommand(),    cli::TableCommand(),
                                              cli::NoonCommand(),  cli::ZonesCommand(),
                                              cli::ChartCommand(render_chart), cli::CardCommand(start_gui)};

  std::string out;
  std::string err;
  int status = cli::RunCli(args, commands, out, err, cli::WriteStandardStreams);
  if (!cli::WriteStandardOutput(out)) {
    err += cli::WriteErrorMessage(errno);
    status = cli::kValueError;
  }
  if (!err.empty()) {
    [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, err.data(), err.size());
  }
  return status;
}
